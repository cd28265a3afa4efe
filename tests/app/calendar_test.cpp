// `bdemorvelt calendar FROM TO`: the shared calendar's days and day types,
// run as the operator runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/tables/aem.h"
#include "db/tables/emo.h"
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
        {"20270101"}, {"20270101", "20270102", "--day-types", "AT,AT"},
        {"20270101", "20270102", "--day-types", "AT,AT,AT,AT,AT,SA,S O"}, {"20270101", "20270102", "--calendar", "123456"}}) {
    EXPECT_EQ(2, run(args)) << args[0];
    EXPECT_NE(std::string::npos, ReadFile(dir_ + "/out.txt").find("bdemorvelt calendar: "));
  }
  EXPECT_EQ(0, testdb::CountRows(table("Kvs133Bak")));
}

// Without --calendar, every calendar the shift assignments name is filled,
// so that the analyses find their days; day types and calendars unknown to
// the shift data are filled all the same, with a warning.
TEST_P(CalendarCommand, DefaultCalendarsAreThoseTheShiftAssignmentsName) {
  for (const char* calendar : {"00001", "00002"}) {
    AemSatz aem;
    aem.AemApg = std::string("G") + calendar;
    aem.AemEmo = "E1";
    aem.AemGvo = "20260101";
    aem.AemKal = calendar;
    ASSERT_EQ(0, Aem_PKeyIns(&aem, 1, ""));
  }
  EmoSatz shift;
  shift.EmoEmo = "E1";
  shift.EmoTtp = "AT";
  shift.EmoBeg = 360;
  shift.EmoEnd = 840;
  ASSERT_EQ(0, Emo_PKeyIns(&shift, "P1"));

  ASSERT_EQ(0, run({"20270101", "20270103"})) << ReadFile(dir_ + "/out.txt");
  EXPECT_EQ(ReadFile(dir_ + "/out.txt"),
            "bdemorvelt calendar: warning: no shift model has shifts for day type SA: its days get no shifts\n"
            "bdemorvelt calendar: warning: no shift model has shifts for day type SO: its days get no shifts\n"
            "calendar 00001,00002: 3 days from 20270101 to 20270103\n");
  EXPECT_EQ((std::vector<std::string>{"20270101 53 5 1 AT 00001", "20270101 53 5 1 AT 00002",
                                      "20270102 53 6 2 SA 00001", "20270102 53 6 2 SA 00002",
                                      "20270103 53 7 3 SO 00001", "20270103 53 7 3 SO 00002"}),
            days());

  ASSERT_EQ(0, run({"20270104", "20270104", "--calendar", "9", "--day-types", "AT,AT,AT,AT,AT,AT,AT"}));
  EXPECT_EQ(ReadFile(dir_ + "/out.txt"),
            "bdemorvelt calendar: warning: no shift assignment names calendar 9\n"
            "calendar 9: 1 days from 20270104 to 20270104\n");
}

INSTANTIATE_DB_TEST(CalendarCommand);

}  // namespace
