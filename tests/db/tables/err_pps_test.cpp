// Kvs554Err and Kvs580Pps on both backends: the two write-only tables.
#include <gtest/gtest.h>

#include <string>

#include "db/tables/booking_records.h"
#include "db_fixture.h"

namespace {

class ErrPpsTest : public DbTest {};

ErrSatz Protocol() {
  ErrSatz e;
  e.ErrErf = "Nza_MPA";
  e.ErrEdt = "20261207000001";
  e.ErrBer = "BDE";
  e.ErrPnr = "00000042";
  e.ErrApl = "APL0000001";
  e.ErrApk = "AUFTRAG00001";
  e.ErrApp = "00010";
  e.ErrFnr = 7004;
  e.ErrBnr = 4711;
  e.ErrPgm = "Nza_MPA";
  e.ErrFun = "NZM";
  e.ErrObj = "MPA";
  return e;
}

PpsSatz Upload() {
  PpsSatz p;
  p.PpsDat = "20261207065131";
  p.PpsLfn = 12;
  p.PpsVkz = "   ";
  p.PpsFcd = "A02";
  p.PpsPnr = "00000042";
  p.PpsApl = "APL0000001";
  p.PpsApk = "AUFTRAG00001";
  p.PpsApp = "00010";
  p.PpsAwn = "AW000001";
  p.PpsMdt = "20261207";
  p.PpsMzt = "065131";
  p.PpsUbg = "0000";
  p.PpsAug = "1234";
  p.PpsSts = 3;
  p.PpsSto = "1";
  p.PpsGum = 10.5;
  p.PpsFam = 1.5;
  p.PpsMam = 2.5;
  p.PpsNam = 3.5;
  p.PpsMee = "STK";
  p.PpsZt1 = 1.3;
  p.PpsZt2 = 2.3;
  p.PpsZt3 = 3.3;
  p.PpsZf1 = "ZF1";
  p.PpsZf2 = "ZF2";
  p.PpsZf3 = "ZF3";
  return p;
}

TEST_P(ErrPpsTest, ProtocolRowCarriesEveryColumnAndTheDatabaseTime) {
  ErrSatz e = Protocol();
  ASSERT_EQ(0, Err_PKeyIns(&e));
  auto rows = testdb::Query(
      "select ErrErf,TO_CHAR(ErrEdt,'yyyymmddHH24MISS'),ErrBer,ErrPnr,ErrApl,ErrApk,ErrApp,ErrFnr,ErrBnr,ErrPgm,"
      "ErrFun,ErrObj from Kvs554Err where ErrDat is not null");
  ASSERT_EQ(1u, rows.size());
  const auto& r = rows[0];
  EXPECT_EQ("Nza_MPA", r[0].asText());
  EXPECT_EQ("20261207000001", r[1].asText());
  EXPECT_EQ("BDE", r[2].asText());
  EXPECT_EQ("00000042", r[3].asText());
  EXPECT_EQ("APL0000001", r[4].asText());
  EXPECT_EQ("AUFTRAG00001", r[5].asText());
  EXPECT_EQ("00010", r[6].asText());
  EXPECT_EQ(7004, r[7].asInt());
  EXPECT_EQ(4711, r[8].asInt());
  EXPECT_EQ("Nza_MPA", r[9].asText());
  EXPECT_EQ("NZM", r[10].asText());
  EXPECT_EQ("MPA", r[11].asText());
}

TEST_P(ErrPpsTest, ProtocolRowsAreNeverDuplicates) {
  ErrSatz e = Protocol();
  ASSERT_EQ(0, Err_PKeyIns(&e));
  ASSERT_EQ(0, Err_PKeyIns(&e));
  EXPECT_EQ(2, testdb::CountRows("Kvs554Err"));
}

TEST_P(ErrPpsTest, ProtocolRowWithEmptyFieldsStoresNull) {
  ErrSatz e;
  e.ErrFnr = 7004;
  ASSERT_EQ(0, Err_PKeyIns(&e));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs554Err where ErrEdt is null and ErrPnr is null"));
}

TEST_P(ErrPpsTest, ProtocolRowWithInvalidTimeIsRefused) {
  ErrSatz e = Protocol();
  e.ErrEdt = "20261232000001";
  EXPECT_EQ(-1847, Err_PKeyIns(&e));
  EXPECT_EQ(0, testdb::CountRows("Kvs554Err"));
}

TEST_P(ErrPpsTest, UploadRowStoresEveryValueAsGiven) {
  PpsSatz p = Upload();
  ASSERT_EQ(0, Pps_PKeyIns(&p));
  auto rows = testdb::Query(
      "select PpsDat,PpsLfn,PpsVkz,PpsFcd,PpsPnr,PpsApl,PpsApk,PpsApp,PpsAwn,PpsMdt,PpsMzt,PpsUbg,PpsAug,PpsSts,"
      "PpsSto,PpsGum,PpsFam,PpsMam,PpsNam,PpsMee,PpsZt1,PpsZt2,PpsZt3,PpsZf1,PpsZf2,PpsZf3 from Kvs580Pps");
  ASSERT_EQ(1u, rows.size());
  const auto& r = rows[0];
  EXPECT_EQ("20261207065131", r[0].asText());
  EXPECT_EQ(12, r[1].asInt());
  EXPECT_EQ("   ", r[2].asText());
  EXPECT_EQ("A02", r[3].asText());
  EXPECT_EQ("00000042", r[4].asText());
  EXPECT_EQ("APL0000001", r[5].asText());
  EXPECT_EQ("AUFTRAG00001", r[6].asText());
  EXPECT_EQ("00010", r[7].asText());
  EXPECT_EQ("AW000001", r[8].asText());
  EXPECT_EQ("20261207", r[9].asText());
  EXPECT_EQ("065131", r[10].asText());
  EXPECT_EQ("0000", r[11].asText());
  EXPECT_EQ("1234", r[12].asText());
  EXPECT_EQ(3, r[13].asInt());
  EXPECT_EQ("1", r[14].asText());
  EXPECT_DOUBLE_EQ(10.5, r[15].asReal());
  EXPECT_DOUBLE_EQ(1.5, r[16].asReal());
  EXPECT_DOUBLE_EQ(2.5, r[17].asReal());
  EXPECT_DOUBLE_EQ(3.5, r[18].asReal());
  EXPECT_EQ("STK", r[19].asText());
  EXPECT_DOUBLE_EQ(1.3, r[20].asReal());
  EXPECT_DOUBLE_EQ(2.3, r[21].asReal());
  EXPECT_DOUBLE_EQ(3.3, r[22].asReal());
  EXPECT_EQ("ZF1", r[23].asText());
  EXPECT_EQ("ZF2", r[24].asText());
  EXPECT_EQ("ZF3", r[25].asText());
}

TEST_P(ErrPpsTest, UploadDatesAreTextAndNotChecked) {
  // The planning system reads the row; the worker does not interpret these texts.
  PpsSatz p = Upload();
  p.PpsMdt = "2026123";
  p.PpsMzt = "99";
  ASSERT_EQ(0, Pps_PKeyIns(&p));
  EXPECT_EQ("2026123", testdb::QueryText("select PpsMdt from Kvs580Pps"));
  EXPECT_EQ("99", testdb::QueryText("select PpsMzt from Kvs580Pps"));
}

INSTANTIATE_DB_TEST(ErrPpsTest);

}  // namespace
