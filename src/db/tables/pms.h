// Kvs535Pms: the break periods; times are minutes after midnight.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct PmsSatz {
  FixedText<6> PmsNum;
  std::int32_t PmsBeg = 0;
  std::int32_t PmsEnd = 0;
  std::int32_t PmsInt = 0;
  std::int32_t PmsPse = 0;
  std::int32_t PmsBzt = 0;
  std::int32_t PmsPrz = 0;
};

// Break periods belong to another program; the demo, the tests and the
// benchmark load them with this.
int Pms_PKeyIns(const PmsSatz* pms);
