// Period rows from single bookings: the shift that contains the start (also
// across midnight), a work place without any shift model, a start booked
// twice, and ends whose start is missing.
#include <gtest/gtest.h>

#include "analysis/nzs/nzs.h"
#include "db_fixture.h"
#include "nzs_floor.h"

namespace {

using namespace nzs_floor;

class NzsPeriodRowsTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShiftFloor();
  }

  static NzaSatz OnlyRow(const char* pnr) {
    std::vector<NzaSatz> rows = Periods(1, pnr);
    EXPECT_EQ(1u, rows.size()) << pnr;
    return rows.empty() ? NzaSatz() : rows[0];
  }
};

TEST_P(NzsPeriodRowsTest, StartTakesTheShiftThatContainsIt) {
  Nza_ArbeitBeginn(Booking(1, "P05", "PA", kDay, "233000", "00002001"), false);
  Nza_ArbeitBeginn(Booking(2, "P05", "PA", kDay, "020000", "00002002"), false);  // in the night from yesterday
  Nza_ArbeitBeginn(Booking(3, "P05", "PA", kDay, "080000", "00002003"), false);
  Nza_ArbeitBeginn(Booking(4, "P05", "PA", kDay, "150000", "00002004"), false);  // between the shifts
  EXPECT_EQ("NIGHT", OnlyRow("00002001").NzaEmo.view());
  EXPECT_EQ("NIGHT", OnlyRow("00002002").NzaEmo.view());
  EXPECT_EQ("          ", OnlyRow("00002004").NzaEmo.view());

  NzaSatz early = OnlyRow("00002003");
  EXPECT_EQ("EARLY", early.NzaEmo.view());
  EXPECT_EQ("20261207080000", Start(early));
  EXPECT_EQ("", End(early));
  EXPECT_EQ("PA", early.NzaBmk.view());
  EXPECT_EQ("  ", early.NzaEmk.view());
  EXPECT_EQ(0, early.NzaEnd);
  EXPECT_EQ(1, early.NzaBeg);
  EXPECT_EQ(3, early.NzaBbn);
  EXPECT_EQ(3, early.NzaRau);
  EXPECT_EQ(2, early.NzaPzm);  // not in the person table: shift model
  EXPECT_EQ(0, early.NzaFnr);
  EXPECT_EQ("MldToNza", early.NzaErf.view());

  // The same start booked again marks the row it finds.
  Nza_ArbeitBeginn(Booking(3, "P05", "PA", kDay, "080000", "00002003"), false);
  EXPECT_EQ(5004, OnlyRow("00002003").NzaFnr);
}

TEST_P(NzsPeriodRowsTest, WorkPlaceWithoutShiftModel) {
  AplSatz lone;
  lone.AplApl = "WP9";
  lone.AplApg = "GRP9";
  ASSERT_EQ(0, Apl_PKeyIns(&lone));
  MelSatz start = Booking(1, "P05", "PA", kDay, "080000");
  start.KeyApl = "WP9";
  Nza_ArbeitBeginn(start, false);
  NzaSatz row;
  row.NzaSa = 1;
  row.NzaApl = "WP9";
  row.NzaApk = kApk;
  row.NzaApp = kApp;
  row.NzaPnr = kPnr;
  row.NzaDtm = kDay;
  row.NzaDtmUhr = "080000";
  ASSERT_EQ(0, Nza_PKeyReadk(&row));
  EXPECT_EQ("LMO00.00", row.NzaEmo.view());
  EXPECT_EQ("XXX", row.NzaTtp.view());
  EXPECT_EQ(5007, row.NzaFnr);
  EXPECT_EQ("2026", row.NzaJwo.view());
  EXPECT_EQ(1, row.NzaWtg);
  EXPECT_EQ(341, row.NzaJtg);
  EXPECT_EQ(0, row.NzaMaz);
}

TEST_P(NzsPeriodRowsTest, EndWithoutStartIsCompleted) {
  // In the night shift: the start is the shift's start the evening before.
  MelSatz night = Booking(20, "P08", "PE", kDay, "050000", "00002005");
  Insert(night);
  NzaSatz noStart;
  noStart.NzaSa = 1;
  Nza_ZeileBeenden(night, noStart, false);
  NzaSatz row = OnlyRow("00002005");
  EXPECT_EQ(Day(-1) + "220000", Start(row));
  EXPECT_EQ("20261207050000", End(row));
  EXPECT_EQ("BG", row.NzaBmk.view());
  EXPECT_EQ("PE", row.NzaEmk.view());
  EXPECT_EQ("NIGHT", row.NzaEmo.view());
  EXPECT_EQ(1, row.NzaEnd);
  EXPECT_EQ(0, row.NzaBbn);
  EXPECT_EQ(20, row.NzaEbn);
  EXPECT_EQ(5006, row.NzaFnr);
  MelSatz booked = night;
  ASSERT_EQ(0, Mel_PKeyReadk(&booked));
  EXPECT_EQ(5006, booked.MelFnr);

  // No shift around the end: the day's first second. Fifteen hours from
  // there are more than twelve, so the completed row is cut along the
  // (missing) attendance: it stays and a part of no length marks the end.
  MelSatz afternoon = Booking(21, "P08", "PE", kDay, "150000", "00002006");
  Insert(afternoon);
  NzaSatz noStart2;
  noStart2.NzaSa = 1;
  Nza_ZeileBeenden(afternoon, noStart2, false);
  std::vector<NzaSatz> rows = Periods(1, "00002006");
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ("20261207000001", Start(rows[0]));
  EXPECT_EQ("20261207150000", End(rows[0]));
  EXPECT_EQ(5008, rows[0].NzaFnr);
  EXPECT_EQ("BG", rows[0].NzaBmk.view());
  EXPECT_EQ("20261207150000", Start(rows[1]));
  EXPECT_EQ("20261207150000", End(rows[1]));
  EXPECT_EQ("BG", rows[1].NzaBmk.view());
  EXPECT_EQ("PE", rows[1].NzaEmk.view());
  booked = afternoon;
  ASSERT_EQ(0, Mel_PKeyReadk(&booked));
  EXPECT_EQ(5006, booked.MelFnr);
}

INSTANTIATE_DB_TEST(NzsPeriodRowsTest);

}  // namespace
