// Loading the analysis switches from the parameter rows valid today.
#include "main/switches.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "db/nzp.h"
#include "db_fixture.h"

namespace {

class SwitchesTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    today_ = testdb::QueryText("select TO_CHAR(trunc(sysdate),'yyyymmdd')");
    ASSERT_EQ(8u, today_.size());
  }

  // The database's today shifted by `days`, as yyyymmdd.
  std::string dayFromToday(int days) const {
    using namespace std::chrono;
    const year_month_day base{year{std::stoi(today_.substr(0, 4))},
                              month{static_cast<unsigned>(std::stoi(today_.substr(4, 2)))},
                              day{static_cast<unsigned>(std::stoi(today_.substr(6, 2)))}};
    const year_month_day shifted{sys_days{base} + std::chrono::days{days}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(shifted.year()),
                  static_cast<unsigned>(shifted.month()), static_cast<unsigned>(shifted.day()));
    return text;
  }

  // A parameter row of `kind` valid from `fromDays` to `toDays` (relative to today).
  void addRow(int kind, int fromDays, int toDays, int active, int leaveNotes) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    nzp.NzpGvn = dayFromToday(fromDays);
    nzp.NzpGbi = dayFromToday(toDays);
    nzp.NzpAak = active;
    nzp.NzpMrk = leaveNotes;
    ASSERT_EQ(0, Nzp_PKeyIns(&nzp));
  }

  static void setAllSwitches() {
    for (int k = 0; k < kNzpKinds; ++k) NzpAktiv[k] = NzpMerk[k] = true;
  }

  std::string today_;
};

TEST_P(SwitchesTest, RowValidTodaySetsBothFlags) {
  addRow(5, -1, 1, 1, 1);
  NzpLaden();
  EXPECT_TRUE(NzpAktiv[5]);
  EXPECT_TRUE(NzpMerk[5]);
}

TEST_P(SwitchesTest, EachFlagFollowsItsOwnColumn) {
  addRow(1, -10, 10, 1, 0);
  addRow(3, -10, 10, 0, 1);
  addRow(4, -10, 10, 2, 2);  // only the value 1 switches on
  NzpLaden();
  EXPECT_TRUE(NzpAktiv[1]);
  EXPECT_FALSE(NzpMerk[1]);
  EXPECT_FALSE(NzpAktiv[3]);
  EXPECT_TRUE(NzpMerk[3]);
  EXPECT_FALSE(NzpAktiv[4]);
  EXPECT_FALSE(NzpMerk[4]);
}

TEST_P(SwitchesTest, RowStartingTodayCountsAsMissing) {
  addRow(5, 0, 30, 1, 1);
  setAllSwitches();
  NzpLaden();
  EXPECT_FALSE(NzpAktiv[5]);
  EXPECT_FALSE(NzpMerk[5]);
}

TEST_P(SwitchesTest, RowEndingTodayCountsAsMissing) {
  addRow(5, -30, 0, 1, 1);
  setAllSwitches();
  NzpLaden();
  EXPECT_FALSE(NzpAktiv[5]);
  EXPECT_FALSE(NzpMerk[5]);
}

TEST_P(SwitchesTest, PastAndFutureRowsAreIgnored) {
  addRow(7, -30, -1, 1, 1);
  addRow(7, 1, 30, 1, 1);
  NzpLaden();
  EXPECT_FALSE(NzpAktiv[7]);
  EXPECT_FALSE(NzpMerk[7]);
  addRow(7, -1, 1, 1, 0);
  NzpLaden();
  EXPECT_TRUE(NzpAktiv[7]);
  EXPECT_FALSE(NzpMerk[7]);
}

TEST_P(SwitchesTest, MissingRowsClearEverySwitch) {
  setAllSwitches();
  NzpLaden();
  for (int k = 0; k < kNzpKinds; ++k) {
    EXPECT_FALSE(NzpAktiv[k]) << "kind " << k;
    EXPECT_FALSE(NzpMerk[k]) << "kind " << k;
  }
}

TEST_P(SwitchesTest, EveryUsedKindIsLoadedAndNoOther) {
  for (int kind = 1; kind <= 9; ++kind) addRow(kind, -1, 1, 1, 1);
  NzpLaden();
  for (int kind : {1, 2, 3, 4, 5, 7, 9}) {
    EXPECT_TRUE(NzpAktiv[kind]) << "kind " << kind;
    EXPECT_TRUE(NzpMerk[kind]) << "kind " << kind;
  }
  for (int kind : {0, 6, 8}) {
    EXPECT_FALSE(NzpAktiv[kind]) << "kind " << kind;
    EXPECT_FALSE(NzpMerk[kind]) << "kind " << kind;
  }
}

TEST_P(SwitchesTest, TwoRowsValidTodayCannotBeReadAndClearBothFlags) {
  addRow(2, -5, 5, 1, 1);
  addRow(2, -3, 3, 1, 1);
  setAllSwitches();
  NzpLaden();
  EXPECT_FALSE(NzpAktiv[2]);
  EXPECT_FALSE(NzpMerk[2]);
}

TEST_P(SwitchesTest, ReloadingFollowsAChangedRow) {
  addRow(5, -1, 1, 1, 1);
  NzpLaden();
  ASSERT_TRUE(NzpAktiv[5]);
  ASSERT_EQ(0, testdb::Exec("delete from Kvs591Nzp where NzpAkz=5"));
  NzpLaden();
  EXPECT_FALSE(NzpAktiv[5]);
  EXPECT_FALSE(NzpMerk[5]);
}

INSTANTIATE_DB_TEST(SwitchesTest);

}  // namespace
