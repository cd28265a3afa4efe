// What bookings do to orders, operations and work places: status moves,
// time stamps, quantities, completion rules and packages.
#include <gtest/gtest.h>

#include "booking/master_update.h"
#include "db/engine/session.h"
#include "db_fixture.h"
#include "scenario_support.h"
#include "fault_injection.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";

class MasterUpdateScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
  }
};

void SetOperationQuantity(std::string_view apk, std::string_view app, double good) {
  AppSatz op = ReadOperation(apk, app);
  op.AppIme = good;
  ASSERT_EQ(0, App_PKeyUpd(&op));
}

TEST_P(MasterUpdateScenario, SetUpStartMovesOrderAndOperation) {
  Book(OrderTelegram("A01", "060000", kAnna, kOrder, "00010"));
  ApkSatz order = ReadOrder(kOrder);
  EXPECT_EQ(3, order.ApkSts);
  EXPECT_EQ(1, order.ApkSis);
  EXPECT_EQ(kDay, order.ApkBdi.view());
  EXPECT_EQ("060000", order.ApkBdiUhr.str());
  EXPECT_EQ("MldToNza", order.ApkErf.str());
  AppSatz op = ReadOperation(kOrder, "00010");
  EXPECT_EQ(1, op.AppSts);
  EXPECT_EQ(0, op.AppSis);
  EXPECT_EQ(kDay, op.AppRad.view());
  EXPECT_EQ("060000", op.AppRadUhr.str());
  EXPECT_EQ("MldToNza", op.AppErf.str());
  EXPECT_EQ("PART-4711", LastTelegramBooking().KeyTnr.str());
}

TEST_P(MasterUpdateScenario, SetUpEndAndQuantitiesAddUp) {
  Book(OrderTelegram("A01", "060000", kAnna, kOrder, "00010"));
  Book(QuantityTelegram("A02", "064500", kAnna, kOrder, "00010", 2, 1));
  AppSatz op = ReadOperation(kOrder, "00010");
  EXPECT_EQ(2, op.AppSts);
  EXPECT_EQ(1, op.AppSis);
  EXPECT_EQ("064500", op.AppRedUhr.str());
  EXPECT_DOUBLE_EQ(2, op.AppIme);
  EXPECT_DOUBLE_EQ(1, op.AppAme);
  Book(QuantityTelegram("A06", "100000", kAnna, kOrder, "00010", 12.5, 0.5));
  op = ReadOperation(kOrder, "00010");
  EXPECT_DOUBLE_EQ(14.5, op.AppIme);
  EXPECT_DOUBLE_EQ(1.5, op.AppAme);
  EXPECT_EQ(2, op.AppSts);  // a quantity alone moves no status
}

TEST_P(MasterUpdateScenario, WorkStartKeepsTheEarliestStart) {
  Book(OrderTelegram("A03", "080000", kAnna, kOrder, "00010"));
  ApkSatz order = ReadOrder(kOrder);
  EXPECT_EQ("080000", order.ApkBdiUhr.str());
  EXPECT_EQ(3, order.ApkSts);
  EXPECT_EQ(kDay, ReadOperation(kOrder, "00010").AppBdi.view());

  Book(OrderTelegram("A03", "090000", kBen, kOrder, "00020"));
  EXPECT_EQ("080000", ReadOrder(kOrder).ApkBdiUhr.str());
  EXPECT_EQ("090000", ReadOperation(kOrder, "00020").AppBdiUhr.str());

  // A telegram that waited in a terminal reports an earlier start.
  Book(Telegram("A03", "20261206", "230000", OrderData(kCara.badge, kOrder, "00020", kWp2)));
  order = ReadOrder(kOrder);
  EXPECT_EQ("20261206", order.ApkBdi.str());
  EXPECT_EQ("230000", order.ApkBdiUhr.str());
}

