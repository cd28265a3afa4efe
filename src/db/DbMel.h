// Bookings, state vectors, notes, errors and analysis rows.
#pragma once

#include "db/bup.h"
#include "db/err.h"
#include "db/gaz.h"
#include "db/gps.h"
#include "db/map.h"
#include "db/mel.h"
#include "db/mlt.h"
#include "db/mrk.h"
#include "db/nza.h"
#include "db/pps.h"
#include "db/pse.h"
#include "db/tag.h"
