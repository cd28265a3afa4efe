// Test data of the intake tests: function codes, persons, raw telegrams and
// the queue rows that carry them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "db/tables/fzu.h"
#include "db/tables/prv.h"
#include "db/tables/rcv.h"
#include "db_fixture.h"
#include "plant/worker_config.h"
#include "base/config.h"
#include "scenario_support.h"

namespace intake_test {

inline constexpr std::string_view kBadge = "B0001001";
inline constexpr std::string_view kPerson = "00001001";

// Function codes: "A01" and "A02" booked and uploaded, "P01" booked,
// "X04" of class 4, "A09" stored only under FzuAec "1".
inline void LoadCodes() {
  struct Code {
    const char* fcd;
    const char* mld;
    int upl;
    int art;
    const char* aec;
  };
  const Code codes[] = {{"A01", "RB", 1, 1, "0"}, {"A02", "RE", 1, 1, "0"}, {"A07", "AE", 1, 1, "0"},
                        {"P01", "MA", 0, 1, "0"}, {"X04", "XX", 0, 4, "0"}, {"A09", "ZZ", 0, 1, "1"}};
  for (const Code& c : codes) {
    FzuSatz f = scenario::FunctionCode(c.fcd, c.mld, c.upl, 0, c.art);
    ASSERT_EQ(0, Fzu_PKeyIns(&f, c.aec)) << c.fcd;
  }
}

inline void LoadPerson(std::string_view pnr = kPerson, std::string_view badge = kBadge) {
  PrvSatz p = scenario::Person(pnr, badge);
  ASSERT_EQ(0, Prv_PKeyIns(&p));
}

// A raw telegram of 7 December 2026 (yymmdd "261207") from terminal `trm`.
inline std::string Telegram(std::string_view fcd, std::string_view time, std::string_view data,
                            std::string_view trm = "T1", std::string_view yymmdd = "261207") {
  std::string t = scenario::Fixed("TERMINAL-HEAD", 52);
  t += "1";
  t += "0";
  t += scenario::Fixed(trm, 2);
  t += "0";
  t += yymmdd;
  t += scenario::Fixed(time, 6);
  t += "00";
  t += fcd;
  t += data;
  return t;
}

// Badge, order "ORD000000001", operation "00010", work place "WP00000010".
inline std::string OrderData(std::string_view badge = kBadge) {
  return scenario::Fixed(badge, 8) + "ORD000000001" + "00010" + "WP00000010";
}

inline void Queue(std::string_view moment, std::int32_t lfn, std::string_view telegram) {
  RcvSatz rcv;
  rcv.RcvMdt = moment;
  rcv.RcvLfn = lfn;
  rcv.RcvDta = telegram;
  rcv.RcvEsb = "test";
  ASSERT_EQ(0, Rcv_PKeyIns(&rcv));
}

inline std::int64_t Count(const std::string& table, const std::string& where) {
  return testdb::QueryInt("select count(*) from " + table + " where " + where);
}

// The login of the current test database as a configuration file holds it:
// a value has room for 51 characters only, too few for most URIs, so a URI's
// user and password go into LOGIN and PASS and its server into "host:port/db".
using Login = plant::WorkerLogin;

inline Login CurrentLogin() {
  Login l = plant::LoginOf(testdb::CurrentService());
  if (l.login.empty() && l.pass.empty()) {
    l.login = testdb::CurrentLogin();
    l.pass = testdb::CurrentPassword();
  }
  return l;
}

// A configuration for a worker running in `workDir`: an SQLite file is
// named relative to it, as an absolute path may not fit into the value.
inline Login LoginFrom(const std::string& workDir) {
  Login l = CurrentLogin();
  const std::string scheme = "sqlite:";
  if (l.net8.rfind(scheme, 0) == 0)
    l.net8 = scheme + std::filesystem::relative(l.net8.substr(scheme.size()), workDir).string();
  return l;
}

inline void WriteConfig(const std::string& path, const Login& l) { plant::WriteWorkerConfig(path, l); }

// A database holding the function codes and the person above.
class CodesAndPersonTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadCodes();
    LoadPerson();
  }
};

}  // namespace intake_test