TEST_P(MasterUpdateScenario, ResumeRestoresTheStatusBeforeTheInterruption) {
  Book(OrderTelegram("A01", "060000", kAnna, kOrder, "00010"));
  Book(InterruptTelegram("061000", kAnna, kOrder, "00010", "0011"));
  AppSatz op = ReadOperation(kOrder, "00010");
  EXPECT_EQ(4, op.AppSts);
  EXPECT_EQ(1, op.AppSis);
  Book(OrderTelegram("A05", "062000", kAnna, kOrder, "00010"));
  op = ReadOperation(kOrder, "00010");
  EXPECT_EQ(1, op.AppSts);
  EXPECT_EQ(1, op.AppSis);
}

TEST_P(MasterUpdateScenario, UnfinishedEnd) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00020"));
  Book(EndTelegram("150000", kAnna, kOrder, "00020", 7, '0'));
  AppSatz op = ReadOperation(kOrder, "00020");
  EXPECT_EQ(6, op.AppSts);
  EXPECT_EQ(3, op.AppSis);
  EXPECT_DOUBLE_EQ(7, op.AppIme);
  EXPECT_EQ("150000", op.AppEdiUhr.str());
  ApkSatz order = ReadOrder(kOrder);
  EXPECT_EQ(0, order.ApkEaf);
  EXPECT_EQ(3, order.ApkSts);
}

TEST_P(MasterUpdateScenario, LastOperationFinishesAnOrderOfRuleOne) {
  SetOperationQuantity(kOrder, "00020", 40);
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00020"));
  Book(EndTelegram("150000", kAnna, kOrder, "00020", 8, '1'));
  ApkSatz order = ReadOrder(kOrder);
  EXPECT_EQ(2, order.ApkEaf);
  EXPECT_EQ(9, order.ApkSts);
  EXPECT_EQ(3, order.ApkSis);
  EXPECT_DOUBLE_EQ(40, order.ApkIme);  // before this booking's 8
  EXPECT_EQ(kDay, order.ApkEdi.view());
  EXPECT_EQ("150000", order.ApkEdiUhr.str());
  AppSatz op = ReadOperation(kOrder, "00020");
  EXPECT_EQ(9, op.AppSts);
  EXPECT_DOUBLE_EQ(48, op.AppIme);
}

TEST_P(MasterUpdateScenario, FirstOperationDoesNotFinishAnOrderOfRuleOne) {
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 8, '1'));
  ApkSatz order = ReadOrder(kOrder);
  EXPECT_EQ(1, order.ApkEaf);
  EXPECT_EQ(1, order.ApkSts);
  EXPECT_EQ(9, ReadOperation(kOrder, "00010").AppSts);
}

TEST_P(MasterUpdateScenario, OrderOfRuleTwoFinishesWithItsLastCountedOperation) {
  ApkSatz order = ReadOrder(kOrder);
  order.ApkAba = 2;
  ASSERT_EQ(0, Apk_PKeyUpd(&order));
  SetOperationQuantity(kOrder, "00010", 30);
  SetOperationQuantity(kOrder, "00020", 25);
  // The last operation first: rule 2 does not care about the order of operations.
  Book(EndTelegram("120000", kAnna, kOrder, "00020", 5, '1'));
  order = ReadOrder(kOrder);
  EXPECT_EQ(1, order.ApkEaf);
  EXPECT_EQ(1, order.ApkSts);
  Book(EndTelegram("150000", kAnna, kOrder, "00010", 6, '1'));
  order = ReadOrder(kOrder);
  EXPECT_EQ(2, order.ApkEaf);
  EXPECT_EQ(9, order.ApkSts);
  EXPECT_EQ(1, order.ApkSis);
  EXPECT_DOUBLE_EQ(30, order.ApkIme);
  EXPECT_EQ("", order.ApkEdi.str());  // rule 2 sets no end
}

