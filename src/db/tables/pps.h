// Kvs580Pps: upload rows for the production planning system, written only.
// Every value, dates and times included, is stored as given (text or number).
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct PpsSatz {
  FixedText<15> PpsDat;
  std::int32_t PpsLfn = 0;
  FixedText<4> PpsVkz;
  FixedText<4> PpsFcd;
  FixedText<9> PpsPnr;
  FixedText<11> PpsApl;
  FixedText<13> PpsApk;
  FixedText<6> PpsApp;
  FixedText<9> PpsAwn;
  FixedText<9> PpsMdt;
  FixedText<7> PpsMzt;
  FixedText<6> PpsUbg;
  FixedText<5> PpsAug;
  std::int32_t PpsSts = 0;
  FixedText<2> PpsSto;
  double PpsGum = 0;
  double PpsFam = 0;
  double PpsMam = 0;
  double PpsNam = 0;
  FixedText<4> PpsMee;
  double PpsZt1 = 0;
  double PpsZt2 = 0;
  double PpsZt3 = 0;
  FixedText<11> PpsZf1;
  FixedText<21> PpsZf2;
  FixedText<31> PpsZf3;
};

// Inserts one upload row; commits when it succeeds.
int Pps_PKeyIns(const PpsSatz* pps);
