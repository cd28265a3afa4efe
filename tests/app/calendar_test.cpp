// `bdemorvelt calendar FROM TO`: the shared calendar's days and day types,
// run as the operator runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "intake_support.h"
#include "program.h"

namespace {

using namespace intake_test;
namespace fs = std::filesystem;

class CalendarCommand : public DbTest {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    DbTest::SetUp();
    if (IsSkipped()) return;
    static int serial = 0;
    dir_ = testdb::ScratchDir() + "/calendar" + std::to_string(++serial);
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/ipc");
    WriteConfig(dir_ + "/korvantis.ini", LoginFrom(dir_));
  }

  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config", dir_ + "/korvantis.ini", "calendar"});
    Program p(dir_, dir_ + "/ipc", args, "", dir_ + "/out.txt");
    return p.wait();
  }

  std::string table(const char* name) const {
    return (GetParam() == testdb::Backend::Sqlite ? std::string() : std::string("kvsystem.")) + name;
  }

  // "date week weekday day-of-year day-type" of every day, in date order.
  std::vector<std::string> days() const {
    std::vector<std::string> out;
    for (const db::Row& r :
         testdb::Query("select TO_CHAR(BakDtm,'yyyymmdd'), BakWch, BakWtg, BakJtg, KalBtp, KalNum from " +
                       table("Kvs133Bak") + ", " + table("Kvs133Kal") + " where KalDtm=BakDtm order by BakDtm, KalNum"))
      out.push_back(r[0].asText() + " " + r[1].asText() + " " + r[2].asText() + " " + r[3].asText() + " " +
                    r[4].asText() + " " + r[5].asText());
    return out;
  }

  std::string dir_;
};

TEST_P(CalendarCommand, DaysOverAYearEndAndALeapDayOnceEach) {
  ASSERT_EQ(0, run({"20261231", "20270104"})) << ReadFile(dir_ + "/out.txt");
  ASSERT_EQ(0, run({"20261231", "20270101"}));  // a repeat changes nothing
  ASSERT_EQ(0, run({"20280228", "20280301", "--calendar", "7", "--day-types", "W,W,W,W,F,S,S"}));
  EXPECT_EQ((std::vector<std::string>{
                "20261231 53 4 365 AT 1", "20270101 53 5 1 AT 1", "20270102 53 6 2 SA 1", "20270103 53 7 3 SO 1",
                "20270104 1 1 4 AT 1", "20280228 9 1 59 W 7", "20280229 9 2 60 W 7", "20280301 9 3 61 W 7"}),
            days());
}

TEST_P(CalendarCommand, BadRangeWritesNothing) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"20270104", "20261231"}, {"20270230", "20270301"}, {"2027011", "20270112"},
        {"20270101"}, {"20270101", "20270102", "--day-types", "AT,AT"}}) {
    EXPECT_EQ(2, run(args)) << args[0];
    EXPECT_NE(std::string::npos, ReadFile(dir_ + "/out.txt").find("bdemorvelt calendar: "));
  }
  EXPECT_EQ(0, testdb::CountRows(table("Kvs133Bak")));
}

INSTANTIATE_DB_TEST(CalendarCommand);

}  // namespace
