// The special booking "Z01": a time per unit recomputes an operation's
// target time and goes to the planning system, nothing else is booked.
#include <gtest/gtest.h>

#include "booking/special_booking.h"
#include "db_fixture.h"
#include "scenario_support.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";

class SpecialScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
    AppSatz op = ReadOperation(kOrder, "00010");
    op.AppStr = 1.30;
    op.AppSme = 10;
    ASSERT_EQ(0, App_PKeyUpd(&op));
  }
};

std::string Special(const Worker& w, std::string_view pnr, std::string_view app, double value) {
  return Telegram("Z01", kDay, "101500", SpecialData(w.badge, pnr, kOrder, app, kWp, value));
}

TEST_P(SpecialScenario, TimePerUnitGivesTheTargetTime) {
  Book(Special(kAnna, "00000000", "00010", 0.15));
  AppSatz op = ReadOperation(kOrder, "00010");
  EXPECT_NEAR(4.00, op.AppSza, 1e-9);
  EXPECT_EQ("v", op.AppZf1.str());
  EXPECT_EQ("MldToNza", op.AppErf.str());

  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(1u, uploads.size());
  const PpsSatz& p = uploads[0];
  EXPECT_EQ("SZ", p.PpsFcd.str());
  EXPECT_EQ(0, p.PpsSts);
  EXPECT_EQ(kAnna.pnr, p.PpsPnr.view());
  EXPECT_EQ(kAnna.badge, p.PpsAwn.view());
  EXPECT_EQ(kOrder, p.PpsApk.view());
  EXPECT_EQ("00010", p.PpsApp.str());
  EXPECT_EQ(kWp, p.PpsApl.view());
  EXPECT_EQ("0000", p.PpsUbg.str());
  EXPECT_EQ("0000", p.PpsAug.str());
  EXPECT_NEAR(0.15, p.PpsZt1, 1e-9);
  EXPECT_EQ(kDay, p.PpsMdt.view());
  EXPECT_EQ("101500", p.PpsMzt.str());

  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(0, testdb::CountRows("Kvs565Map"));
  EXPECT_EQ(0, testdb::CountRows("Kvs563Mrk"));
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs552Bnr where BnrKey='MELNR'"));
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
}

TEST_P(SpecialScenario, UnassignedBadgeKeepsTheTelegramsPerson) {
  Book(Special(Worker{"", kUnknownBadge}, "00007777", "00010", 0.15));
  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(1u, uploads.size());
  EXPECT_EQ("00007777", uploads[0].PpsPnr.str());
  EXPECT_EQ(kUnknownBadge, uploads[0].PpsAwn.view());
  EXPECT_NEAR(4.00, ReadOperation(kOrder, "00010").AppSza, 1e-9);
}

TEST_P(SpecialScenario, SingleDigitTimeValueAddsNothing) {
  Book(Telegram("Z01", kDay, "101500",
                Fixed(kAnna.badge, 8) + "00000000" + std::string(kOrder) + "00010" + std::string(kWp) + "000000005"));
  EXPECT_NEAR(1.30, ReadOperation(kOrder, "00010").AppSza, 1e-9);
}

TEST_P(SpecialScenario, UnknownOperationEndsTheSpecialBooking) {
  LogCapture log;
  Book(Special(kAnna, "00000000", "00099", 0.15));
  EXPECT_EQ(1, log.Count("Sonderbuchung", "App_PKeyReadk"));
  EXPECT_TRUE(Uploads().empty());
}

TEST_P(SpecialScenario, OtherSecondClassCodesAreConsumedWithoutEffect) {
  LoadFunctionCodes({FunctionCode("Z02", "SZ", 1, 0, 2)});
  LogCapture log;
  Book(Telegram("Z02", kDay, "101500", SpecialData(kAnna.badge, "00000000", kOrder, "00010", kWp, 0.15)));
  EXPECT_TRUE(Uploads().empty());
  EXPECT_NEAR(0, ReadOperation(kOrder, "00010").AppSza, 1e-9);
  EXPECT_EQ("", log.Text());
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
}

TEST(SpecialTargetTime, MinutesAreNotLostToRounding) {
  EXPECT_NEAR(4.00, TargetTime(1.30, 0.15, 10), 1e-9);
  // 1.13 is 112.999... hundredths in binary; still 73 minutes.
  EXPECT_NEAR(1.13, TargetTime(1.13, 0, 0), 1e-9);
  EXPECT_NEAR(2.26, TargetTime(0, 1.13, 2), 1e-9);
  // A fraction of a minute is cut.
  EXPECT_NEAR(0.17, TargetTime(0, 0.07, 2.5), 1e-9);
  EXPECT_NEAR(90, HoursMinutesToMinutes(1.30), 1e-9);
  EXPECT_NEAR(2.05, MinutesToHoursMinutes(125), 1e-9);
}

INSTANTIATE_DB_TEST(SpecialScenario);

}  // namespace
