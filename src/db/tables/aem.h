// Kvs532Aem: which shift model a work-place group (or a single work place)
// works on which days. Read joined with the shared calendar and the shift
// models: one row per shift of the model's day type on one day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct AemSatz {
  FixedText<11> AemApg;  // work-place group, or the work place for kind 2
  FixedText<11> AemEmo;  // shift model
  FixedText<9> AemGvo;   // valid from yyyymmdd
  FixedText<31> AemBez;
  FixedText<11> AemTxt;
  FixedText<6> AemKal;  // calendar number
  std::int32_t AemLkz = 0;
  std::int32_t AemVzt = 0;
  std::int32_t AemEzt = 0;
  std::int32_t AemPrz = 0;
  std::int32_t AemAfz = 0;
  std::int32_t AemApz = 0;
  std::int32_t AemPrp = 0;
  std::int32_t AemAfp = 0;
  std::int32_t AemApp = 0;
  FixedText<4> KalBtp;  // the calendar's day type on that day
  FixedText<9> KalDtm;  // yyyymmdd
  std::int32_t BakJhr = 0;
  std::int32_t BakMon = 0;
  std::int32_t BakWch = 0;
  std::int32_t BakWtg = 0;
  std::int32_t BakJtg = 0;
  std::int32_t AemMaz = 0;
};

// The assignments of group `apg` and kind `kng` valid on `date` (yyyymmdd),
// one row per shift of the day type the calendar gives that day, ordered
// by the shift start.
class Aem_Schicht : public db::RecordCursor<AemSatz> {
 public:
  Aem_Schicht();
  int Open(const char* apg, std::int32_t kng, const char* date);
};

// The same for every group (or work place) of kind `kng` at once, ordered
// by AemApg and then by the shift start.
class Aem_SchichtTag : public db::RecordCursor<AemSatz> {
 public:
  Aem_SchichtTag();
  int Open(std::int32_t kng, const char* date);
};

// Number of kind-2 assignments of work place `apg`; untouched on failure.
int Aem_Count(const char* apg, std::int32_t* count);

// Shift assignments belong to another program; the demo, the tests and the
// benchmark load them with this. Writes the Aem fields of the record
// (AemApg to AemApp and AemMaz) with the assignment kind `kng` and the last
// valid day `gbi` (yyyymmdd, empty: open-ended).
int Aem_PKeyIns(const AemSatz* aem, std::int32_t kng, const char* gbi);

// The calendar numbers that any shift assignment names, each once.
int Aem_Kalender(std::vector<std::string>& numbers);