TEST_P(MasterUpdateScenario, UnknownOrderAndOperationAreMarkedAndNotWritten) {
  LogCapture log;
  Book(OrderTelegram("A01", "060000", kAnna, "ORD000000999", "00010"));
  MelSatz mel = LastTelegramBooking();
  EXPECT_EQ(2001, mel.MelFnr);  // the later failure wins
  EXPECT_EQ(1, log.Count("StammTab_Akual", "Apk_PKeyReadk"));
  EXPECT_EQ(1, log.Count("StammTab_Akual", "App_PKeyReadk"));
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs501Apk where ApkApk='ORD000000999'"));

  Book(OrderTelegram("A01", "061000", kAnna, kOrder, "00099"));
  mel = LastTelegramBooking();
  EXPECT_EQ(2001, mel.MelFnr);
  EXPECT_EQ(3, ReadOrder(kOrder).ApkSts);  // the order read is still written
}

TEST_P(MasterUpdateScenario, UnknownOrderOfAKnownOperation) {
  Insert(Operation("ORD000000777", "00010", "00000"));
  Book(OrderTelegram("A01", "060000", kAnna, "ORD000000777", "00010"));
  EXPECT_EQ(1001, LastTelegramBooking().MelFnr);
  EXPECT_EQ(1, ReadOperation("ORD000000777", "00010").AppSts);
}

TEST_P(MasterUpdateScenario, PersonBookingsCarryThePartNumber) {
  Book(OrderTelegram("A03", "070000", kAnna, kOrder, "00010"));
  Book(OrderTelegram("P05", "071000", kBen, kOrder, "00010"));
  EXPECT_EQ("PART-4711", LastTelegramBooking().KeyTnr.str());
  LogCapture log;
  Book(OrderTelegram("P05", "072000", kCara, "ORD000000999", "00010"));
  MelSatz mel = LastTelegramBooking();
  EXPECT_EQ("", mel.KeyTnr.str());
  // 1001 from the order, then 5005: no work-place order vector.
  EXPECT_EQ(5005, mel.MelFnr);
  EXPECT_EQ(1, log.Count("StammTab_Akual", "Apk_PKeyReadk"));
}

TEST_P(MasterUpdateScenario, WorkPlaceInterruptionAndItsEnd) {
  Book(WorkPlaceTelegram("M03", "090000", kDan, "0099"));
  AplSatz wp = ReadWorkPlace(kWp);
  EXPECT_EQ(3, wp.AplSts);
  EXPECT_EQ("0099", wp.AplUbg.str());
  EXPECT_EQ(std::string(kDay) + "090000", wp.AplUdt.str());
  EXPECT_EQ("MldToNza", wp.AplErf.str());
  Book(WorkPlaceTelegram("M04", "100000", kDan, "0000"));
  wp = ReadWorkPlace(kWp);
  EXPECT_EQ(1, wp.AplSts);
  EXPECT_EQ("0000", wp.AplUbg.str());
  EXPECT_EQ("", wp.AplUdt.str());
}

TEST_P(MasterUpdateScenario, UnknownWorkPlaceIsMarked) {
  LogCapture log;
  Book(WorkPlaceTelegram("M03", "090000", kDan, "0099", "WP00000099"));
  EXPECT_EQ(4001, LastTelegramBooking().MelFnr);
  EXPECT_EQ(1, log.Count("StammTab_Akual", "WP00000099"));
}

// ---- failed writes are logged, not silently dropped --------------------

MelSatz DirectBooking(const char* fcd) {
  MelSatz mel;
  mel.KeyBnr = 1;
  mel.MelFcd = fcd;
  mel.KeyApk = kOrder;
  mel.KeyApp = "00010";
  mel.KeyApl = kWp;
  mel.KeyDat = kDay;
  mel.KeyUhr = "080000";
  mel.KeyUbg = "0099";
  return mel;
}

