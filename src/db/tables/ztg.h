// Kvs329Ztg: the planned day model of a person per day, read joined with
// the time models (Kvs140Azv) and the shared calendar.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct ZtgSatz {
  FixedText<9> ZtgPnr;  // person
  FixedText<9> ZtgVon;  // day yyyymmdd
  FixedText<8> ZtgAzt;  // time model number
  FixedText<6> AzvPsm;
  std::int32_t AzvMav = 0;
  std::int32_t AzvMab = 0;
  std::int32_t AzvNov = 0;
  std::int32_t AzvNob = 0;
  std::int32_t AzvGlv = 0;
  std::int32_t AzvGlb = 0;
  std::int32_t AzvKev = 0;
  std::int32_t AzvKeb = 0;
  FixedText<6> ZtgAgr;
  FixedText<4> ZtgTtp;
  std::int32_t AzvSol = 0;
  std::int32_t BakWch = 0;
  std::int32_t BakWtg = 0;
  std::int32_t BakJtg = 0;
};

// The day model of person `pnr` on `date` (yyyymmdd) with every version of
// its time model that started on or before that day, newest first: the
// first row carries the version valid on the day.
class Ztg_Pnr : public db::RecordCursor<ZtgSatz> {
 public:
  Ztg_Pnr();
  int Open(const char* pnr, const char* date);
};

// Day models belong to another program; the demo, the tests and the
// benchmark load them with this. Writes ZtgPnr, ZtgVon, ZtgAzt, ZtgAgr, ZtgTtp.
int Ztg_PKeyIns(const ZtgSatz* ztg);
