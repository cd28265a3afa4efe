// KvSystem.Kvs133Bak: the shared calendar, one row per day.
#pragma once

#include <cstdint>
#include <string>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct BakSatz {
  FixedText<9> BakDtm;  // yyyymmdd
  std::int32_t BakJhr = 0;
  std::int32_t BakMon = 0;
  std::int32_t BakTag = 0;
  std::int32_t BakWch = 0;  // calendar week
  std::int32_t BakWtg = 0;  // weekday
  std::int32_t BakJtg = 0;  // day of the year
};

// The calendar row of a valid yyyymmdd date: year, month, day, ISO week,
// weekday (1 Monday .. 7 Sunday) and day of the year.
BakSatz Bak_Tag(const std::string& date);

// The day `days` after `date` (yyyymmdd); the record is unchanged on failure.
int Bak_PKeyReadk(BakSatz* bak, const char* date, std::int32_t days);
// Calendar days after `from` up to and including `to`; count untouched on failure.
int Bak_Count(const char* from, const char* to, std::int32_t* count);
// The calendar days from `from` to `to` (yyyymmdd, both included) in date order.
class Bak_Von : public db::RecordCursor<BakSatz> {
 public:
  Bak_Von();
  int Open(const char* from, const char* to);
};
// The calendar day bak->BakDtm (yyyymmdd); the record is unchanged on failure.
int Bak_Datum(BakSatz* bak);
// Writes a calendar day (the calendar belongs to another program; tools
// and tests fill it).
int Bak_PKeyIns(const BakSatz* bak);