TEST_P(MasterUpdateScenario, FailedOrderWriteIsLogged) {
  LogCapture log;
  MelSatz mel = DirectBooking("A01");
  testdb::FaultInjection faults;
  faults.FailRoutine("Apk_PKeyUpd");
  StammTab_Akual(&mel);
  faults.Clear();
  EXPECT_EQ(1, log.Count("StammTab_Akual", "Apk_PKeyUpd"));
  EXPECT_EQ(0, log.Count("StammTab_Akual", "App_PKeyUpd"));
  EXPECT_EQ(1, ReadOrder(kOrder).ApkSts);
  EXPECT_EQ(1, ReadOperation(kOrder, "00010").AppSts);  // its own write went through
  EXPECT_EQ(0, mel.MelFnr);
}

TEST_P(MasterUpdateScenario, FailedOperationWriteIsLogged) {
  LogCapture log;
  MelSatz mel = DirectBooking("A01");
  testdb::FaultInjection faults;
  faults.FailRoutine("App_PKeyUpd");
  StammTab_Akual(&mel);
  faults.Clear();
  EXPECT_EQ(1, log.Count("StammTab_Akual", "App_PKeyUpd"));
  EXPECT_EQ(3, ReadOrder(kOrder).ApkSts);
  EXPECT_EQ(0, ReadOperation(kOrder, "00010").AppSts);
}

TEST_P(MasterUpdateScenario, FailedWorkPlaceWriteIsLogged) {
  LogCapture log;
  MelSatz mel = DirectBooking("M03");
  testdb::FaultInjection faults;
  faults.FailRoutine("Apl_PKeyUpd");
  Arbeitsplatz_Aktual(&mel);
  faults.Clear();
  EXPECT_EQ(1, log.Count("Arbeitsplatz_Aktual", "Apl_PKeyUpd"));
  EXPECT_EQ(1, ReadWorkPlace(kWp).AplSts);
}

// ---- packages ------------------------------------------------------------

constexpr std::string_view kPackage = "PKT000000001";
constexpr std::string_view kMemberA = "ORD000000101";
constexpr std::string_view kMemberB = "ORD000000102";

// A package order whose leading operation "00010" carries two members:
// the last operation of kMemberA (rule 1) and the first of kMemberB.
void LoadPackage() {
  Insert(Order(kPackage, 1, 1));
  AppSatz head = Operation(kPackage, "00010", "00000");
  head.AppZf2 = "*PKT_KOPF*";
  Insert(head);
  const std::string key = std::string(kPackage) + "00010" + std::string(13, ' ');
  Insert(Order(kMemberA, 1, 1));
  AppSatz a = Operation(kMemberA, "00010", "00000");
  a.AppZf2 = key;
  a.AppIme = 11;
  Insert(a);
  Insert(Order(kMemberB, 2, 1));
  AppSatz b = Operation(kMemberB, "00010", "00020");
  b.AppZf2 = key;
  b.AppIme = 22;
  Insert(b);
}

