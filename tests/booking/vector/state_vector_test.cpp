// The state vector of one booked object: creation, transitions, deletion,
// refused codes and the flags each booking keeps.
#include <gtest/gtest.h>

#include "db/tables/map.h"
#include "db/engine/session.h"
#include "db_fixture.h"
#include "scenario_support.h"
#include "booking/vector/state_vector.h"
#include "fault_injection.h"

namespace {

using scenario::Flags;
using scenario::LogCapture;

class StateVectorTest : public DbTest {};

constexpr const char* kApl = "WP10      ";
constexpr const char* kApk = "ORDER-1     ";
constexpr const char* kApp = "00010";
constexpr const char* kPnr = "00001001";

MelSatz Booking(const char* msk, const char* objTyp, std::int32_t bnr, const char* time = "080000") {
  MelSatz mel;
  mel.KeyBnr = bnr;
  mel.MelMsk = msk;
  mel.ObjTyp = objTyp;
  mel.KeyApl = kApl;
  mel.KeyApk = kApk;
  mel.KeyApp = kApp;
  mel.KeyPnr = kPnr;
  mel.KeyDat = "20261207";
  mel.KeyUhr = time;
  mel.KeyUbg = "    ";
  mel.KeyTnr = "PART-4711";
  mel.MelErf = "MldToNza";
  return mel;
}

MelSatz Booked(MelSatz mel) {
  AktiveZstd_Aktual(&mel);
  return mel;
}

std::optional<MapSatz> OrderVector() { return scenario::Vector("M_A", kApl, kApk, kApp, "00000000"); }
std::optional<MapSatz> PersonVector() { return scenario::Vector("MPA", kApl, kApk, kApp, kPnr); }

std::string AllSixteen(const MelSatz& mel) {
  std::string s;
  for (const auto* f : {&mel.Sts00E, &mel.Sts00R, &mel.Sts00A, &mel.Sts00U, &mel.Sts00S, &mel.Sts006, &mel.Sts007,
                        &mel.Sts008, &mel.Sts009, &mel.Sts010, &mel.Sts011, &mel.Sts012, &mel.Sts013, &mel.Sts014,
                        &mel.Sts015, &mel.Sts016})
    s += f->str();
  return s;
}

TEST_P(StateVectorTest, StartCodesCreateTheirFlags) {
  struct Case {
    const char* msk;
    const char* flags;
  };
  const Case cases[] = {{"AS", "10001"}, {"FS", "10001"}, {"BS", "10010"},
                        {"MA", "10000"}, {"RB", "11000"}, {"AB", "10100"}};
  std::int32_t bnr = 1;
  for (const Case& c : cases) {
    MelSatz mel = Booked(Booking(c.msk, "M_A", bnr++));
    EXPECT_EQ(0, mel.MelFnr) << c.msk;
    EXPECT_EQ(c.flags, Flags(mel)) << c.msk;
    auto v = OrderVector();
    ASSERT_TRUE(v) << c.msk;
    EXPECT_EQ(c.flags, Flags(*v)) << c.msk;
    EXPECT_EQ("1", v->MapSts.str()) << c.msk;
    EXPECT_EQ(std::string(11, '0'), AllSixteen(mel).substr(5)) << c.msk;
    ASSERT_EQ(0, Map_PKeyDel(&*v));
  }
}

TEST_P(StateVectorTest, ANewRowCarriesTheBookingsStamp) {
  MelSatz mel = Booking("RB", "M_A", 41, "061500");
  mel.KeyUbg = "0007";
  Booked(mel);
  auto v = OrderVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("20261207", v->MapMdt.str());
  EXPECT_EQ("061500", v->MapMzt.str());
  EXPECT_EQ(41, v->MapBnr);
  EXPECT_EQ("MldToNza", v->MapErf.str());
  EXPECT_EQ("0007", v->MapUbg.str());
  EXPECT_EQ("PART-4711", v->MapTnr.str());
}

TEST_P(StateVectorTest, OtherCodesCreateAnInactiveRowWithoutFlags) {
  MelSatz mel = Booked(Booking("ZM", "M_A", 1));
  EXPECT_EQ(0, mel.MelFnr);
  auto v = OrderVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("00000", Flags(*v));
  EXPECT_EQ("0", v->MapSts.str());
}

TEST_P(StateVectorTest, SetUpTwiceIsRefusedButMovesTheTimeStamp) {
  Booked(Booking("RB", "M_A", 1, "060000"));
  MelSatz second = Booked(Booking("RB", "M_A", 2, "070000"));
  EXPECT_EQ(5003, second.MelFnr);
  EXPECT_EQ("11000", Flags(second));
  auto v = OrderVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("11000", Flags(*v));
  EXPECT_EQ("1", v->MapSts.str());
  EXPECT_EQ("070000", v->MapMzt.str());
  EXPECT_EQ(2, v->MapBnr);
}

TEST_P(StateVectorTest, SetUpOnAnInactiveRowSwitchesItOn) {
  Booked(Booking("ZM", "M_A", 1));
  MelSatz mel = Booked(Booking("RB", "M_A", 2));
  EXPECT_EQ(0, mel.MelFnr);
  EXPECT_EQ("01000", Flags(mel));  // the row was created without Map00E
  EXPECT_EQ("1", OrderVector()->MapSts.str());
  MelSatz work = Booked(Booking("AB", "M_A", 3));
  EXPECT_EQ(5003, work.MelFnr);  // already active now
  EXPECT_EQ("01000", Flags(work));
}

TEST_P(StateVectorTest, StartCodesOnAnActiveObjectAreRefusedButStillWritten) {
  for (const char* msk : {"BS", "AS", "MA", "PA"}) {
    Booked(Booking("RB", "M_A", 1));
    MelSatz mel = Booked(Booking(msk, "M_A", 2, "090000"));
    EXPECT_EQ(5003, mel.MelFnr) << msk;
    EXPECT_EQ("11000", Flags(mel)) << msk;
    auto v = OrderVector();
    ASSERT_TRUE(v);
    EXPECT_EQ("090000", v->MapMzt.str()) << msk;
    ASSERT_EQ(0, Map_PKeyDel(&*v));
  }
}

TEST_P(StateVectorTest, EndCodeDeletesTheRowAndTheBookingKeepsTheEndedState) {
  Booked(Booking("AB", "M_A", 1));
  MelSatz end = Booked(Booking("AE", "M_A", 2));
  EXPECT_EQ(0, end.MelFnr);
  EXPECT_EQ("10100", Flags(end));
  EXPECT_EQ("1", end.Sts00A.str());
  EXPECT_FALSE(OrderVector());
}

TEST_P(StateVectorTest, EveryEndCodeDeletes) {
  for (const char* msk : {"AF", "FF", "ES", "ME", "AE", "RE", "PE"}) {
    Booked(Booking("MA", "M_A", 1));
    MelSatz end = Booked(Booking(msk, "M_A", 2));
    EXPECT_EQ(0, end.MelFnr) << msk;
    EXPECT_EQ("10000", Flags(end)) << msk;
    EXPECT_FALSE(OrderVector()) << msk;
  }
}

TEST_P(StateVectorTest, CodesThatNeedAnActiveObjectAreRefusedWithoutARow) {
  for (const char* msk : {"AE", "PE", "PW", "PU", "AW", "AU", "RE", "ES", "AF", "FF", "ME"}) {
    MelSatz mel = Booked(Booking(msk, "M_A", 1));
    EXPECT_EQ(5002, mel.MelFnr) << msk;
    EXPECT_EQ(std::string(16, '0'), AllSixteen(mel)) << msk;
    EXPECT_EQ(0, scenario::VectorCount()) << msk;
  }
}

TEST_P(StateVectorTest, InterruptAndResume) {
  Booked(Booking("AB", "M_A", 1));
  MelSatz au = Booking("AU", "M_A", 2);
  au.KeyUbg = "0012";
  au.KeyTnr = "PART-NEW";
  au = Booked(au);
  EXPECT_EQ(0, au.MelFnr);
  EXPECT_EQ("10110", Flags(au));
  auto v = OrderVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("0", v->MapSts.str());
  EXPECT_EQ("0012", v->MapUbg.str());
  EXPECT_EQ("PART-NEW", v->MapTnr.str());

  MelSatz again = Booking("AU", "M_A", 3);
  again.KeyUbg = "0033";
  again = Booked(again);
  EXPECT_EQ(0, again.MelFnr);
  EXPECT_EQ("1", OrderVector()->Map00U.str());
  EXPECT_EQ("0033", OrderVector()->MapUbg.str());

  MelSatz aw = Booked(Booking("AW", "M_A", 4));
  EXPECT_EQ("10100", Flags(aw));
  v = OrderVector();
  EXPECT_EQ("1", v->MapSts.str());
  EXPECT_EQ("0000", v->MapUbg.str());
}

TEST_P(StateVectorTest, PersonInterruptAndResume) {
  Booked(Booking("MA", "MPA", 1));
  MelSatz pu = Booking("PU", "MPA", 2);
  pu.KeyUbg = "0005";
  pu = Booked(pu);
  EXPECT_EQ("10010", Flags(pu));
  EXPECT_EQ("0005", PersonVector()->MapUbg.str());
  EXPECT_EQ("0", PersonVector()->MapSts.str());
  MelSatz pw = Booked(Booking("PW", "MPA", 3));
  EXPECT_EQ("10000", Flags(pw));
  EXPECT_EQ("0000", PersonVector()->MapUbg.str());
  EXPECT_EQ("1", PersonVector()->MapSts.str());
}

TEST_P(StateVectorTest, LogOnWithoutWorkPlaceOrderIsRefused) {
  LogCapture log;
  MelSatz pa = Booked(Booking("PA", "MPA", 1));
  EXPECT_EQ(5005, pa.MelFnr);
  EXPECT_EQ("10000", Flags(pa));
  EXPECT_EQ(std::string(11, '0'), AllSixteen(pa).substr(5));
  EXPECT_EQ(0, scenario::VectorCount());
  EXPECT_EQ(1, log.Count("Upd_Vektor", "Map_PKeyReadk"));
}

TEST_P(StateVectorTest, LogOnTakesOverTheWorkPlaceOrdersFlags) {
  Booked(Booking("RB", "M_A", 1));
  MelSatz pa = Booked(Booking("PA", "MPA", 2));
  EXPECT_EQ(0, pa.MelFnr);
  EXPECT_EQ("11000", Flags(pa));
  auto v = PersonVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("11000", Flags(*v));
  EXPECT_EQ("0", v->MapSts.str());
}

TEST_P(StateVectorTest, LogOnToAnInterruptedOrderStartsInterrupted) {
  Booked(Booking("AB", "M_A", 1));
  Booked(Booking("AU", "M_A", 2));
  MelSatz pa = Booked(Booking("PA", "MPA", 3));
  EXPECT_EQ(0, pa.MelFnr);
  EXPECT_EQ("1", pa.Sts00U.str());
  auto v = PersonVector();
  ASSERT_TRUE(v);
  EXPECT_EQ("1", v->Map00U.str());
  EXPECT_EQ("0", v->MapSts.str());
}

TEST_P(StateVectorTest, KeysByObjectKind) {
  Booked(Booking("MA", "M__", 1));
  EXPECT_TRUE(scenario::Vector("M__", kApl, "000000000000", "00000", "00000000"));
  Booked(Booking("MA", "MP_", 2));
  EXPECT_TRUE(scenario::Vector("MP_", kApl, "000000000000", "00000", kPnr));
  Booked(Booking("MA", "__A", 3));
  EXPECT_TRUE(scenario::Vector("__A", "0000000000", kApk, kApp, "00000000"));
  Booked(Booking("MA", "MPA", 4));
  EXPECT_TRUE(scenario::Vector("MPA", kApl, kApk, kApp, kPnr));
  Booked(Booking("MA", "M_A", 5));
  EXPECT_TRUE(OrderVector());
  EXPECT_EQ(5, scenario::VectorCount());
}

TEST_P(StateVectorTest, BookingWithoutObjectKindLeavesTheVectorsAlone) {
  for (std::int32_t bnr = 1; bnr <= 2; ++bnr) {
    MelSatz mel = Booking("RB", "", bnr);
    mel.KeyApl = mel.KeyApk = mel.KeyApp = "";
    mel = Booked(mel);
    EXPECT_EQ(0, mel.MelFnr);
    EXPECT_EQ(std::string(16, '0'), AllSixteen(mel));
  }
  EXPECT_EQ(0, scenario::VectorCount());
}

TEST_P(StateVectorTest, FailedReadIsLoggedAndMarked) {
  Booked(Booking("AB", "M_A", 1));
  LogCapture log;
  testdb::FaultInjection faults;
  faults.FailRoutine("Map_PKeyReadk");
  MelSatz mel = Booked(Booking("AU", "M_A", 2));
  faults.Clear();
  EXPECT_EQ(5013, mel.MelFnr);
  EXPECT_EQ(std::string(16, '0'), AllSixteen(mel));
  EXPECT_EQ(1, log.Count("AktiveZstd_Aktual", "Map_PKeyReadk"));
  EXPECT_EQ("0", OrderVector()->Map00U.str());
}

TEST_P(StateVectorTest, FailedInsertIsLoggedAndMarked) {
  LogCapture log;
  testdb::FaultInjection faults;
  faults.FailRoutine("Map_PKeyIns");
  MelSatz mel = Booked(Booking("RB", "M_A", 1));
  faults.Clear();
  EXPECT_EQ(5001, mel.MelFnr);
  EXPECT_EQ("11000", Flags(mel));  // the vector as built
  EXPECT_EQ(1, log.Count("Not_AktivZusatand", "Map_PKeyIns"));
  EXPECT_EQ(0, scenario::VectorCount());
}

TEST_P(StateVectorTest, FailedUpdateKeepsTheRowAsRead) {
  Booked(Booking("AB", "M_A", 1));
  LogCapture log;
  testdb::FaultInjection faults;
  faults.FailRoutine("Map_PKeyUpd");
  MelSatz mel = Booked(Booking("AU", "M_A", 2));
  faults.Clear();
  EXPECT_EQ(5001, mel.MelFnr);
  EXPECT_EQ("10100", Flags(mel));
  EXPECT_EQ(1, log.Count("Yes_AktivZusatand", "Map_PKeyUpd"));
}

TEST_P(StateVectorTest, FailedDeleteIsLoggedAndMarked) {
  Booked(Booking("AB", "M_A", 1));
  LogCapture log;
  testdb::FaultInjection faults;
  faults.FailRoutine("Map_PKeyDel");
  MelSatz mel = Booked(Booking("AE", "M_A", 2));
  faults.Clear();
  EXPECT_EQ(5001, mel.MelFnr);
  EXPECT_EQ("10100", Flags(mel));
  EXPECT_EQ(1, log.Count("Yes_AktivZusatand", "Map_PKeyDel"));
  EXPECT_TRUE(OrderVector());
}

INSTANTIATE_DB_TEST(StateVectorTest);

}  // namespace
