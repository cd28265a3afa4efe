// Master data and counters.
#pragma once

#include "db/bak.h"
#include "db/bnr.h"
#include "db/nzp.h"
