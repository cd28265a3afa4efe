// The shift assignments of a work place or of its group on one day, as the
// analyses and the pages that draw shifts both need them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/tables/aem.h"

// The assignments of `apg` (a work place with kind 2, a group with kind 1)
// valid on `day`, one row per shift of the assigned model, read to the end
// before anything else is done with them. Empty when none is valid or the
// cursor cannot be opened.
std::vector<AemSatz> ShiftAssignments(const std::string& apg, std::int32_t kng, const std::string& day);
