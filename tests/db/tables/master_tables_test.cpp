// Orders, operations, work places, persons and function codes on both
// backends: what the reads deliver, what a failed read leaves behind and
// what the updates write.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "db/tables/master_records.h"
#include "db_fixture.h"
#include "master_builders.h"

namespace {

using master::DayFromToday;

class MasterTablesTest : public DbTest {};

TEST_P(MasterTablesTest, OrderIsReadAsItWasWritten) {
  ApkSatz o = master::Order("A1");
  o.ApkBdi = "20261207";
  o.ApkBdiUhr = "063015";
  o.ApkIme = 12.5;
  ASSERT_EQ(0, Apk_PKeyIns(&o));
  ApkSatz r;
  r.ApkApk = "A1";
  ASSERT_EQ(0, Apk_PKeyReadk(&r));
  EXPECT_EQ("Gear housing", r.ApkBz1.view());
  EXPECT_EQ("20261201", r.ApkBgs.view());
  EXPECT_EQ("20261224", r.ApkEns.view());
  EXPECT_EQ("20261207", r.ApkBdi.view());
  EXPECT_EQ("063015", r.ApkBdiUhr.view());
  EXPECT_TRUE(r.ApkEdi.empty());
  EXPECT_TRUE(r.ApkEdiUhr.empty());
  EXPECT_EQ(3, r.ApkAfo);
  EXPECT_EQ("PART-4711", r.ApkTnr.view());
  EXPECT_DOUBLE_EQ(12.5, r.ApkIme);
  EXPECT_EQ(1, r.ApkAba);
}

TEST_P(MasterTablesTest, MissingOrderKeepsTheKeyAndClearsTheRest) {
  ApkSatz r = master::Order("NOPE");
  r.ApkBdi = "20261207";
  EXPECT_EQ(1403, Apk_PKeyReadk(&r));
  EXPECT_EQ("NOPE", r.ApkApk.view());
  EXPECT_TRUE(r.ApkBz1.empty());
  EXPECT_TRUE(r.ApkTnr.empty());
  EXPECT_TRUE(r.ApkBdi.empty());
  EXPECT_EQ(0, r.ApkAfo);
  EXPECT_EQ(0, r.ApkAba);
  EXPECT_EQ(0.0, r.ApkSme);
}

TEST_P(MasterTablesTest, OrderUpdateWritesEveryFieldAndStampsTheRow) {
  ApkSatz o = master::Order("A1");
  ASSERT_EQ(0, Apk_PKeyIns(&o));
  ASSERT_EQ(0, testdb::Exec("update Kvs501Apk set ApkDat=null"));
  ApkSatz r;
  r.ApkApk = "A1";
  ASSERT_EQ(0, Apk_PKeyReadk(&r));
  r.ApkSis = r.ApkSts;
  r.ApkSts = 9;
  r.ApkEaf = 3;
  r.ApkEdi = "20261207";
  r.ApkEdiUhr = "235959";
  r.ApkIme = 99.125;
  r.ApkErf = "MldToNza";
  ASSERT_EQ(0, Apk_PKeyUpd(&r));
  ApkSatz back;
  back.ApkApk = "A1";
  ASSERT_EQ(0, Apk_PKeyReadk(&back));
  EXPECT_EQ(9, back.ApkSts);
  EXPECT_EQ(1, back.ApkSis);
  EXPECT_EQ(3, back.ApkEaf);
  EXPECT_EQ("20261207", back.ApkEdi.view());
  EXPECT_EQ("235959", back.ApkEdiUhr.view());
  EXPECT_DOUBLE_EQ(99.125, back.ApkIme);
  EXPECT_EQ("MldToNza", back.ApkErf.view());
  EXPECT_EQ("20261201", back.ApkBgs.view());
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs501Apk where ApkDat is not null"));
}

TEST_P(MasterTablesTest, OrderUpdateWithEmptyDateFieldsWritesNull) {
  ApkSatz o = master::Order("A1");
  o.ApkBdi = "20261207";
  o.ApkBdiUhr = "063015";
  ASSERT_EQ(0, Apk_PKeyIns(&o));
  o.ApkBgs.clear();
  o.ApkBdi.clear();
  o.ApkBdiUhr.clear();
  ASSERT_EQ(0, Apk_PKeyUpd(&o));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs501Apk where ApkBgs is null and ApkBdi is null "
                                "and ApkEdi is null and ApkEns is not null"));
}

