// Kvs323Gps: break overrides of one person and day.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct GpsSatz {
  FixedText<9> GpsPnr;
  FixedText<9> GpsDtm;  // yyyymmdd
  std::int32_t GpsLfd = 0;  // the break number of the model it overrides
  std::int32_t GpsVon = 0;
  std::int32_t GpsBis = 0;
  std::int32_t GpsMin = 0;
  std::int32_t GpsMax = 0;
  std::int32_t GpsInt = 0;
  std::int32_t GpsPse = 0;
};

// The override of GpsPnr, GpsDtm, GpsLfd; the record is unchanged on failure.
int Gps_PKeyReadk(GpsSatz* gps);

// Maintained by the time-recording program; tools and tests use this.
int Gps_PKeyIns(const GpsSatz* gps);
