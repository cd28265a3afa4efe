// Every update and delete of the table modules, and every keyed read of the
// queue tables, finds its row through an index on both backends: a
// telegram's writes must not read a whole table however long it grows.
// The statements are built from the table descriptions as the modules
// build them, bound with a valid row of the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "db/tables/booking_records.h"
#include "db/tables/queue_records.h"
#include "db/tables/master_records.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "table_fill.h"

namespace {

class WriteIndexTest : public DbTest {};

struct Statement {
  std::string routine;
  std::string sql;
  std::vector<db::Value> params;
  std::string lead;  // the first column of the row's key
  // Another column an index of a part of the rows may start with, its
  // condition taking the place of the lead.
  std::string partialLead = "";
};

template <class Rec>
Statement Update(const char* routine, const db::Table& table, db::KeyNames key) {
  Rec r{};
  testdb::FillRecord(table, &r, 0);
  const db::RowUpdate u = table.update(key);
  return {routine, u.sql, db::fieldValues(&r, u.binds), *key.begin()};
}

template <class Rec>
Statement Delete(const char* routine, const db::Table& table, db::KeyNames key) {
  Rec r{};
  testdb::FillRecord(table, &r, 0);
  return {routine, table.erase(key), db::fieldValues(&r, table.key(key).binds), *key.begin()};
}

Statement WithPartialLead(Statement s, const char* column) {
  s.partialLead = column;
  return s;
}

std::vector<Statement> Statements() {
  using namespace db::tables;
  const db::Value moment = db::Value::text(testdb::kFillMoment), one = db::Value::integer(1);
  return {
      Update<MelSatz>("Mel_PKeyUpd", Mel(), {"KeyBnr", "KeyLfn"}),
      Update<MapSatz>("Map_PKeyUpd", Map(), {"MapObj", "MapApl", "MapApk", "MapApp", "MapPnr"}),
      Delete<MapSatz>("Map_PKeyDel", Map(), {"MapObj", "MapApl", "MapApk", "MapApp", "MapPnr"}),
      Delete<MerkSatz>("Mrk_PKeyDel", Mrk(), {"MrkKng", "MrkApl", "MrkApk", "MrkApp", "MrkPnr", "MrkBnr"}),
      Update<BnrSatz>("Bnr_PKeyUpd", Bnr(), {"BnrKey"}),
      Update<ApkSatz>("Apk_PKeyUpd", Apk(), {"ApkApk"}),
      Update<AppSatz>("App_PKeyUpd", App(), {"AppApk", "AppApp"}),
      Update<AplSatz>("Apl_PKeyUpd", Apl(), {"AplApl"}),
      // A work period may also be found by its person and start, through
      // the index of the work periods alone.
      WithPartialLead(Update<NzaSatz>("Nza_PKeyUpd", Nza(), {"NzaSa", "NzaApl", "NzaApk", "NzaApp", "NzaPnr", "NzaDtm"}),
                      "NzaPnr"),
      Delete<MltSatz>("Mlt_PKeyDel", Mlt(), {"MltErf", "MltDat", "MltLfn"}),
      {"Bnr_NextNumber",
       "update Kvs552Bnr set BnrBnr=BnrBnr+1,BnrEdt=sysdate,BnrEsb=:b0 where BnrKey=:b1 and BnrBnr<2147483647 "
       "returning BnrBnr",
       {db::Value::text("test"), db::Value::text("MELNR")}, "BnrKey"},
      {"Rcv_PKeyDel", "delete  from Kvs570Rcv  where (RcvMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RcvLfn=:b1)",
       {moment, one}, "RcvMdt"},
      {"Rvs_PKeyReadk", Rvs().select() + "where (RvsMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RvsLfn=:b1)",
       {moment, one}, "RvsMdt"},
  };
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// True when the plan searches an index by the key's first column: an
// index scanned whole (the server's fallback without sequential scans, or
// a condition on a later column alone) reads every row as well.
bool SearchesByKey(const std::string& plan, const std::string& lead, bool sqlite) {
  if (sqlite) return plan.find("SCAN ") == std::string::npos && plan.find("SEARCH") != std::string::npos;
  const std::string text = Lower(plan), column = "(" + Lower(lead) + " = ";
  for (std::size_t at = text.find("index cond"); at != std::string::npos; at = text.find("index cond", at + 1)) {
    const std::string line = text.substr(at, text.find('\n', at) - at);
    if (line.find(column) != std::string::npos) return true;
  }
  return false;
}

TEST_P(WriteIndexTest, EveryWriteFindsItsRowThroughAnIndex) {
  const bool sqlite = GetParam() == testdb::Backend::Sqlite;
  for (const Statement& s : Statements()) {
    const std::string plan = testdb::QueryPlan(s.sql, s.params);
    ASSERT_FALSE(plan.empty()) << s.routine;
    EXPECT_TRUE(SearchesByKey(plan, s.lead, sqlite) ||
                (!s.partialLead.empty() && SearchesByKey(plan, s.partialLead, sqlite)))
        << s.routine << "\n" << plan;
  }
}

INSTANTIATE_DB_TEST(WriteIndexTest);

}  // namespace
