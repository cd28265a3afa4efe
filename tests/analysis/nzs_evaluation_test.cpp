// Figures of a work period of a person on a time model: come and go from
// the account-day bookings, the planned break, an interruption while
// present, and the interruption's own figures, plain and in set-up.
#include <gtest/gtest.h>

#include "analysis/analyses.h"
#include "analysis/duration.h"
#include "db_fixture.h"
#include "nzs_floor.h"
#include "scenario_support.h"

namespace {

using namespace nzs_floor;

TEST(Dauer, SecondsJustBelowAndAboveAMinute) {
  EXPECT_DOUBLE_EQ(0.59, Dauer(59));
  EXPECT_DOUBLE_EQ(1.01, Dauer(61));
}

class NzsEvaluationTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShiftFloor();
    LoadTimeModel();
    AddPerson(kPnr, 1);
    // The day before has a planned day without account-day bookings: come
    // and go at the planned times.
    PlannedDay(Day(-1), "070000", "150000", false);
  }

  // Work 08:00-16:00, `interrupted` 10:00-10:45.
  void BookTheDay(bool interrupted, const char* setUp = "0") {
    MelSatz logOn = Booking(1, "P05", "PA", kDay, "080000");
    logOn.Sts00R = setUp;
    if (*setUp == '1') logOn.Sts00A = "0";
    Book(logOn);
    if (interrupted) {
      Book(Booking(2, "P06", "PU", kDay, "100000"));
      Book(Booking(3, "P07", "PW", kDay, "104500"));
    }
    Book(Booking(4, "P08", "PE", kDay, "160000"));
  }

  NzaSatz WorkPeriod() {
    std::vector<NzaSatz> work = Periods(1);
    EXPECT_EQ(1u, work.size());
    return work.empty() ? NzaSatz() : work[0];
  }
};

TEST_P(NzsEvaluationTest, PresentForTheWholePeriodWithThePlannedBreak) {
  PlannedDay(kDay, "075500", "160500", true);
  scenario::LogCapture log;
  BookTheDay(false);
  Nzs_Abarbeiten();
  const NzaSatz w = WorkPeriod();
  EXPECT_EQ(1, w.NzaPzm);
  EXPECT_DOUBLE_EQ(480.00, w.NzaBza);
  EXPECT_DOUBLE_EQ(450.00, w.NzaNza);
  EXPECT_DOUBLE_EQ(30.00, w.NzaPza);
  EXPECT_DOUBLE_EQ(480.00, w.NzaAbz);
  EXPECT_DOUBLE_EQ(0.00, w.NzaUza);
  EXPECT_DOUBLE_EQ(0.00, w.NzaBzu);
  EXPECT_DOUBLE_EQ(0.00, w.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, w.NzaSol);
  // Both days leave their go on the time line; neither is lost.
  EXPECT_EQ("", log.Text());
  EXPECT_EQ(0, testdb::CountRows("Kvs554Err"));
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
}

TEST_P(NzsEvaluationTest, InterruptionWhilePresentCountsApartAndInItsOwnRow) {
  // Gone at 15:00, an hour before the period ends: the account-day booking
  // ending that day gives the go.
  PlannedDay(kDay, "075500", "150000", true);
  scenario::SetNoteSwitch(5, false);
  BookTheDay(true);
  Nzs_Abarbeiten();
  const NzaSatz w = WorkPeriod();
  EXPECT_DOUBLE_EQ(435.00, w.NzaBza);
  EXPECT_DOUBLE_EQ(405.00, w.NzaNza);
  EXPECT_DOUBLE_EQ(30.00, w.NzaPza);
  EXPECT_DOUBLE_EQ(375.00, w.NzaAbz);
  EXPECT_DOUBLE_EQ(45.00, w.NzaUza);
  EXPECT_DOUBLE_EQ(45.00, w.NzaNzu);
  EXPECT_DOUBLE_EQ(45.00, w.NzaBzu);
  EXPECT_DOUBLE_EQ(45.00, w.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, w.NzaPzu);

  std::vector<NzaSatz> interruptions = Periods(2);
  ASSERT_EQ(1u, interruptions.size());
  const NzaSatz& u = interruptions[0];
  EXPECT_DOUBLE_EQ(45.00, u.NzaUza);
  EXPECT_DOUBLE_EQ(45.00, u.NzaNzu);
  EXPECT_DOUBLE_EQ(45.00, u.NzaBzu);
  EXPECT_DOUBLE_EQ(45.00, u.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, u.NzaPzu);
  EXPECT_DOUBLE_EQ(0.00, u.NzaUzr);
}

TEST_P(NzsEvaluationTest, InterruptionOfSetUpTimeIsKeptApart) {
  PlannedDay(kDay, "075500", "160500", true);
  scenario::SetNoteSwitch(5, false);
  BookTheDay(true, "1");
  Nzs_Abarbeiten();
  const NzaSatz w = WorkPeriod();
  EXPECT_EQ(1, w.NzaRau);
  EXPECT_DOUBLE_EQ(405.00, w.NzaNza);
  std::vector<NzaSatz> interruptions = Periods(2);
  ASSERT_EQ(1u, interruptions.size());
  const NzaSatz& u = interruptions[0];
  EXPECT_DOUBLE_EQ(45.00, u.NzaUzr);
  EXPECT_DOUBLE_EQ(45.00, u.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, u.NzaRf1);
  EXPECT_DOUBLE_EQ(0.00, u.NzaUza);
  EXPECT_DOUBLE_EQ(0.00, u.NzaNzu);
  EXPECT_DOUBLE_EQ(0.00, u.NzaBzu);
  EXPECT_DOUBLE_EQ(0.00, u.NzaPzu);
}

TEST_P(NzsEvaluationTest, DayWithoutPlanIsProtocolledAndAddsNothing) {
  PlannedDay(kDay, "075500", "150000", true);
  testdb::Exec("delete from Kvs329Ztg where ZtgVon=TO_DATE(:b0,'yyyymmdd')", {db::Value::text(Day(-1))});
  BookTheDay(false);
  Nzs_Abarbeiten();
  EXPECT_DOUBLE_EQ(420.00, WorkPeriod().NzaAbz);
  std::vector<db::Row> protocol =
      testdb::Query("select ErrBer,ErrFun,ErrPgm,ErrFnr,ErrPnr,TO_CHAR(ErrEdt,'yyyymmddHH24MISS') from Kvs554Err");
  ASSERT_EQ(1u, protocol.size());
  EXPECT_EQ("BDE", protocol[0][0].asText());
  EXPECT_EQ("NZM", protocol[0][1].asText());
  EXPECT_EQ("Nza_MPA", protocol[0][2].asText());
  EXPECT_EQ(7004, protocol[0][3].asInt());
  EXPECT_EQ(kPnr, protocol[0][4].asText());
  EXPECT_EQ(Day(-1) + "000001", protocol[0][5].asText());
}

INSTANTIATE_DB_TEST(NzsEvaluationTest);

}  // namespace
