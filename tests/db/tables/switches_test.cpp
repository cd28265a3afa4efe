// Loading the analysis switches from the parameter rows valid today.
#include "db/tables/switches.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "db/tables/nzp.h"
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

  std::string today_;
  NzpSchalter s_;
};

TEST_P(SwitchesTest, RowValidTodaySetsBothFlags) {
  addRow(5, -1, 1, 1, 1);
  s_ = NzpLaden();
  EXPECT_TRUE(s_.aktiv[5]);
  EXPECT_TRUE(s_.merk[5]);
}

TEST_P(SwitchesTest, EachFlagFollowsItsOwnColumn) {
  addRow(1, -10, 10, 1, 0);
  addRow(3, -10, 10, 0, 1);
  addRow(4, -10, 10, 2, 2);  // only the value 1 switches on
  s_ = NzpLaden();
  EXPECT_TRUE(s_.aktiv[1]);
  EXPECT_FALSE(s_.merk[1]);
  EXPECT_FALSE(s_.aktiv[3]);
  EXPECT_TRUE(s_.merk[3]);
  EXPECT_FALSE(s_.aktiv[4]);
  EXPECT_FALSE(s_.merk[4]);
}

TEST_P(SwitchesTest, RowStartingTodayCountsAsMissing) {
  addRow(5, 0, 30, 1, 1);
  s_ = NzpLaden();
  EXPECT_FALSE(s_.aktiv[5]);
  EXPECT_FALSE(s_.merk[5]);
}

TEST_P(SwitchesTest, RowEndingTodayCountsAsMissing) {
  addRow(5, -30, 0, 1, 1);
  s_ = NzpLaden();
  EXPECT_FALSE(s_.aktiv[5]);
  EXPECT_FALSE(s_.merk[5]);
}

TEST_P(SwitchesTest, PastAndFutureRowsAreIgnored) {
  addRow(7, -30, -1, 1, 1);
  addRow(7, 1, 30, 1, 1);
  s_ = NzpLaden();
  EXPECT_FALSE(s_.aktiv[7]);
  EXPECT_FALSE(s_.merk[7]);
  addRow(7, -1, 1, 1, 0);
  s_ = NzpLaden();
  EXPECT_TRUE(s_.aktiv[7]);
  EXPECT_FALSE(s_.merk[7]);
}

TEST_P(SwitchesTest, MissingRowsClearEverySwitch) {
  s_ = NzpLaden();
  for (int k = 0; k < kNzpKinds; ++k) {
    EXPECT_FALSE(s_.aktiv[k]) << "kind " << k;
    EXPECT_FALSE(s_.merk[k]) << "kind " << k;
  }
}

TEST_P(SwitchesTest, EveryUsedKindIsLoadedAndNoOther) {
  for (int kind = 1; kind <= 9; ++kind) addRow(kind, -1, 1, 1, 1);
  s_ = NzpLaden();
  for (int kind : {1, 2, 3, 4, 5, 7, 9}) {
    EXPECT_TRUE(s_.aktiv[kind]) << "kind " << kind;
    EXPECT_TRUE(s_.merk[kind]) << "kind " << kind;
  }
  for (int kind : {0, 6, 8}) {
    EXPECT_FALSE(s_.aktiv[kind]) << "kind " << kind;
    EXPECT_FALSE(s_.merk[kind]) << "kind " << kind;
  }
}

TEST_P(SwitchesTest, TwoRowsValidTodayCannotBeReadAndClearBothFlags) {
  addRow(2, -5, 5, 1, 1);
  addRow(2, -3, 3, 1, 1);
  s_ = NzpLaden();
  EXPECT_FALSE(s_.aktiv[2]);
  EXPECT_FALSE(s_.merk[2]);
}

TEST_P(SwitchesTest, ReloadingFollowsAChangedRow) {
  addRow(5, -1, 1, 1, 1);
  s_ = NzpLaden();
  ASSERT_TRUE(s_.aktiv[5]);
  ASSERT_EQ(0, testdb::Exec("delete from Kvs591Nzp where NzpAkz=5"));
  s_ = NzpLaden();
  EXPECT_FALSE(s_.aktiv[5]);
  EXPECT_FALSE(s_.merk[5]);
}

INSTANTIATE_DB_TEST(SwitchesTest);

}  // namespace