TEST_P(MasterUpdateScenario, FinishedPackagePassesItsStateToTheMembers) {
  LoadPackage();
  Book(OrderTelegram("A03", "070000", kAnna, kPackage, "00010"));
  const std::size_t uploadsBefore = Uploads().size();
  Book(EndTelegram("150000", kAnna, kPackage, "00010", 33, '1'));

  AppSatz head = ReadOperation(kPackage, "00010");
  EXPECT_EQ(9, head.AppSts);
  EXPECT_DOUBLE_EQ(0, head.AppIme);  // the leading operation keeps no quantity
  for (std::string_view member : {kMemberA, kMemberB}) {
    AppSatz m = ReadOperation(member, "00010");
    EXPECT_EQ(9, m.AppSts) << member;
    EXPECT_EQ(head.AppBdi.str() + head.AppBdiUhr.str(), m.AppBdi.str() + m.AppBdiUhr.str()) << member;
    EXPECT_EQ(std::string(kDay) + "150000", m.AppEdi.str() + m.AppEdiUhr.str()) << member;
    EXPECT_EQ("MldToNza", m.AppErf.str());
    EXPECT_EQ("STA", m.AppDna.str());
    EXPECT_EQ("Download PELTRAXON", m.AppZf3.str());
  }
  ApkSatz a = ReadOrder(kMemberA);  // its last operation: finished
  EXPECT_EQ(2, a.ApkEaf);
  EXPECT_EQ(9, a.ApkSts);
  EXPECT_DOUBLE_EQ(11, a.ApkIme);
  EXPECT_EQ("STA", a.ApkDna.str());
  EXPECT_EQ("MldToNza", a.ApkDwn.str());
  EXPECT_EQ("Download PELTRAXON", a.ApkZf3.str());
  EXPECT_EQ(std::string(kDay) + "150000", a.ApkEdi.str() + a.ApkEdiUhr.str());
  ApkSatz b = ReadOrder(kMemberB);  // one of two: counted only
  EXPECT_EQ(1, b.ApkEaf);
  EXPECT_EQ(1, b.ApkSts);
  EXPECT_EQ("", b.ApkDna.str());

  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(uploadsBefore + 3, uploads.size());  // two members, then the package's own
  EXPECT_EQ(kMemberA, uploads[uploadsBefore].PpsApk.view());
  EXPECT_DOUBLE_EQ(11, uploads[uploadsBefore].PpsGum);
  EXPECT_EQ(9, uploads[uploadsBefore].PpsSts);
  EXPECT_EQ(kMemberB, uploads[uploadsBefore + 1].PpsApk.view());
  EXPECT_DOUBLE_EQ(22, uploads[uploadsBefore + 1].PpsGum);
  EXPECT_EQ(kPackage, uploads[uploadsBefore + 2].PpsApk.view());
  EXPECT_DOUBLE_EQ(33, uploads[uploadsBefore + 2].PpsGum);
}

TEST_P(MasterUpdateScenario, MemberOfThePackagesOwnOrderKeepsItsCount) {
  // Head "00010" and member "00020" belong to one order finished by rule 2
  // after two operations: both must count.
  Insert(Order(kPackage, 2, 2));
  AppSatz head = Operation(kPackage, "00010", "00020");
  head.AppZf2 = "*PKT_KOPF*";
  Insert(head);
  AppSatz member = Operation(kPackage, "00020", "00000");
  member.AppZf2 = std::string(kPackage) + "00010" + std::string(13, ' ');
  member.AppIme = 7;
  Insert(member);
  Book(EndTelegram("150000", kAnna, kPackage, "00010", 33, '1'));

  ApkSatz order = ReadOrder(kPackage);
  EXPECT_EQ(2, order.ApkEaf);
  EXPECT_EQ(9, order.ApkSts);
  EXPECT_EQ(9, ReadOperation(kPackage, "00020").AppSts);
}

TEST_P(MasterUpdateScenario, UnfinishedPackageEndUploadsMembersWithoutQuantity) {
  LoadPackage();
  const std::size_t uploadsBefore = Uploads().size();
  Book(EndTelegram("150000", kAnna, kPackage, "00010", 33, '0'));
  for (std::string_view member : {kMemberA, kMemberB}) EXPECT_EQ(6, ReadOperation(member, "00010").AppSts);
  EXPECT_EQ(0, ReadOrder(kMemberA).ApkEaf);
  std::vector<PpsSatz> uploads = Uploads();
  ASSERT_EQ(uploadsBefore + 3, uploads.size());
  EXPECT_DOUBLE_EQ(0, uploads[uploadsBefore].PpsGum);
  EXPECT_EQ("AT", uploads[uploadsBefore].PpsFcd.str());
  EXPECT_EQ(6, uploads[uploadsBefore].PpsSts);
}

INSTANTIATE_DB_TEST(MasterUpdateScenario);

}  // namespace
