// Bookings, state vectors, notes, errors and analysis rows.
#pragma once

#include "db/tables/bup.h"
#include "db/tables/err.h"
#include "db/tables/gaz.h"
#include "db/tables/gps.h"
#include "db/tables/map.h"
#include "db/tables/mel.h"
#include "db/tables/mlt.h"
#include "db/tables/mrk.h"
#include "db/tables/nza.h"
#include "db/tables/pps.h"
#include "db/tables/pse.h"
#include "db/tables/tag.h"
