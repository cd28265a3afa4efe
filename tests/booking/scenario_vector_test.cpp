// Telegrams that move state vectors, fed through the receive queue: refused
// codes, ended states, person log-ons to missing and interrupted orders.
#include <gtest/gtest.h>

#include "db_fixture.h"
#include "scenario_support.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";

class VectorScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
  }
};

TEST_P(VectorScenario, SetUpTwiceIsRefusedAndStillMovesTheTimeStamp) {
  Book(OrderTelegram("A01", "060000", kAnna, kOrder, "00010"));
  MelSatz first = LastTelegramBooking();
  EXPECT_EQ(0, first.MelFnr);
  EXPECT_EQ("11000", Flags(first));

  Book(OrderTelegram("A01", "063000", kAnna, kOrder, "00010"));
  MelSatz second = LastTelegramBooking();
  EXPECT_EQ(5003, second.MelFnr);
  EXPECT_EQ("11000", Flags(second));
  auto v = WorkPlaceOrderVector(kWp, kOrder, "00010");
  ASSERT_TRUE(v);
  EXPECT_EQ("11000", Flags(*v));
  EXPECT_EQ("063000", v->MapMzt.str());
  EXPECT_EQ(kDay, v->MapMdt.view());
  EXPECT_EQ(second.KeyBnr, v->MapBnr);
}

TEST_P(VectorScenario, WorkEndKeepsTheEndedFlagsOnTheBooking) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 10, '0'));
  MelSatz end = LastTelegramBooking();
  EXPECT_EQ("AE", end.MelMsk.str());
  EXPECT_EQ(0, end.MelFnr);
  EXPECT_EQ("10100", Flags(end));
  EXPECT_EQ("1", end.Sts00A.str());
  EXPECT_FALSE(WorkPlaceOrderVector(kWp, kOrder, "00010"));
}

TEST_P(VectorScenario, WorkEndWithoutActiveOrderIsRefused) {
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 10, '0'));
  MelSatz end = LastTelegramBooking();
  EXPECT_EQ(5002, end.MelFnr);
  EXPECT_EQ("00000", Flags(end));
  EXPECT_EQ("0", end.Sts016.str());
  EXPECT_EQ(0, VectorCount());
}

TEST_P(VectorScenario, LogOnWithoutWorkPlaceOrderIsRefused) {
  LogCapture log;
  Book(OrderTelegram("P05", "070000", kBen, kOrder, "00010"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(1u, booked.size());  // nothing generated: the person is not interrupted
  EXPECT_EQ(5005, booked[0].MelFnr);
  EXPECT_EQ("10000", Flags(booked[0]));
  EXPECT_FALSE(PersonOrderVector(kWp, kOrder, "00010", kBen.pnr));
  EXPECT_EQ(1, log.Count("Upd_Vektor", "Map_PKeyReadk"));
}

TEST_P(VectorScenario, LogOnToAnInterruptedOrderStartsInterruptedAndAddsAPersonInterruption) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(InterruptTelegram("080000", kAnna, kOrder, "00010", "0042"));
  Book(OrderTelegram("P05", "081500", kBen, kOrder, "00010"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(2u, booked.size());
  const MelSatz& pa = booked[0];
  EXPECT_EQ(0, pa.MelFnr);
  EXPECT_EQ("1", pa.Sts00U.str());
  auto v = PersonOrderVector(kWp, kOrder, "00010", kBen.pnr);
  ASSERT_TRUE(v);
  EXPECT_EQ("1", v->Map00U.str());
  EXPECT_EQ("0", v->MapSts.str());

  const MelSatz& pu = booked[1];
  EXPECT_EQ(1, pu.KeyLfn);
  EXPECT_EQ("PU", pu.MelMsk.str());
  EXPECT_EQ("P06", pu.MelFcd.str());
  EXPECT_EQ("MPA", pu.ObjTyp.str());
  EXPECT_EQ("02", pu.KeySek.str());
  EXPECT_EQ("0042", pu.KeyUbg.str());
  EXPECT_EQ("MldGen", pu.MelErf.str());
  EXPECT_EQ(kBen.pnr, pu.KeyPnr.view());
}

TEST_P(VectorScenario, SetUpByAnUnknownPersonLogsOnTheWorkPlacesPersons) {
  Book(PersonTelegram("P01", "055000", kBen));
  Book(PersonTelegram("P01", "055500", kCara));
  Book(OrderTelegram("A01", "060000", Worker{"", kUnknownBadge}, kOrder, "00010"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(3u, booked.size());
  EXPECT_EQ("99999999", booked[0].KeyPnr.str());
  EXPECT_EQ(6001, booked[0].MelFnr);
  EXPECT_EQ("11000", Flags(booked[0]));
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(k, booked[k].KeyLfn);
    EXPECT_EQ("PA", booked[k].MelMsk.str());
    EXPECT_EQ("P05", booked[k].MelFcd.str());
    EXPECT_EQ("    ", booked[k].KeyUbg.str());
    EXPECT_EQ("11000", Flags(booked[k]));
  }
  EXPECT_EQ(kBen.pnr, booked[1].KeyPnr.view());
  EXPECT_EQ(kCara.pnr, booked[2].KeyPnr.view());
  // The unknown person's own vector is still moved.
  EXPECT_TRUE(PersonOrderVector(kWp, kOrder, "00010", "99999999"));
  EXPECT_TRUE(PersonOrderVector(kWp, kOrder, "00010", kBen.pnr));
  EXPECT_TRUE(PersonOrderVector(kWp, kOrder, "00010", kCara.pnr));
}

TEST_P(VectorScenario, SetUpByAPersonOfTheWorkPlaceLogsItOnTwice) {
  Book(PersonTelegram("P01", "055000", kAnna));
  Book(OrderTelegram("A01", "060000", kAnna, kOrder, "00010"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(3u, booked.size());
  EXPECT_EQ(0, booked[1].MelFnr);
  EXPECT_EQ(kAnna.pnr, booked[1].KeyPnr.view());
  EXPECT_EQ(5003, booked[2].MelFnr);
  EXPECT_EQ(kAnna.pnr, booked[2].KeyPnr.view());
}

TEST_P(VectorScenario, CodeWithoutDecoderLeavesTheVectorsAlone) {
  LoadFunctionCodes({FunctionCode("X01", "RB", 0, 0)});
  Book(Telegram("X01", kDay, "070000", OrderData(kAnna.badge, kOrder, "00010", kWp)));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(1u, booked.size());
  EXPECT_EQ("", booked[0].ObjTyp.str());
  EXPECT_EQ(0, booked[0].MelFnr);
  EXPECT_EQ("00000", Flags(booked[0]));
  EXPECT_EQ(0, VectorCount());
}

INSTANTIATE_DB_TEST(VectorScenario);

}  // namespace
