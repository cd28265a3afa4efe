// Kvs143Pse: break models, one row per break PseLfd of model PseNum;
// times in minutes after midnight.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct PseSatz {
  FixedText<6> PseNum;
  std::int32_t PseLfd = 0;
  std::int32_t PseVon = 0;
  std::int32_t PseBis = 0;
  std::int32_t PseMin = 0;
  std::int32_t PseMax = 0;
  std::int32_t PseInt = 0;
  std::int32_t PsePse = 0;
};

// The breaks of one model in PseLfd order.
class Pse_PKey : public db::RecordCursor<PseSatz> {
 public:
  Pse_PKey();
  int Open(const char* num);
};

// Maintained by the time-model program; tools and tests use this.
int Pse_PKeyIns(const PseSatz* pse);
