// Kvs328Bup: absence and booking periods of a person.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct BupSatz {
  FixedText<9> BupPnr;
  FixedText<9> BupVon;  // start, yyyymmdd
  FixedText<7> BupUhr;  // start, HH24MISS
  std::int32_t BupFkt = 0;
  FixedText<9> BupBis;  // end, yyyymmdd
  FixedText<7> BupEnd;  // end, HH24MISS
  std::int32_t BupFfk = 0;
  std::int32_t BupTvo = 0;
  std::int32_t BupTbi = 0;
  std::int32_t BupAvo = 0;
  std::int32_t BupAbi = 0;
  std::int32_t BupWzv = 0;
  std::int32_t BupWzb = 0;
};

// The periods of a person lying wholly inside [from, to]: the start text
// (date and time digits run together) not below `from`, the end text not
// above `to`; ordered by start.
class Bup_AbrTag : public db::RecordCursor<BupSatz> {
 public:
  Bup_AbrTag();
  int Open(const char* pnr, const char* from, const char* to);
};

// Written by the time-recording program; tools and tests use this.
int Bup_PKeyIns(const BupSatz* bup);
