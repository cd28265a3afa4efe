#include "db/tables/pass_reads.h"

#include <cstdint>
#include <map>
#include <string>

#include "base/datetime.h"
#include "base/status.h"
#include "db/engine/session.h"

namespace {

// What a keyed read returned and left in its record.
template <class Record>
struct Answer {
  int rc;
  Record record;
};

template <class Record>
using Answers = std::map<std::string, Answer<Record>>;

struct Kept {
  std::uint64_t connection = 0;  // the session generation the answers came from
  std::string day;               // the worker's day they were read on, yyyymmdd
  Answers<FzuSatz> functionCodes;
  Answers<PrvSatz> badges;
  bool haveSwitches = false;
  NzpSchalter switches;
};

std::string today() {
  std::string day, time;
  Datum_Zeit(day, time, 3);
  return day;
}

Kept nothingRead() {
  Kept r;
  r.connection = db::Session::get().generation();
  r.day = today();
  return r;
}

int gPassDepth = 0;  // passes begun and not yet ended

Kept& kept() {
  static Kept reads;
  if (reads.connection != db::Session::get().generation() || reads.day != today()) reads = nothingRead();
  return reads;
}

bool isAnswer(int rc) { return rc == status::kOk || rc == status::kNoRow; }

// The keyed read's result, from `answers` when the key was asked before.
// Both reads fill every field of the record or clear all but the key, so
// a copy is exactly what the read would leave.
template <class Record>
int answered(Answers<Record>& answers, const std::string& key, Record* record, int (*read)(Record*)) {
  if (gPassDepth == 0) return read(record);
  const auto known = answers.find(key);
  if (known != answers.end()) {
    *record = known->second.record;
    return known->second.rc;
  }
  const int rc = read(record);
  if (isAnswer(rc)) answers[key] = Answer<Record>{rc, *record};
  return rc;
}

}  // namespace

PassReads::PassReads() {
  if (gPassDepth++ == 0) kept() = nothingRead();
}

PassReads::~PassReads() {
  if (--gPassDepth == 0) kept() = nothingRead();
}

int Fcd_PassRead(FzuSatz* fzu) { return answered(kept().functionCodes, fzu->FzuFcd.str(), fzu, Fcd_PKeyReadk); }

int Awn_PassRead(PrvSatz* prv) { return answered(kept().badges, prv->PrvAwn.str(), prv, Awn_PKeyRead); }

NzpSchalter NzpPassSwitches() {
  if (gPassDepth == 0) return NzpLaden();
  Kept& r = kept();
  if (r.haveSwitches) return r.switches;
  r.haveSwitches = LoadSwitches(&r.switches);
  return r.switches;
}
