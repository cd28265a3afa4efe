// Bookings the worker generates itself: persons interrupted with their
// order, order operations interrupted and resumed with their work place,
// persons resumed when they log off an interrupted order.
#include <gtest/gtest.h>

#include "db/engine/session.h"
#include "db_fixture.h"
#include "intake/receive.h"
#include "scenario_support.h"
#include "fault_injection.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";
constexpr std::string_view kOrder2 = "ORD000000002";
constexpr std::string_view kOrder3 = "ORD000000003";

class GenerateScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
    for (std::string_view apk : {kOrder2, kOrder3}) {
      Insert(Order(apk, 1, 1));
      Insert(Operation(apk, "00010", "00000"));
    }
  }
};

TEST_P(GenerateScenario, InterruptionOfAnOrderInterruptsItsThreePersons) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));  // logs Anna on
  Book(OrderTelegram("P05", "070500", kBen, kOrder, "00010"));
  Book(OrderTelegram("P05", "071000", kCara, kOrder, "00010"));
  Book(InterruptTelegram("090000", kDan, kOrder, "00010", "0017"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(4u, booked.size());
  EXPECT_EQ("AU", booked[0].MelMsk.str());
  const Worker persons[] = {kAnna, kBen, kCara};
  for (int k = 1; k <= 3; ++k) {
    const MelSatz& pu = booked[k];
    EXPECT_EQ(k, pu.KeyLfn);
    EXPECT_EQ(booked[0].KeyBnr, pu.KeyBnr);
    EXPECT_EQ("PU", pu.MelMsk.str());
    EXPECT_EQ("P06", pu.MelFcd.str());
    EXPECT_EQ("MPA", pu.ObjTyp.str());
    EXPECT_EQ("05", pu.KeySek.str());
    EXPECT_EQ("0017", pu.KeyUbg.str());
    EXPECT_EQ("MldGen", pu.MelErf.str());
    EXPECT_EQ(persons[k - 1].pnr, pu.KeyPnr.view());
    EXPECT_EQ("1", pu.Sts00U.str());
    auto v = PersonOrderVector(kWp, kOrder, "00010", persons[k - 1].pnr);
    ASSERT_TRUE(v);
    EXPECT_EQ("1", v->Map00U.str());
    EXPECT_EQ("0017", v->MapUbg.str());
  }
}

TEST_P(GenerateScenario, ResumingAnOrderResumesItsPersons) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(InterruptTelegram("090000", kAnna, kOrder, "00010", "0017"));
  Book(OrderTelegram("A05", "093000", kAnna, kOrder, "00010"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(2u, booked.size());
  EXPECT_EQ("PW", booked[1].MelMsk.str());
  EXPECT_EQ("P07", booked[1].MelFcd.str());
  EXPECT_EQ("95", booked[1].KeySek.str());
  EXPECT_EQ("0000", booked[1].KeyUbg.str());
  EXPECT_EQ("0", PersonOrderVector(kWp, kOrder, "00010", kAnna.pnr)->Map00U.str());
}

TEST_P(GenerateScenario, WorkEndLogsOffItsPersons) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(OrderTelegram("P05", "070500", kBen, kOrder, "00010"));
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 5, '0'));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(3u, booked.size());
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ("PE", booked[k].MelMsk.str());
    EXPECT_EQ("P08", booked[k].MelFcd.str());
    EXPECT_EQ("98", booked[k].KeySek.str());
    EXPECT_EQ("    ", booked[k].KeyUbg.str());
  }
  EXPECT_EQ(0, VectorCount());
}

// Three order operations on the work place, the third interrupted on its own.
void ThreeOperationsOneInterrupted() {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(OrderTelegram("A03", "070100", kBen, kOrder2, "00010"));
  Book(OrderTelegram("A03", "070200", kCara, kOrder3, "00010"));
  Book(InterruptTelegram("080000", kCara, kOrder3, "00010", "0031"));
}

