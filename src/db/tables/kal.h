// KvSystem.Kvs133Kal: the shared calendars, one row per calendar and day,
// giving the day type that decides which shifts are worked.
#pragma once

#include "base/fixed_text.h"

struct KalSatz {
  FixedText<6> KalNum;  // calendar number (AemKal of the assignments)
  FixedText<9> KalDtm;  // yyyymmdd
  FixedText<4> KalBtp;  // day type
};

// The calendar belongs to another program; the demo, the tests and the
// benchmark fill it with this.
int Kal_PKeyIns(const KalSatz* kal);
