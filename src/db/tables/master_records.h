// Master data and counters.
#pragma once

#include "db/tables/aem.h"
#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/azv.h"
#include "db/tables/bak.h"
#include "db/tables/bnr.h"
#include "db/tables/emo.h"
#include "db/tables/fzu.h"
#include "db/tables/kal.h"
#include "db/tables/nzp.h"
#include "db/tables/pms.h"
#include "db/tables/pmz.h"
#include "db/tables/prv.h"
#include "db/tables/ztg.h"
