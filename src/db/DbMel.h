// Bookings, state vectors, notes, errors and analysis rows.
#pragma once

#include "db/err.h"
#include "db/map.h"
#include "db/mel.h"
#include "db/mrk.h"
#include "db/pps.h"
