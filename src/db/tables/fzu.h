// Kvs553Fzu: the function codes and their telegram classes.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct FzuSatz {
  FixedText<4> FzuFcd;
  FixedText<4> FzuMld;
  FixedText<31> FzuBez;
  FixedText<11> FzuTxt;
  std::int32_t FzuArt = 0;  // class: 1 booking, 2 special, 3 unknown to the system
  std::int32_t FzuObj = 0;
  std::int32_t FzuUpl = 0;  // 1: write an upload row
  std::int32_t FzuGen = 0;  // 1: generate follow-up bookings
  FixedText<31> FzuZf1;
  FixedText<31> FzuZf2;
  FixedText<31> FzuZf3;
  std::int16_t FzuSta = 0;
  FixedText<9> FzuErf;
};

// By FzuFcd among the rows with FzuAec "0". On failure FzuFcd stays and
// every other field is cleared (FzuArt, FzuObj, FzuUpl and FzuGen are 0).
int Fcd_PKeyReadk(FzuSatz* fzu);
// Function codes belong to another program; the demo, the tests and the
// benchmark load them with this. `aec` is the row's FzuAec, which the
// record does not carry.
int Fzu_PKeyIns(const FzuSatz* fzu, const char* aec);
