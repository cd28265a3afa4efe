// Kvs565Map on both backends: the state vector row, its key, the moment of
// the last booking in two date columns, and the vector cursors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "booking_builders.h"
#include "db/tables/booking_records.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "same_row.h"

namespace {

using booking::Vector;

class MapTest : public DbTest {};

MapSatz WorkPlaceOrder(const char* apk = "AUFTRAG00001", const char* app = "00010") {
  return Vector("M_A", "APL0000001", apk, app, "00000000");
}
MapSatz PersonOnOrder(const char* pnr) { return Vector("MPA", "APL0000001", "AUFTRAG00001", "00010", pnr); }
MapSatz PersonAtWorkPlace(const char* pnr) { return Vector("MP_", "APL0000001", "000000000000", "00000", pnr); }

MapSatz KeyOf(const MapSatz& v) {
  MapSatz k;
  k.MapObj = v.MapObj;
  k.MapApl = v.MapApl;
  k.MapApk = v.MapApk;
  k.MapApp = v.MapApp;
  k.MapPnr = v.MapPnr;
  return k;
}


template <class Cursor>
std::vector<std::string> Persons(Cursor& cursor) {
  std::vector<std::string> out;
  MapSatz v;
  int rc;
  while ((rc = cursor.Read(&v)) == 0) out.push_back(v.MapPnr.str());
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  return out;
}

using Texts = std::vector<std::string>;

TEST_P(MapTest, MomentOfTheLastBookingIsWrittenIntoBothDateColumns) {
  MapSatz v = WorkPlaceOrder();
  ASSERT_EQ(0, Map_PKeyIns(&v));
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(MapMdt,'yyyymmddHH24MISS') from Kvs565Map"));
  EXPECT_EQ("20261207065131", testdb::QueryText("select TO_CHAR(MapMzt,'yyyymmddHH24MISS') from Kvs565Map"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs565Map where MapDat is not null"));
}

TEST_P(MapTest, FailedKeyedReadKeepsTheKeyAndClearsTheRest) {
  MapSatz r = PersonOnOrder("00000042");
  EXPECT_EQ(1403, Map_PKeyReadk(&r));
  MapSatz want = KeyOf(r);
  ExpectSameRow(db::tables::Map(), want, r);
}

TEST_P(MapTest, KeyWithEmptyPartsIsStillUnique) {
  // A booking without a known object kind leaves its key parts empty.
  MapSatz v = Vector("", "", "", "", "");
  ASSERT_EQ(0, Map_PKeyIns(&v));
  EXPECT_EQ(-1, Map_PKeyIns(&v));
  MapSatz noPerson = Vector("M_A", "APL0000001", "AUFTRAG00001", "00010", "");
  ASSERT_EQ(0, Map_PKeyIns(&noPerson));
  EXPECT_EQ(-1, Map_PKeyIns(&noPerson));
  EXPECT_EQ(2, testdb::CountRows("Kvs565Map"));
}

TEST_P(MapTest, UpdateRewritesTheRowOfItsOwnKeyOnly) {
  MapSatz mine = PersonOnOrder("00000042");
  MapSatz other = PersonOnOrder("00000043");
  ASSERT_EQ(0, Map_PKeyIns(&mine));
  ASSERT_EQ(0, Map_PKeyIns(&other));
  ASSERT_EQ(0, testdb::Exec("update Kvs565Map set MapDat=null"));
  mine.MapBnr = 18;
  mine.Map00U = "1";
  mine.MapMdt = "20261208";
  mine.MapMzt = "000001";
  mine.MapErf = "MldGen";
  mine.MapSts = "0";
  mine.MapUbg = "0815";
  mine.MapTnr = "PART-4712";
  ASSERT_EQ(0, Map_PKeyUpd(&mine));
  MapSatz r = KeyOf(mine);
  ASSERT_EQ(0, Map_PKeyReadk(&r));
  ExpectSameRow(db::tables::Map(), mine, r);
  EXPECT_EQ("20261208000001", testdb::QueryText("select TO_CHAR(MapMzt,'yyyymmddHH24MISS') from Kvs565Map "
                                                "where MapPnr='00000042'"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs565Map where MapDat is not null"));
  MapSatz untouched = KeyOf(other);
  ASSERT_EQ(0, Map_PKeyReadk(&untouched));
  ExpectSameRow(db::tables::Map(), other, untouched);
}

TEST_P(MapTest, UpdateWithAKeyThatIsNotStoredChangesNothing) {
  MapSatz stored = PersonOnOrder("00000042");
  ASSERT_EQ(0, Map_PKeyIns(&stored));
  MapSatz moved = stored;
  moved.MapPnr = "00000043";
  moved.MapBnr = 99;
  EXPECT_EQ(0, Map_PKeyUpd(&moved));
  EXPECT_EQ("00000042", testdb::QueryText("select MapPnr from Kvs565Map"));
  EXPECT_EQ(17, testdb::QueryInt("select MapBnr from Kvs565Map"));
}

TEST_P(MapTest, DeleteRemovesOnlyTheKeyedRow) {
  MapSatz a = PersonOnOrder("00000042"), b = PersonOnOrder("00000043");
  ASSERT_EQ(0, Map_PKeyIns(&a));
  ASSERT_EQ(0, Map_PKeyIns(&b));
  MapSatz k = KeyOf(a);
  ASSERT_EQ(0, Map_PKeyDel(&k));
  EXPECT_EQ(1, testdb::CountRows("Kvs565Map"));
  EXPECT_EQ("00000043", testdb::QueryText("select MapPnr from Kvs565Map"));
  EXPECT_EQ(1403, Map_PKeyReadk(&k));
}

TEST_P(MapTest, PersonsOfAWorkPlaceComeByPersonNumber) {
  for (const char* pnr : {"00000043", "00000041", "00000042"}) {
    MapSatz v = PersonAtWorkPlace(pnr);
    ASSERT_EQ(0, Map_PKeyIns(&v));
  }
  MapSatz elsewhere = Vector("MP_", "APL0000002", "000000000000", "00000", "00000040");
  MapSatz onOrder = PersonOnOrder("00000039");
  ASSERT_EQ(0, Map_PKeyIns(&elsewhere));
  ASSERT_EQ(0, Map_PKeyIns(&onOrder));
  MapSatz p = PersonAtWorkPlace("");
  Map_AplPnr cursor;
  ASSERT_EQ(0, cursor.Open(&p));
  EXPECT_EQ((Texts{"00000041", "00000042", "00000043"}), Persons(cursor));
}

TEST_P(MapTest, PersonsOfAWorkPlaceOrderComeByPersonNumber) {
  for (const char* pnr : {"00000043", "00000041"}) {
    MapSatz v = PersonOnOrder(pnr);
    ASSERT_EQ(0, Map_PKeyIns(&v));
  }
  MapSatz otherOperation = Vector("MPA", "APL0000001", "AUFTRAG00001", "00020", "00000040");
  ASSERT_EQ(0, Map_PKeyIns(&otherOperation));
  MapSatz p = PersonOnOrder("");
  Map_AppPnr cursor;
  ASSERT_EQ(0, cursor.Open(&p));
  EXPECT_EQ((Texts{"00000041", "00000043"}), Persons(cursor));
}

TEST_P(MapTest, OrderOperationsOfAWorkPlaceComeByOrderAndOperation) {
  const char* keys[][2] = {{"AUFTRAG00002", "00010"}, {"AUFTRAG00001", "00020"}, {"AUFTRAG00001", "00010"}};
  for (auto& k : keys) {
    MapSatz v = WorkPlaceOrder(k[0], k[1]);
    ASSERT_EQ(0, Map_PKeyIns(&v));
  }
  MapSatz person = PersonAtWorkPlace("00000042");
  ASSERT_EQ(0, Map_PKeyIns(&person));
  MapSatz p = WorkPlaceOrder("", "");
  Map_AplApp cursor;
  ASSERT_EQ(0, cursor.Open(&p));
  std::vector<std::string> got;
  MapSatz v;
  while (cursor.Read(&v) == 0) got.push_back(v.MapApk.str() + "/" + v.MapApp.str());
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ((Texts{"AUFTRAG00001/00010", "AUFTRAG00001/00020", "AUFTRAG00002/00010"}), got);
}

TEST_P(MapTest, VectorsOfAPersonComeByTheMomentOfTheirLastBooking) {
  const char* moments[][3] = {{"APL0000001", "20261207", "100000"},
                              {"APL0000002", "20261206", "235959"},
                              {"APL0000003", "20261207", "060000"}};
  for (auto& m : moments) {
    MapSatz v = Vector("MP_", m[0], "000000000000", "00000", "00000042");
    v.MapMdt = m[1];
    v.MapMzt = m[2];
    ASSERT_EQ(0, Map_PKeyIns(&v));
  }
  MapSatz someoneElse = Vector("MP_", "APL0000004", "000000000000", "00000", "00000043");
  ASSERT_EQ(0, Map_PKeyIns(&someoneElse));
  MapSatz p = Vector("MP_", "", "", "", "00000042");
  Map_Pnr cursor;
  ASSERT_EQ(0, cursor.Open(&p));
  std::vector<std::string> got;
  MapSatz v;
  while (cursor.Read(&v) == 0) got.push_back(v.MapApl.str());
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ((Texts{"APL0000002", "APL0000003", "APL0000001"}), got);
}

TEST_P(MapTest, CursorEndLeavesTheRecordAsItWas) {
  MapSatz v = PersonAtWorkPlace("00000042");
  ASSERT_EQ(0, Map_PKeyIns(&v));
  MapSatz p = PersonAtWorkPlace("");
  Map_AplPnr cursor;
  ASSERT_EQ(0, cursor.Open(&p));
  MapSatz r;
  ASSERT_EQ(0, cursor.Read(&r));
  EXPECT_EQ(1403, cursor.Read(&r));
  EXPECT_EQ("00000042", r.MapPnr.view());
  EXPECT_EQ(0, cursor.Close());
}

INSTANTIATE_DB_TEST(MapTest);

}  // namespace
