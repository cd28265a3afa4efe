// The generators called directly on prepared vectors: running numbers,
// error numbers carried from booking to booking, and failure logging.
#include <gtest/gtest.h>

#include "db/tables/map.h"
#include "db/tables/mel.h"
#include "db_fixture.h"
#include "scenario_support.h"
#include "booking/vector/generate.h"

namespace {

using scenario::LogCapture;

class GenerateTest : public DbTest {};

constexpr const char* kApl = "WP00000010";
constexpr const char* kNoPerson = "00000000";

MapSatz VectorOf(const char* obj, const char* apk, const char* app, const char* pnr, const char* flags) {
  MapSatz map;
  map.MapObj = obj;
  map.MapApl = kApl;
  map.MapApk = apk;
  map.MapApp = app;
  map.MapPnr = pnr;
  FixedText<2> MapSatz::* const order[] = {&MapSatz::Map00E, &MapSatz::Map00R, &MapSatz::Map00A, &MapSatz::Map00U,
                                           &MapSatz::Map00S};
  for (int k = 0; k < 5; ++k) map.*order[k] = std::string(1, flags[k]);
  for (auto f : {&MapSatz::Map006, &MapSatz::Map007, &MapSatz::Map008, &MapSatz::Map009, &MapSatz::Map010,
                 &MapSatz::Map011, &MapSatz::Map012, &MapSatz::Map013, &MapSatz::Map014, &MapSatz::Map015,
                 &MapSatz::Map016})
    map.*f = "0";
  map.MapSts = flags[3] == '1' ? "0" : "1";
  map.MapUbg = "0000";
  map.MapMdt = "20261207";
  map.MapMzt = "060000";
  map.MapErf = "MldToNza";
  map.MapBnr = 1;
  return map;
}

void Put(const MapSatz& map) { ASSERT_EQ(0, Map_PKeyIns(&map)); }

MelSatz Trigger(const char* msk, const char* objTyp, const char* apk, const char* app) {
  MelSatz mel;
  mel.KeyBnr = 7;
  mel.MelMsk = msk;
  mel.ObjTyp = objTyp;
  mel.KeyApl = kApl;
  mel.KeyApk = apk;
  mel.KeyApp = app;
  mel.KeyPnr = "00001001";
  mel.KeyDat = "20261207";
  mel.KeyUhr = "090000";
  mel.KeySek = "01";
  mel.KeyUbg = "0099";
  mel.MelErf = "MldToNza";
  return mel;
}

TEST_P(GenerateTest, WorkPlaceInterruptionNumbersAcrossOrdersAndPersons) {
  for (const char* apk : {"ORD000000001", "ORD000000002"}) {
    Put(VectorOf("M_A", apk, "00010", kNoPerson, "10100"));
    Put(VectorOf("MPA", apk, "00010", "00001001", "10100"));
    Put(VectorOf("MPA", apk, "00010", "00001002", "10100"));
  }
  MldGen(Trigger("BS", "M__", "", ""));
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(6u, booked.size());
  const char* expected[] = {"AU", "PU", "PU", "AU", "PU", "PU"};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(k + 1, booked[k].KeyLfn);
    EXPECT_EQ(expected[k], booked[k].MelMsk.str());
    EXPECT_EQ("MldGen", booked[k].MelErf.str());
    EXPECT_EQ("0099", booked[k].KeyUbg.str());
  }
  EXPECT_EQ("ORD000000002", booked[3].KeyApk.str());
  EXPECT_EQ("00001002", booked[5].KeyPnr.str());
  EXPECT_EQ(2u, scenario::Uploads().size());
}

TEST_P(GenerateTest, GeneratedBookingsCarryTheTriggersErrorNumber) {
  Put(VectorOf("M_A", "ORD000000001", "00010", kNoPerson, "10100"));
  Put(VectorOf("MPA", "ORD000000001", "00010", "00001001", "10100"));
  MelSatz trigger = Trigger("AU", "M_A", "ORD000000001", "00010");
  trigger.MelFnr = 6001;
  MldGen(trigger);
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(1u, booked.size());
  EXPECT_EQ(6001, booked[0].MelFnr);
}

