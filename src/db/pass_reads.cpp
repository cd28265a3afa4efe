#include "db/pass_reads.h"

#include <cstdint>
#include <map>
#include <string>

#include "base/datetime.h"
#include "base/status.h"
#include "db/session.h"

namespace {

struct FunctionCodeAnswer {
  int rc;
  FzuSatz row;  // as the read left it: the row, or only the code for 1403
};

struct PassReads {
  std::uint64_t connection = 0;  // the session generation the answers came from
  std::map<std::string, FunctionCodeAnswer> functionCodes;
  bool haveSwitches = false;
  std::string switchesDay;
  NzpSchalter switches;
};

PassReads nothingRead(std::uint64_t connection) {
  PassReads r;
  r.connection = connection;
  return r;
}

PassReads& passReads() {
  static PassReads reads;
  const std::uint64_t connection = db::Session::get().generation();
  if (reads.connection != connection) reads = nothingRead(connection);
  return reads;
}

bool isAnswer(int rc) { return rc == status::kOk || rc == status::kNoRow; }

// The worker's calendar day, yyyymmdd.
std::string today() {
  std::string day, time;
  Datum_Zeit(day, time, 3);
  return day;
}

}  // namespace

void ForgetPassReads() { passReads() = nothingRead(db::Session::get().generation()); }

int Fcd_PassRead(FzuSatz* fzu) {
  std::map<std::string, FunctionCodeAnswer>& codes = passReads().functionCodes;
  const std::string code = fzu->FzuFcd.str();
  const auto known = codes.find(code);
  if (known != codes.end()) {
    *fzu = known->second.row;
    return known->second.rc;
  }
  const int rc = Fcd_PKeyReadk(fzu);
  if (isAnswer(rc)) codes[code] = FunctionCodeAnswer{rc, *fzu};
  return rc;
}

NzpSchalter NzpPassSwitches() {
  PassReads& r = passReads();
  const std::string day = today();
  if (r.haveSwitches && r.switchesDay == day) return r.switches;
  NzpSchalter s;
  r.haveSwitches = LoadSwitches(&s);
  r.switches = s;
  r.switchesDay = day;
  return s;
}
