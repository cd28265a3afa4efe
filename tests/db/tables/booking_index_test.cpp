// Every keyed read, keyed write and cursor of the booking tables is served
// by its index: on SQLite (which plans without statistics, as the worker's
// database has none) each selection uses the index meant for it and needs
// no sort; on the server no selection scans a whole table. The selections
// are those of the access routines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db_fixture.h"

namespace {

class BookingIndexTest : public DbTest {};

struct Selection {
  const char* routine;
  const char* index;  // the index SQLite is expected to use
  std::string sql;
  std::vector<db::Value> params;
};

db::Value T(const char* s) { return db::Value::text(s); }

const std::string kDate = "TO_CHAR(KeyDat,'yyyymmdd')";
const std::string kTime = "TO_CHAR(KeyUhr,'HH24MISS')";
const std::string kMoment = "(" + kDate + "," + kTime + ")";

std::string After(const char* d, const char* t, const char* op) {
  return "((" + kDate + ">" + d + " or (" + kDate + "=" + d + " and " + kTime + op + t + ")) and " + kMoment + op +
         "(" + d + "," + t + "))";
}
std::string Before(const char* d, const char* t, const char* op) {
  return "((" + kDate + "<" + d + " or (" + kDate + "=" + d + " and " + kTime + op + t + ")) and " + kMoment + op +
         "(" + d + "," + t + "))";
}
std::string AtOrBeforeReference() {
  return "(((" + kDate + "<:b6 or (" + kDate + "=:b6 and " + kTime + "<:b8)) or ((" + kDate + "=:b6 and " + kTime +
         "=:b8) and KeySek<=:b11)) and (" + kDate + "," + kTime + ",KeySek)<=(:b6,:b8,:b11))";
}
const std::string kOldestFirst = kDate + "," + kTime + ",KeySek";
const std::string kNewestFirst = kDate + " desc," + kTime + " desc,KeySek desc";

std::vector<Selection> Selections() {
  const std::string mel = "select KeyBnr from Kvs560Mel ";
  return {
      {"Mel_PKeyReadk", "Kvs560Mel_key", mel + "where (KeyBnr=:b0 and KeyLfn=:b2)",
       {db::Value::integer(1), db::Value::integer(0)}},
      {"Mel_PKeyUpd", "Kvs560Mel_key", "update Kvs560Mel set MelFnr=1 where (KeyBnr=:b0 and KeyLfn=:b1)",
       {db::Value::integer(1), db::Value::integer(0)}},
      {"Mel_MVon", "Kvs560Mel_apl",
       mel + "where ((ObjTyp=:b0 and KeyApl=:b1) and " + After(":b2", ":b3", ">") + " and " +
           Before(":b4", ":b5", "<") + ") order by ObjTyp,KeyApl," + kOldestFirst,
       {T("M__"), T("W1"), T("20261207"), T("060000"), T("20261207"), T("140000")}},
      {"Mel_MAVon", "Kvs560Mel_app",
       mel + "where ((((ObjTyp=:b0 and KeyApl=:b1) and KeyApk=:b2) and KeyApp=:b3) and " +
           After(":b4", ":b5", ">=") + " and " + Before(":b6", ":b7", "<=") +
           ") order by ObjTyp,KeyApl,KeyApk,KeyApp," + kOldestFirst,
       {T("M_A"), T("W1"), T("A1"), T("00010"), T("20261207"), T("060000"), T("20261207"), T("140000")}},
      {"Mel_MPA2", "Kvs560Mel_pnr",
       mel + "where (((((ObjTyp=:b0 and KeyApl=:b1) and KeyApk=:b2) and KeyApp=:b3) and KeyPnr=:b4) and " +
           After(":b5", ":b6", ">=") + " and " + Before(":b7", ":b8", "<=") +
           ") order by ObjTyp,KeyApl,KeyApk,KeyApp,KeyPnr," + kOldestFirst,
       {T("MPA"), T("W1"), T("A1"), T("00010"), T("P1"), T("20261207"), T("060000"), T("20261207"), T("140000")}},
      {"Mel_PrfRdBck_M", "Kvs560Mel_fcd",
       mel + "where (((ObjTyp=:b0 and MelFcd=:b1) and KeyApl=:b2) and " + AtOrBeforeReference() + " and " + kDate +
           "<=:b6) order by " + kNewestFirst,
       {T("M__"), T("M03"), T("W1"), T("20261207"), T("120000"), T("50")}},
      {"Mel_PrfRdBck_MA", "Kvs560Mel_app",
       mel + "where (((((ObjTyp=:b0 and (MelFcd=:b1 or MelFcd=:b2)) and KeyApl=:b3) and KeyApk=:b4) and "
             "KeyApp=:b5) and " +
           AtOrBeforeReference() + " and " + kDate + "<=:b6) order by ObjTyp,KeyApl,KeyApk,KeyApp," + kNewestFirst,
       {T("M_A"), T("A01"), T("A03"), T("W1"), T("A1"), T("00010"), T("20261207"), T("120000"), T("50")}},
      {"Mel_PrfRdBck_MPA", "Kvs560Mel_pnr",
       mel + "where ((((((ObjTyp=:b0 and MelFcd=:b1) and KeyApl=:b2) and KeyApk=:b3) and KeyApp=:b4) and "
             "KeyPnr=:b5) and " +
           AtOrBeforeReference() + ") order by ObjTyp,MelFcd,KeyApl,KeyApk,KeyApp,KeyPnr," + kNewestFirst,
       {T("MPA"), T("P05"), T("W1"), T("A1"), T("00010"), T("P1"), T("20261207"), T("120000"), T("50")}},
      {"Map_PKeyReadk", "Kvs565Map_key",
       "select MapBnr from Kvs565Map where ((((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) and "
       "MapPnr=:b4)",
       {T("MPA"), T("W1"), T("A1"), T("00010"), T("P1")}},
      {"Map_PKeyUpd", "Kvs565Map_key",
       "update Kvs565Map set MapBnr=:b0 where ((((MapObj=:b1 and MapApl=:b3) and MapApk=:b4) and MapApp=:b5) and "
       "MapPnr=:b2)",
       {db::Value::integer(1), T("MPA"), T("P1"), T("W1"), T("A1"), T("00010")}},
      {"Map_PKeyDel", "Kvs565Map_key",
       "delete from Kvs565Map where ((((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) and "
       "MapPnr=:b4)",
       {T("MPA"), T("W1"), T("A1"), T("00010"), T("P1")}},
      {"Map_AplPnr", "Kvs565Map_aplpnr",
       "select MapBnr from Kvs565Map where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapPnr",
       {T("MP_"), T("W1")}},
      {"Map_AppPnr", "Kvs565Map_key",
       "select MapBnr from Kvs565Map where (((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) "
       "order by MapObj,MapApl,MapApk,MapApp,MapPnr",
       {T("MPA"), T("W1"), T("A1"), T("00010")}},
      {"Map_AplApp", "Kvs565Map_key",
       "select MapBnr from Kvs565Map where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapApk,MapApp",
       {T("M_A"), T("W1")}},
      {"Map_Pnr", "Kvs565Map_pnr",
       "select MapBnr from Kvs565Map where (MapObj=:b0 and MapPnr=:b1) "
       "order by MapObj,MapPnr,TO_CHAR(MapMdt,'yyyymmdd'),TO_CHAR(MapMzt,'HH24MISS')",
       {T("MPA"), T("P1")}},
      {"Mrk_PKeyReadk", "Kvs563Mrk_key",
       "select MrkBnr from Kvs563Mrk where (((((MrkKng=:b0 and MrkApl=:b1) and MrkApk=:b2) and MrkApp=:b3) and "
       "MrkPnr=:b4) and MrkBnr=:b5)",
       {T("NZS"), T("W1"), T("A1"), T("00010"), T("P1"), db::Value::integer(1)}},
      {"Mrk_PKeyDel", "Kvs563Mrk_key",
       "delete from Kvs563Mrk where (((((MrkKng=:b0 and MrkApl=:b1) and MrkApk=:b2) and MrkApp=:b3) and "
       "MrkPnr=:b4) and MrkBnr=:b5)",
       {T("NZS"), T("W1"), T("A1"), T("00010"), T("P1"), db::Value::integer(1)}},
      {"Mrk_MrkKng", "Kvs563Mrk_kng",
       "select MrkBnr from Kvs563Mrk where MrkKng=:b0 order by MrkApl,MrkApk,MrkApp,MrkMdt", {T("NZS")}},
      {"Mrk_CountKng", "Kvs563Mrk_", "select count(*)  from Kvs563Mrk where MrkKng=:b1", {T("NZS")}},
  };
}

TEST_P(BookingIndexTest, EverySelectionIsServedByItsIndex) {
  const bool sqlite = GetParam() == testdb::Backend::Sqlite;
  for (const Selection& s : Selections()) {
    const std::string plan = testdb::QueryPlan(s.sql, s.params);
    ASSERT_FALSE(plan.empty()) << s.routine;
    if (sqlite) {
      EXPECT_NE(std::string::npos, plan.find(std::string("INDEX ") + s.index)) << s.routine << "\n" << plan;
      EXPECT_EQ(std::string::npos, plan.find("TEMP B-TREE")) << s.routine << "\n" << plan;
      EXPECT_EQ(std::string::npos, plan.find("SCAN ")) << s.routine << "\n" << plan;
    } else {
      EXPECT_EQ(std::string::npos, plan.find("Seq Scan")) << s.routine << "\n" << plan;
    }
  }
}

TEST_P(BookingIndexTest, LongHistoriesAreReadOnlyFromTheirDatesOnSqlite) {
  if (GetParam() != testdb::Backend::Sqlite) GTEST_SKIP() << "the server takes the row comparison as its range";
  for (const Selection& s : Selections()) {
    const std::string routine = s.routine;
    const char* range = nullptr;
    if (routine == "Mel_MVon" || routine == "Mel_MAVon" || routine == "Mel_MPA2") range = "<expr>>? AND <expr><?";
    if (routine == "Mel_PrfRdBck_M" || routine == "Mel_PrfRdBck_MA") range = "<expr><?";
    if (!range) continue;
    const std::string plan = testdb::QueryPlan(s.sql, s.params);
    EXPECT_NE(std::string::npos, plan.find(range)) << routine << "\n" << plan;
  }
}

INSTANTIATE_DB_TEST(BookingIndexTest);

}  // namespace