TEST_P(GenerateTest, AnEarlierRefusalIsCarriedToTheNextPerson) {
  Put(VectorOf("M_A", "ORD000000001", "00010", kNoPerson, "11000"));
  // Person 1002 is logged on already, person 1003 not.
  Put(VectorOf("MP_", "000000000000", "00000", "00001002", "10000"));
  Put(VectorOf("MP_", "000000000000", "00000", "00001003", "10000"));
  Put(VectorOf("MPA", "ORD000000001", "00010", "00001002", "11000"));
  MldGen(Trigger("RB", "M_A", "ORD000000001", "00010"));
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(3u, booked.size());
  EXPECT_EQ(0, booked[0].MelFnr);     // the booking's own person
  EXPECT_EQ(5003, booked[1].MelFnr);  // 1002: already on
  EXPECT_EQ(5003, booked[2].MelFnr);  // 1003: carried over
  EXPECT_TRUE(scenario::PersonOrderVector(kApl, "ORD000000001", "00010", "00001003"));
}

TEST_P(GenerateTest, FailedInsertIsLoggedAndTheGeneratorGoesOn) {
  Put(VectorOf("M_A", "ORD000000001", "00010", kNoPerson, "10100"));
  Put(VectorOf("MPA", "ORD000000001", "00010", "00001001", "10100"));
  Put(VectorOf("MPA", "ORD000000001", "00010", "00001002", "10100"));
  MelSatz taken = Trigger("XX", "M_A", "ORD000000001", "00010");
  taken.KeyLfn = 1;
  ASSERT_EQ(0, Mel_PKeyIns(&taken));
  LogCapture log;
  MldGen(Trigger("AU", "M_A", "ORD000000001", "00010"));
  EXPECT_EQ(1, log.Count("Generieren_AU", "Fehler bei Mel_PKeyIns"));
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(2u, booked.size());
  EXPECT_EQ("XX", booked[0].MelMsk.str());
  EXPECT_EQ("PU", booked[1].MelMsk.str());
  EXPECT_EQ("00001002", booked[1].KeyPnr.str());
  // Both persons' vectors moved, the first one's booking is what got lost.
  EXPECT_EQ("1", scenario::PersonOrderVector(kApl, "ORD000000001", "00010", "00001001")->Map00U.str());
}

TEST_P(GenerateTest, LogOnToInterruptionWithoutOrderVectorLeavesTheReasonEmpty) {
  LogCapture log;
  MelSatz pa = Trigger("PA", "MPA", "ORD000000001", "00010");
  pa.Sts00U = "1";
  MldGen(pa);
  EXPECT_EQ(1, log.Count("Map_PKeyReadk", "Fehler bei Lesen MapSatz"));
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(1u, booked.size());
  EXPECT_EQ("PU", booked[0].MelMsk.str());
  EXPECT_EQ("", booked[0].KeyUbg.str());
  EXPECT_EQ("MPA", booked[0].ObjTyp.str());
}

TEST_P(GenerateTest, CodesWithoutGeneratorGenerateNothing) {
  Put(VectorOf("M_A", "ORD000000001", "00010", kNoPerson, "10100"));
  Put(VectorOf("MPA", "ORD000000001", "00010", "00001001", "10100"));
  for (const char* msk : {"ZM", "PU", "PW", "MA", "ME", "AS", "FS", "AF", "FF", ""})
    MldGen(Trigger(msk, "M_A", "ORD000000001", "00010"));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
}

TEST_P(GenerateTest, ResumeOfWorkPlaceLeavesOwnInterruptionsAlone) {
  Put(VectorOf("M_A", "ORD000000001", "00010", kNoPerson, "10111"));  // interrupted by the work place
  Put(VectorOf("M_A", "ORD000000002", "00010", kNoPerson, "10110"));  // interrupted on its own
  MldGen(Trigger("ES", "M__", "", ""));
  std::vector<MelSatz> booked = scenario::BookingsOf(7);
  ASSERT_EQ(1u, booked.size());
  EXPECT_EQ("ORD000000001", booked[0].KeyApk.str());
  EXPECT_EQ("10100", scenario::Flags(booked[0]));
  EXPECT_EQ("1", scenario::Vector("M_A", kApl, "ORD000000002", "00010", kNoPerson)->Map00U.str());
}

INSTANTIATE_DB_TEST(GenerateTest);

}  // namespace
