// Master data and counters.
#pragma once

#include "db/aem.h"
#include "db/apk.h"
#include "db/apl.h"
#include "db/app.h"
#include "db/azv.h"
#include "db/bak.h"
#include "db/bnr.h"
#include "db/emo.h"
#include "db/fzu.h"
#include "db/kal.h"
#include "db/nzp.h"
#include "db/pms.h"
#include "db/pmz.h"
#include "db/prv.h"
#include "db/ztg.h"