TEST_P(GenerateScenario, WorkPlaceInterruptionInterruptsOnlyRunningOperations) {
  ThreeOperationsOneInterrupted();
  const std::int32_t ownInterruption = WorkPlaceOrderVector(kWp, kOrder3, "00010")->MapBnr;
  const std::size_t uploadsBefore = Uploads().size();
  Book(WorkPlaceTelegram("M03", "090000", kDan, "0099"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(5u, booked.size());
  EXPECT_EQ("BS", booked[0].MelMsk.str());
  EXPECT_EQ(0, booked[0].MelFnr);

  const std::string_view orders[] = {kOrder, kOrder2};
  const Worker persons[] = {kAnna, kBen};
  for (int k = 0; k < 2; ++k) {
    const MelSatz& au = booked[1 + 2 * k];
    EXPECT_EQ(1 + 2 * k, au.KeyLfn);
    EXPECT_EQ("AU", au.MelMsk.str());
    EXPECT_EQ("A04", au.MelFcd.str());
    EXPECT_EQ("M_A", au.ObjTyp.str());
    EXPECT_EQ("01", au.KeySek.str());  // the work-place booking's
    EXPECT_EQ("0099", au.KeyUbg.str());
    EXPECT_EQ(orders[k], au.KeyApk.view());
    EXPECT_EQ("10111", Flags(au));
    EXPECT_EQ(0.0, au.MelGum);
    const MelSatz& pu = booked[2 + 2 * k];
    EXPECT_EQ(2 + 2 * k, pu.KeyLfn);
    EXPECT_EQ("PU", pu.MelMsk.str());
    EXPECT_EQ(orders[k], pu.KeyApk.view());
    EXPECT_EQ(persons[k].pnr, pu.KeyPnr.view());
    EXPECT_EQ("0099", pu.KeyUbg.str());

    auto v = WorkPlaceOrderVector(kWp, orders[k], "00010");
    ASSERT_TRUE(v);
    EXPECT_EQ("10111", Flags(*v));
    EXPECT_EQ("0", v->MapSts.str());
    EXPECT_EQ("0099", v->MapUbg.str());
    EXPECT_EQ(booked[0].KeyBnr, v->MapBnr);
  }
  auto untouched = WorkPlaceOrderVector(kWp, kOrder3, "00010");
  ASSERT_TRUE(untouched);
  EXPECT_EQ(ownInterruption, untouched->MapBnr);
  EXPECT_EQ("10110", Flags(*untouched));
  EXPECT_EQ("0031", untouched->MapUbg.str());

  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(uploadsBefore + 2, uploads.size());
  for (int k = 0; k < 2; ++k) {
    const PpsSatz& p = uploads[uploadsBefore + k];
    EXPECT_EQ("AU", p.PpsFcd.str());
    EXPECT_EQ(4, p.PpsSts);
    EXPECT_EQ(orders[k], p.PpsApk.view());
  }
  auto wp = Vector("M__", kWp, "000000000000", "00000", "00000000");
  ASSERT_TRUE(wp);
  EXPECT_EQ("10010", Flags(*wp));
}

TEST_P(GenerateScenario, EndOfWorkPlaceInterruptionResumesOnlyWhatItInterrupted) {
  ThreeOperationsOneInterrupted();
  Book(WorkPlaceTelegram("M03", "090000", kDan, "0099"));
  const std::size_t uploadsBefore = Uploads().size();
  Book(WorkPlaceTelegram("M04", "100000", kDan, "0000"));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(5u, booked.size());
  EXPECT_EQ("ES", booked[0].MelMsk.str());
  const std::string_view orders[] = {kOrder, kOrder2};
  for (int k = 0; k < 2; ++k) {
    const MelSatz& aw = booked[1 + 2 * k];
    EXPECT_EQ(1 + 2 * k, aw.KeyLfn);
    EXPECT_EQ("AW", aw.MelMsk.str());
    EXPECT_EQ("A05", aw.MelFcd.str());
    EXPECT_EQ("0000", aw.KeyUbg.str());
    EXPECT_EQ(orders[k], aw.KeyApk.view());
    EXPECT_EQ("10100", Flags(aw));
    EXPECT_EQ("PW", booked[2 + 2 * k].MelMsk.str());
    auto v = WorkPlaceOrderVector(kWp, orders[k], "00010");
    ASSERT_TRUE(v);
    EXPECT_EQ("10100", Flags(*v));
    EXPECT_EQ("1", v->MapSts.str());
    EXPECT_EQ("0099", v->MapUbg.str());  // the reason stays
  }
  auto own = WorkPlaceOrderVector(kWp, kOrder3, "00010");
  ASSERT_TRUE(own);
  EXPECT_EQ("1", own->Map00U.str());
  EXPECT_EQ("0031", own->MapUbg.str());
  EXPECT_EQ("1", PersonOrderVector(kWp, kOrder3, "00010", kCara.pnr)->Map00U.str());
  EXPECT_FALSE(Vector("M__", kWp, "000000000000", "00000", "00000000"));

  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(uploadsBefore + 2, uploads.size());
  EXPECT_EQ(3, uploads[uploadsBefore].PpsSts);  // "A05"
}

TEST_P(GenerateScenario, LogOffFromAnInterruptedOrderResumesThePersonFirst) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(InterruptTelegram("080000", kAnna, kOrder, "00010", "0017"));
  Book(PersonEndTelegram("081000", kAnna, kOrder, "00010", 0));
  std::vector<MelSatz> booked = LastTelegramBookings();
  ASSERT_EQ(2u, booked.size());
  EXPECT_EQ("PE", booked[0].MelMsk.str());
  const MelSatz& pw = booked[1];
  EXPECT_EQ(1, pw.KeyLfn);
  EXPECT_EQ("PW", pw.MelMsk.str());
  EXPECT_EQ("P07", pw.MelFcd.str());
  EXPECT_EQ("MPA", pw.ObjTyp.str());
  EXPECT_EQ("98", pw.KeySek.str());
  EXPECT_EQ("0000", pw.KeyUbg.str());
  EXPECT_EQ(kAnna.pnr, pw.KeyPnr.view());
  EXPECT_FALSE(PersonOrderVector(kWp, kOrder, "00010", kAnna.pnr));
}

TEST_P(GenerateScenario, LogOffFromARunningOrderAddsNothing) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(PersonEndTelegram("081000", kAnna, kOrder, "00010", 0));
  EXPECT_EQ(1u, LastTelegramBookings().size());
}