TEST_P(MasterTablesTest, UnsetMomentsSurviveAReadAndWriteBack) {
  // An order that has neither started nor ended is written back by booking
  // with its empty moments; that must not fail.
  ApkSatz o = master::Order("A1");
  ASSERT_EQ(0, Apk_PKeyIns(&o));
  ApkSatz r;
  r.ApkApk = "A1";
  ASSERT_EQ(0, Apk_PKeyReadk(&r));
  EXPECT_EQ(0, Apk_PKeyUpd(&r));
  AppSatz op = master::Operation("A1", "00010");
  ASSERT_EQ(0, App_PKeyIns(&op));
  AppSatz rop;
  rop.AppApk = "A1";
  rop.AppApp = "00010";
  ASSERT_EQ(0, App_PKeyReadk(&rop));
  EXPECT_EQ(0, App_PKeyUpd(&rop));
}

TEST_P(MasterTablesTest, InvalidDateInAnUpdateFailsAndChangesNothing) {
  ApkSatz o = master::Order("A1");
  ASSERT_EQ(0, Apk_PKeyIns(&o));
  o.ApkSts = 5;
  o.ApkBdi = "20261332";
  o.ApkBdiUhr = "000000";
  EXPECT_EQ(-1843, Apk_PKeyUpd(&o));
  EXPECT_EQ(1, testdb::QueryInt("select ApkSts from Kvs501Apk where ApkApk='A1'"));
}

TEST_P(MasterTablesTest, OperationMomentsAndStampRoundTrip) {
  AppSatz op = master::Operation("A1", "00010");
  op.AppRad = "20261207";
  op.AppRadUhr = "060000";
  op.AppRed = "20261207";
  op.AppRedUhr = "061500";
  ASSERT_EQ(0, App_PKeyIns(&op));
  AppSatz r;
  r.AppApk = "A1";
  r.AppApp = "00010";
  ASSERT_EQ(0, App_PKeyReadk(&r));
  EXPECT_EQ("20261207", r.AppRad.view());
  EXPECT_EQ("060000", r.AppRadUhr.view());
  EXPECT_EQ("061500", r.AppRedUhr.view());
  EXPECT_TRUE(r.AppBdi.empty());
  EXPECT_EQ(14u, r.AppDat.size());
  EXPECT_DOUBLE_EQ(1.30, r.AppStr);

  r.AppSis = r.AppSts;
  r.AppSts = 9;
  r.AppEdi = "20261207";
  r.AppEdiUhr = "120001";
  r.AppIme = 40;
  r.AppAme = 2;
  r.AppDat = "19990101000000";  // not written: the update stamps the row itself
  ASSERT_EQ(0, App_PKeyUpd(&r));
  AppSatz back;
  back.AppApk = "A1";
  back.AppApp = "00010";
  ASSERT_EQ(0, App_PKeyReadk(&back));
  EXPECT_EQ(9, back.AppSts);
  EXPECT_EQ("20261207", back.AppEdi.view());
  EXPECT_EQ("120001", back.AppEdiUhr.view());
  EXPECT_DOUBLE_EQ(40, back.AppIme);
  EXPECT_DOUBLE_EQ(2, back.AppAme);
  EXPECT_NE("19990101000000", back.AppDat.view());
}

TEST_P(MasterTablesTest, MissingOperationKeepsBothKeyFields) {
  AppSatz r = master::Operation("A1", "00020");
  EXPECT_EQ(1403, App_PKeyReadk(&r));
  EXPECT_EQ("A1", r.AppApk.view());
  EXPECT_EQ("00020", r.AppApp.view());
  EXPECT_TRUE(r.AppNaf.empty());
  EXPECT_TRUE(r.AppApl.empty());
  EXPECT_EQ(0.0, r.AppStr);
}

