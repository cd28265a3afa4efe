// Kvs140Azv: the time models, one row per model and version start.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct AzvSatz {
  FixedText<8> AzvNum;  // time model number (ZtgAzt of the day models)
  FixedText<9> AzvGvo;  // version valid from yyyymmdd
  FixedText<6> AzvPsm;
  std::int32_t AzvMav = 0;
  std::int32_t AzvMab = 0;
  std::int32_t AzvNov = 0;
  std::int32_t AzvNob = 0;
  std::int32_t AzvGlv = 0;
  std::int32_t AzvGlb = 0;
  std::int32_t AzvKev = 0;
  std::int32_t AzvKeb = 0;
  std::int32_t AzvSol = 0;
};

// Time models belong to another program; the demo, the tests and the
// benchmark load them with this.
int Azv_PKeyIns(const AzvSatz* azv);
