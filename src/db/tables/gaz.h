// Kvs322Gaz: planned-time values of one person and day that replace those
// of the time model.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct GazSatz {
  FixedText<9> GazPnr;
  FixedText<9> GazDtm;  // yyyymmdd
  std::int32_t GazMav = 0;
  std::int32_t GazMab = 0;
  std::int32_t GazNov = 0;
  std::int32_t GazNob = 0;
  std::int32_t GazKev = 0;
  std::int32_t GazGlv = 0;
  std::int32_t GazGlb = 0;
  std::int32_t GazKeb = 0;
  std::int32_t GazSol = 0;
};

// The values of GazPnr, GazDtm; the record is unchanged on failure.
int Gaz_PKeyReadk(GazSatz* gaz);

// Maintained by the time-recording program; tools and tests use this.
int Gaz_PKeyIns(const GazSatz* gaz);