TEST_P(MasterTablesTest, PackageCursorDeliversTheMembersOfOneLeadingOperation) {
  const char* key = "A1          00010             ";
  AppSatz head = master::Operation("A1", "00010");
  head.AppZf2 = "*PKT_KOPF*";
  ASSERT_EQ(0, App_PKeyIns(&head));
  for (const char* order : {"B1", "B2"}) {
    AppSatz member = master::Operation(order, "00010");
    member.AppZf2 = key;
    ASSERT_EQ(0, App_PKeyIns(&member));
  }
  AppSatz other = master::Operation("C1", "00010");
  other.AppZf2 = "somewhere else";
  ASSERT_EQ(0, App_PKeyIns(&other));

  App_Zf2 cursor;
  ASSERT_EQ(0, cursor.Open(key));
  AppSatz m;
  std::vector<std::string> seen;
  int rc;
  while ((rc = cursor.Read(&m)) == 0) seen.push_back(m.AppApk.str());
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ((std::vector<std::string>{"B1", "B2"}), seen);
}

TEST_P(MasterTablesTest, MissingWorkPlaceKeepsTheKeyAndClearsTheRest) {
  AplSatz w = master::WorkPlace("WP9");
  w.AplUdt = "20261207101010";
  EXPECT_EQ(1403, Apl_PKeyReadk(&w));
  EXPECT_EQ("WP9", w.AplApl.view());
  EXPECT_TRUE(w.AplApg.empty());
  EXPECT_TRUE(w.AplUdt.empty());
  EXPECT_EQ(0, w.AplSts);
  EXPECT_EQ(0.0, w.AplKap);
}

TEST_P(MasterTablesTest, WorkPlaceInterruptionIsWrittenAndEndedWithNull) {
  AplSatz w = master::WorkPlace("WP1");
  ASSERT_EQ(0, Apl_PKeyIns(&w));
  AplSatz r;
  r.AplApl = "WP1";
  ASSERT_EQ(0, Apl_PKeyReadk(&r));
  r.AplUbg = "0815";
  r.AplUdt = "20261207101010";
  r.AplSts = 3;
  ASSERT_EQ(0, Apl_PKeyUpd(&r));
  ASSERT_EQ(0, Apl_PKeyReadk(&r));
  EXPECT_EQ("20261207101010", r.AplUdt.view());
  EXPECT_EQ("0815", r.AplUbg.view());
  EXPECT_EQ(3, r.AplSts);
  EXPECT_DOUBLE_EQ(8.5, r.AplKap);
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs531Apl where AplDat is not null"));

  r.AplUbg = "0000";
  r.AplUdt.clear();
  r.AplSts = 1;
  ASSERT_EQ(0, Apl_PKeyUpd(&r));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs531Apl where AplUdt is null"));
}

TEST_P(MasterTablesTest, PersonByNumber) {
  PrvSatz p = master::Person("00000042", "B0000042", "20200101", "");
  ASSERT_EQ(0, Prv_PKeyIns(&p));
  PrvSatz r;
  r.PrvPnr = "00000042";
  ASSERT_EQ(0, Prv_PKeyReadk(&r));
  EXPECT_EQ("B0000042", r.PrvAwn.view());
  EXPECT_EQ("20200101", r.PrvGvo.view());
  EXPECT_TRUE(r.PrvGbi.empty());
  EXPECT_EQ(1, r.PrvPzm);

  PrvSatz missing;
  missing.PrvPnr = "00000043";
  missing.PrvPzm = 7;
  missing.PrvNam = "stale";
  EXPECT_EQ(1403, Prv_PKeyReadk(&missing));
  EXPECT_EQ("00000043", missing.PrvPnr.view());
  EXPECT_EQ(0, missing.PrvPzm);
  EXPECT_TRUE(missing.PrvNam.empty());
}

TEST_P(MasterTablesTest, BadgeValidTodayIsFoundWithAnOpenEnd) {
  PrvSatz p = master::Person("00000042", "B0000042", DayFromToday(-30), "");
  ASSERT_EQ(0, Prv_PKeyIns(&p));
  PrvSatz r;
  r.PrvAwn = "B0000042";
  ASSERT_EQ(0, Awn_PKeyRead(&r));
  EXPECT_EQ("00000042", r.PrvPnr.view());
  EXPECT_TRUE(r.PrvGbi.empty());
}

