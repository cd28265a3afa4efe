#include "db_fixture.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "db/engine/access.h"
#include "db/engine/dbdb.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"

namespace testdb {
namespace {

std::string gService, gLogin, gPassword, gPgService;

const char* pgUri() {
  const char* uri = std::getenv("BDEMORVELT_TEST_PG");
  return uri && *uri ? uri : nullptr;
}

std::string programName() { return program_invocation_short_name; }

// The per-process database on the server, so that test programs running
// side by side (also from two checkouts) never meet.
std::string pgDatabaseUri(std::string* dbname) {
  std::string uri = pgUri();
  std::size_t slash = uri.find('/', uri.find("://") + 3);
  *dbname = "bde_" + programName() + "_" + std::to_string(getpid());
  for (char& c : *dbname)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  std::string base = slash == std::string::npos ? uri + "/" : uri.substr(0, slash + 1);
  std::string query;
  if (std::size_t q = uri.find('?', slash == std::string::npos ? 0 : slash); q != std::string::npos)
    query = uri.substr(q);
  return base + *dbname + query;
}

std::string gPgDatabase;

// Drops this process's database when the program ends.
void dropPgDatabase() {
  std::unique_ptr<db::Connection> admin;
  if (db::openConnection("", "", pgUri(), false, admin) != 0) return;
  admin->executeScript("DROP DATABASE IF EXISTS " + gPgDatabase + " WITH (FORCE)");
}

bool preparePostgres(std::string* reason) {
  static int state = 0;  // 0 not tried, 1 ready, -1 failed
  static std::string failure;
  if (state == 0) {
    std::string dbname, target = pgDatabaseUri(&dbname);
    std::string error;
    int rc = dbConnectWith("", "", pgUri(), false, &error);
    if (rc == 0) {
      auto& conn = db::Session::get().connection();
      conn.executeScript("DROP DATABASE IF EXISTS " + dbname + " WITH (FORCE)");
      rc = conn.executeScript("CREATE DATABASE " + dbname);
      if (rc != 0) error = conn.lastError();
    }
    if (rc == 0) rc = dbConnectWith("", "", target, false, &error);
    if (rc == 0) rc = db::schema::create(db::Session::get().connection(), &error);
    state = rc == 0 ? 1 : -1;
    gPgDatabase = dbname;
    if (rc == 0) std::atexit(dropPgDatabase);
    failure = "PostgreSQL test database not ready (" + std::to_string(rc) + "): " + error;
    gPgService = target;
  }
  if (state < 0) *reason = failure;
  return state > 0;
}

}  // namespace

std::vector<Backend> AllBackends() { return {Backend::Sqlite, Backend::Postgres}; }

std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

std::string ScratchDir() {
  static std::string dir = [] {
    std::string d = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : std::string("/tmp")) +
                     "/bdemorvelt-" + programName() + "-" + std::to_string(getpid());
    mkdir(d.c_str(), 0777);
    return d;
  }();
  return dir;
}

bool ConnectFresh(Backend backend, std::string* reason) {
  db::Session::get().disconnect();
  gLogin.clear();
  gPassword.clear();
  if (backend == Backend::Sqlite) {
    static int counter = 0;
    std::string path = ScratchDir() + "/test" + std::to_string(++counter) + ".db";
    unlink(path.c_str());
    gService = "sqlite:" + path;
    std::string error;
    int rc = dbConnectWith("", "", gService, true, &error);
    if (rc == 0) rc = db::schema::create(db::Session::get().connection(), &error);
    if (rc != 0) *reason = "SQLite test database not ready: " + error;
    return rc == 0;
  }
  if (!pgUri()) {
    *reason = "PostgreSQL tests skipped: BDEMORVELT_TEST_PG is not set";
    return false;
  }
  if (!preparePostgres(reason)) return false;
  std::string error;
  gService = gPgService;
  if (dbConnectWith("", "", gService, false, &error) != 0) {
    *reason = "cannot connect to the PostgreSQL test database: " + error;
    return false;
  }
  // Plain deletes in one round trip: far cheaper than TRUNCATE for the
  // handful of rows a test leaves behind.
  std::string empty;
  for (const std::string& t : db::schema::allTableNames(db::Dialect::Postgres)) empty += "DELETE FROM " + t + ";";
  db::Session::get().connection().executeScript(empty);
  return true;
}

std::string CurrentService() { return gService; }
std::string CurrentLogin() { return gLogin; }
std::string CurrentPassword() { return gPassword; }

std::vector<db::Row> Query(const std::string& sql, std::vector<db::Value> params) {
  db::Query q("TestQuery", sql.c_str());
  db::Cursor c(q);
  std::vector<db::Row> rows;
  if (c.open(params) != 0) return rows;
  db::Row row;
  while (c.fetchRow(row) == 0) rows.push_back(row);
  c.close();
  return rows;
}

std::int64_t QueryInt(const std::string& sql, std::vector<db::Value> params) {
  auto rows = Query(sql, std::move(params));
  return rows.empty() || rows[0].empty() ? -1 : rows[0][0].asInt();
}

std::string QueryText(const std::string& sql, std::vector<db::Value> params) {
  auto rows = Query(sql, std::move(params));
  return rows.empty() || rows[0].empty() ? std::string() : rows[0][0].asText();
}

int Exec(const std::string& sql, std::vector<db::Value> params) {
  db::Query q("TestExec", sql.c_str());
  return db::write(q, params);
}

std::int64_t CountRows(const std::string& table) { return QueryInt("select count(*) from " + table); }

bool IsSqlite() { return db::Session::get().dialect() == db::Dialect::Sqlite; }

std::string QueryPlan(const std::string& sql, std::vector<db::Value> params) {
  const bool sqlite = IsSqlite();
  if (!sqlite) Exec("set enable_seqscan = off");
  std::string plan;
  for (const db::Row& row : Query((sqlite ? "EXPLAIN QUERY PLAN " : "EXPLAIN ") + sql, std::move(params))) {
    for (const db::Value& v : row) plan += v.asText() + " ";
    plan += "\n";
  }
  if (!sqlite) Exec("set enable_seqscan = on");
  return plan;
}

}  // namespace testdb

void DbTest::SetUp() {
  std::string reason;
  if (!testdb::ConnectFresh(GetParam(), &reason)) GTEST_SKIP() << reason;
}

void DbTest::TearDown() { db::Session::get().disconnect(); }