TEST_P(GenerateScenario, GeneratedBookingsLeaveNoNotes) {
  SetNoteSwitch(1, true);
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(OrderTelegram("P05", "070500", kBen, kOrder, "00010"));
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 5, '0'));  // generates two "PE"
  // Only the telegram's own "A07" left person notes.
  EXPECT_EQ(1u, NotesOfKind("NZS").size());
  EXPECT_EQ(1u, NotesOfKind("NZM").size());
}

// Everything a telegram's booking may touch, as text.
std::string Snapshot() {
  std::string out;
  for (const char* sql :
       {"select * from Kvs560Mel order by KeyBnr, KeyLfn", "select * from Kvs565Map order by MapObj, MapPnr",
        "select * from Kvs580Pps order by PpsLfn", "select * from Kvs563Mrk order by MrkKng, MrkBnr",
        "select * from Kvs552Bnr order by BnrKey", "select * from Kvs571Rvs order by RvsLfn",
        "select * from Kvs501Apk order by ApkApk", "select * from Kvs504App order by AppApk, AppApp"}) {
    for (const db::Row& row : testdb::Query(sql)) {
      for (const db::Value& v : row) out += v.asText() + "|";
      out += "\n";
    }
  }
  return out;
}

class LostConnectionScenario : public GenerateScenario {
 protected:
  void Prepare() {
    std::string reason;
    ASSERT_TRUE(testdb::ConnectFresh(GetParam(), &reason)) << reason;
    LoadShopFloor();
    Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
    Book(OrderTelegram("P05", "070500", kBen, kOrder, "00010"));
    before_ = Snapshot();
  }
  // The interruption booked once with every consequence.
  static void ExpectBookedOnce() {
    EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
    EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs560Mel where MelFcd='A04'"));
    std::vector<MelSatz> booked = LastTelegramBookings();
    ASSERT_EQ(3u, booked.size());
    EXPECT_EQ("AU", booked[0].MelMsk.str());
    EXPECT_EQ("PU", booked[1].MelMsk.str());
    EXPECT_EQ("PU", booked[2].MelMsk.str());
    EXPECT_EQ("1", PersonOrderVector(kWp, kOrder, "00010", kAnna.pnr)->Map00U.str());
    EXPECT_EQ("1", PersonOrderVector(kWp, kOrder, "00010", kBen.pnr)->Map00U.str());
    EXPECT_EQ("1", WorkPlaceOrderVector(kWp, kOrder, "00010")->Map00U.str());
    EXPECT_EQ(4, ReadOperation(kOrder, "00010").AppSts);
  }
  std::string before_;
};

// The connection is lost at every statement of the booking in turn: the
// telegram is either booked with all its consequences or stays queued with
// nothing written, and the next pass books it once.
TEST_P(LostConnectionScenario, TelegramIsBookedWithAllItsConsequencesOrNotAtAll) {
  Prepare();
  const std::string interruption = InterruptTelegram("090000", kDan, kOrder, "00010", "0017");
  long kept = 0;
  for (long failing = 1;; ++failing) {
    ASSERT_LT(failing, 1000);
    Queue(interruption);
    bool unused = false;
    {
      testdb::FaultInjection faults;
      faults.FailStatement(failing);
      Input_Buchung();
      unused = !faults.Fired();
    }
    if (unused) {
      ExpectBookedOnce();
      break;
    }
    if (testdb::CountRows("Kvs570Rcv") == 1) {
      ASSERT_EQ(before_, Snapshot()) << "connection lost at statement " << failing;
      ++kept;
      BookQueue();  // the next pass
      ExpectBookedOnce();
    } else {
      // A read whose failure does not decide the booking (the analysis
      // switches, for instance) passed unnoticed.
      ExpectBookedOnce();
    }
    Prepare();
  }
  EXPECT_GT(kept, 20);  // the booking's own steps were hit
}

INSTANTIATE_DB_TEST(LostConnectionScenario);

INSTANTIATE_DB_TEST(GenerateScenario);

}  // namespace
