// Binding of the analysis rows' moments. The end of a period that is still
// open has an empty date and time; such a moment is not known yet and is
// bound as NULL, as an empty text is, rather than as fourteen blanks that
// no date conversion accepts.
#pragma once

#include <vector>

#include "db/field.h"
#include "db/value.h"

namespace db {

// fieldValues() with a blank moment bound as NULL.
std::vector<Value> valuesWithOpenMoments(const void* record, Fields fields);

}  // namespace db
