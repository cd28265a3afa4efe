#include "db/tables/schema.h"

#include <sstream>

#include "db/engine/dialect.h"
#include "base/status.h"

namespace db::schema {
namespace {

// Server-side helpers the statements rely on. The date checks raise
// "K1nnn" so that the server reports the same date errors as the
// embedded backend; the conversions are immutable so that indexes can
// hold their results.
const char* kPostgresFunctions = R"SQL(
CREATE SCHEMA IF NOT EXISTS kvsystem;
CREATE OR REPLACE FUNCTION kvs_to_char(t timestamp, f text) RETURNS text
  LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT to_char(t, f) $$;
CREATE OR REPLACE FUNCTION kvs_add_days(t timestamp, n bigint) RETURNS timestamp(0)
  LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT t + make_interval(days => n::int) $$;
CREATE OR REPLACE FUNCTION kvs_to_date(t text, f text) RETURNS timestamp(0)
  LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
  n int := CASE WHEN lower(f) = 'yyyymmdd' THEN 8 ELSE 14 END;
  y int; mo int; d int; h int := 0; mi int := 0; s int := 0;
BEGIN
  IF t IS NULL THEN RETURN NULL; END IF;
  IF length(t) < n THEN RAISE EXCEPTION 'date text too short' USING ERRCODE = 'K1840'; END IF;
  IF length(t) > n THEN RAISE EXCEPTION 'date text too long' USING ERRCODE = 'K1830'; END IF;
  IF t !~ '^[0-9]+$' THEN RAISE EXCEPTION 'not a number' USING ERRCODE = 'K1858'; END IF;
  y := substr(t, 1, 4)::int; mo := substr(t, 5, 2)::int; d := substr(t, 7, 2)::int;
  IF y = 0 THEN RAISE EXCEPTION 'year 0' USING ERRCODE = 'K1841'; END IF;
  IF mo < 1 OR mo > 12 THEN RAISE EXCEPTION 'not a valid month' USING ERRCODE = 'K1843'; END IF;
  IF d < 1 OR d > extract(day FROM make_date(y, mo, 1) + interval '1 month' - interval '1 day') THEN
    RAISE EXCEPTION 'day of month out of range' USING ERRCODE = 'K1847';
  END IF;
  IF n = 14 THEN
    h := substr(t, 9, 2)::int; mi := substr(t, 11, 2)::int; s := substr(t, 13, 2)::int;
    IF h > 23 THEN RAISE EXCEPTION 'hour out of range' USING ERRCODE = 'K1850'; END IF;
    IF mi > 59 THEN RAISE EXCEPTION 'minute out of range' USING ERRCODE = 'K1851'; END IF;
    IF s > 59 THEN RAISE EXCEPTION 'second out of range' USING ERRCODE = 'K1852'; END IF;
  END IF;
  RETURN make_timestamp(y, mo, d, h, mi, s);
END $$;
)SQL";

std::string sqlType(char code, Dialect d) {
  switch (code) {
    case 'I': return d == Dialect::Sqlite ? "INTEGER" : "integer";
    case 'F': return d == Dialect::Sqlite ? "REAL" : "double precision";
    case 'D': return d == Dialect::Sqlite ? "TEXT" : "timestamp(0)";
    default: return d == Dialect::Sqlite ? "TEXT" : "text";
  }
}

std::string qualified(const Table& t, Dialect d) {
  return (t.sharedCalendar && d == Dialect::Postgres ? "kvsystem." : "") + std::string(t.name);
}

std::string createTable(const Table& t, Dialect d) {
  std::ostringstream sql;
  sql << "CREATE TABLE IF NOT EXISTS " << qualified(t, d) << " (";
  std::istringstream cols(t.columns);
  std::string item;
  bool first = true;
  while (std::getline(cols, item, ',')) {
    std::istringstream parts(item);
    std::string name, type;
    parts >> name >> type;
    if (name.empty()) continue;
    sql << (first ? "" : ", ") << name << ' ' << sqlType(type.empty() ? 'T' : type[0], d);
    first = false;
  }
  sql << ")";
  return sql.str();
}

std::string createIndex(const Table& t, const Index& ix, Dialect d) {
  std::string sql = std::string("CREATE ") + (ix.unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                    ix.name + " ON " + qualified(t, d) + " (" + ix.parts + ")" +
                    (ix.where ? std::string(" WHERE ") + ix.where : std::string());
  return translate(sql, d).text;
}

const std::vector<const std::vector<Table>*>& modules() {
  static const std::vector<const std::vector<Table>*> all = {&queueTables(), &bookingTables(), &masterTables(),
                                                             &analysisTables()};
  return all;
}

}  // namespace

int create(Connection& conn, std::string* error) {
  const Dialect d = conn.dialect();
  std::vector<std::string> script;
  if (d == Dialect::Postgres) script.push_back(kPostgresFunctions);
  for (const auto* module : modules())
    for (const Table& t : *module) {
      script.push_back(createTable(t, d));
      for (const Index& ix : t.indexes) script.push_back(createIndex(t, ix, d));
    }
  int rc = conn.executeScript("BEGIN");
  for (const std::string& sql : script) {
    if (rc != status::kOk) break;
    rc = conn.executeScript(sql);
    if (rc != status::kOk && error) *error = conn.lastError() + " in: " + sql.substr(0, 200);
  }
  conn.executeScript(rc == status::kOk ? "COMMIT" : "ROLLBACK");
  return rc;
}

std::vector<std::string> allTableNames(Dialect d) {
  std::vector<std::string> names;
  for (const auto* module : modules())
    for (const Table& t : *module) names.push_back(qualified(t, d));
  return names;
}

}  // namespace db::schema