TEST_P(MasterTablesTest, BadgeValidFromTodayAndUntilTodayIsFound) {
  PrvSatz a = master::Person("00000001", "BADGE-A", DayFromToday(0), DayFromToday(10));
  PrvSatz b = master::Person("00000002", "BADGE-B", DayFromToday(-10), DayFromToday(0));
  ASSERT_EQ(0, Prv_PKeyIns(&a));
  ASSERT_EQ(0, Prv_PKeyIns(&b));
  PrvSatz r;
  r.PrvAwn = "BADGE-A";
  EXPECT_EQ(0, Awn_PKeyRead(&r));
  EXPECT_EQ("00000001", r.PrvPnr.view());
  r.PrvAwn = "BADGE-B";
  EXPECT_EQ(0, Awn_PKeyRead(&r));
  EXPECT_EQ("00000002", r.PrvPnr.view());
}

TEST_P(MasterTablesTest, BadgeWhoseAssignmentEndedYesterdayIsNotFound) {
  PrvSatz p = master::Person("00000042", "B0000042", DayFromToday(-30), DayFromToday(-1));
  ASSERT_EQ(0, Prv_PKeyIns(&p));
  PrvSatz future = master::Person("00000043", "B0000042", DayFromToday(1), "");
  ASSERT_EQ(0, Prv_PKeyIns(&future));
  PrvSatz r;
  r.PrvAwn = "B0000042";
  r.PrvPnr = "stale";
  r.PrvPzm = 5;
  EXPECT_EQ(1403, Awn_PKeyRead(&r));
  EXPECT_EQ("B0000042", r.PrvAwn.view());
  EXPECT_TRUE(r.PrvPnr.empty());
  EXPECT_EQ(0, r.PrvPzm);
}

TEST_P(MasterTablesTest, BadgeValidForTwoPersonsFailsWithTooManyRows) {
  PrvSatz a = master::Person("00000001", "B0000042", DayFromToday(-30), "");
  PrvSatz b = master::Person("00000002", "B0000042", DayFromToday(-5), DayFromToday(5));
  ASSERT_EQ(0, Prv_PKeyIns(&a));
  ASSERT_EQ(0, Prv_PKeyIns(&b));
  PrvSatz r;
  r.PrvAwn = "B0000042";
  EXPECT_EQ(-1422, Awn_PKeyRead(&r));
}

TEST_P(MasterTablesTest, FunctionCodeIsReadAmongTheWorkersRowsOnly) {
  FzuSatz a01 = master::FunctionCode("A01", 1);
  ASSERT_EQ(0, Fzu_PKeyIns(&a01, "0"));
  FzuSatz foreign = master::FunctionCode("A01", 2);
  ASSERT_EQ(0, Fzu_PKeyIns(&foreign, "1"));
  FzuSatz r;
  r.FzuFcd = "A01";
  ASSERT_EQ(0, Fcd_PKeyReadk(&r));
  EXPECT_EQ(1, r.FzuArt);
  EXPECT_EQ("A01", r.FzuMld.view());
  EXPECT_EQ(1, r.FzuUpl);
  EXPECT_EQ(1, r.FzuGen);
  EXPECT_EQ(1, r.FzuSta);
}

TEST_P(MasterTablesTest, FunctionCodeStoredOnlyForAnotherProgramIsNotFound) {
  FzuSatz z = master::FunctionCode("Z09", 1);
  ASSERT_EQ(0, Fzu_PKeyIns(&z, "1"));
  FzuSatz r = master::FunctionCode("Z09", 2);
  EXPECT_EQ(1403, Fcd_PKeyReadk(&r));
  EXPECT_EQ("Z09", r.FzuFcd.view());
  EXPECT_EQ(0, r.FzuArt);
  EXPECT_EQ(0, r.FzuObj);
  EXPECT_EQ(0, r.FzuUpl);
  EXPECT_EQ(0, r.FzuGen);
  EXPECT_TRUE(r.FzuMld.empty());
}

INSTANTIATE_DB_TEST(MasterTablesTest);

}  // namespace
