#include "db/engine/sqlite_backend.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <utility>
#include <unistd.h>

#include "db/engine/date_text.h"
#include "db/engine/lease_file.h"
#include "db/engine/failure.h"
#include "base/status.h"

namespace db {
namespace {

Value columnValue(sqlite3_stmt* st, int col);

constexpr int kBusyTimeoutMs = 10000;

// The write-ahead log is folded back into the database file between
// passes; within a long drain, once it holds this many pages.
constexpr int kWalPagesBeforeCheckpoint = 10000;

// What an SQLite result code means to the worker.
int mapSqliteError(int extended) {
  switch (extended) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
      return status::kDuplicate;
    case SQLITE_CONSTRAINT_NOTNULL:
      return status::kNullValue;
    default:
      return SqliteStatus(extended);
  }
}

class SqliteConnection;

struct SqliteStatement : PreparedStatement {
  sqlite3_stmt* stmt = nullptr;
  ~SqliteStatement() override { sqlite3_finalize(stmt); }
};

class SqliteConnection : public Connection {
 public:
  SqliteConnection(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
  ~SqliteConnection() override { sqlite3_close_v2(db_); }

  Dialect dialect() const override { return Dialect::Sqlite; }

  int prepare(const char*, const std::string& sql, int, std::unique_ptr<PreparedStatement>& out) override {
    auto st = std::make_unique<SqliteStatement>();
    int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                                SQLITE_PREPARE_PERSISTENT, &st->stmt, nullptr);
    if (rc != SQLITE_OK) return mapSqliteError(sqlite3_extended_errcode(db_));
    out = std::move(st);
    return status::kOk;
  }

  int execute(PreparedStatement& ps, std::span<const Value> params, Written* written) override {
    sqlite3_stmt* st = static_cast<SqliteStatement&>(ps).stmt;
    int rc = bind(st, params);
    if (rc != status::kOk) return rc;
    dateError_ = 0;
    int step = sqlite3_step(st);
    int result = step == SQLITE_DONE || step == SQLITE_ROW ? status::kOk : stepError();
    // A write with a returning clause has made all its changes by its
    // first row.
    if (written) {
      written->rowsChanged = result == status::kOk ? sqlite3_changes(db_) : 0;
      written->returned.clear();
      if (step == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(st); ++c) written->returned.push_back(columnValue(st, c));
    }
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    return result;
  }

  int query(PreparedStatement& ps, std::span<const Value> params,
            std::unique_ptr<RowSource>& out) override;

  int executeScript(const std::string& sql) override {
    char* msg = nullptr;
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &msg);
    if (msg) {
      lastError_ = msg;
      sqlite3_free(msg);
    }
    return rc == SQLITE_OK ? status::kOk : mapSqliteError(sqlite3_extended_errcode(db_));
  }

  // Folding the log back takes a write and a flush of every page the
  // passes changed, scattered over the file; done in a commit, it would
  // fall on whichever telegram or note happened to fill the log. A reader
  // still on older pages only leaves them for the next time.
  void tidyUp() override {
    if (!inTransaction()) sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  }

  bool inTransaction() const override { return sqlite3_get_autocommit(db_) == 0; }
  bool alive() const override { return true; }
  std::string lastError() const override { return lastError_; }

  int takeLease(const std::string& holder, bool& held) override {
    return lease_.take(LeaseFilePath(path_), holder, held);
  }
  int leaseHolder(std::string& holder) override { return LeaseFile::holderOf(LeaseFilePath(path_), holder); }

  int stepError() {
    lastError_ = sqlite3_errmsg(db_);
    if (dateError_ != 0) return dateError_;
    return mapSqliteError(sqlite3_extended_errcode(db_));
  }

  int bind(sqlite3_stmt* st, std::span<const Value> params) {
    sqlite3_reset(st);
    for (std::size_t k = 0; k < params.size(); ++k) {
      const Value& v = params[k];
      int idx = static_cast<int>(k) + 1, rc = SQLITE_OK;
      switch (v.type) {
        case Value::Type::Null: rc = sqlite3_bind_null(st, idx); break;
        case Value::Type::Int: rc = sqlite3_bind_int64(st, idx, v.i); break;
        case Value::Type::Real: rc = sqlite3_bind_double(st, idx, v.d); break;
        case Value::Type::Text:
          rc = sqlite3_bind_text(st, idx, v.s.data(), static_cast<int>(v.s.size()), SQLITE_TRANSIENT);
          break;
      }
      if (rc != SQLITE_OK) return mapSqliteError(rc);
    }
    return status::kOk;
  }

  void setDateError(int code) { dateError_ = code; }
  void clearDateError() { dateError_ = 0; }
  sqlite3* handle() { return db_; }

 private:
  sqlite3* db_;
  std::string path_;
  LeaseFile lease_;
  std::string lastError_;
  int dateError_ = 0;
};

Value columnValue(sqlite3_stmt* st, int col) {
  switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER: return Value::integer(sqlite3_column_int64(st, col));
    case SQLITE_FLOAT: return Value::real(sqlite3_column_double(st, col));
    case SQLITE_NULL: return Value::null();
    default: {
      const unsigned char* t = sqlite3_column_text(st, col);
      int n = sqlite3_column_bytes(st, col);
      return Value::text(t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(n))
                           : std::string());
    }
  }
}

// Steps the statement on demand; drain() copies the remaining rows so the
// statement can be reset before the connection writes.
class SqliteRows : public RowSource {
 public:
  SqliteRows(SqliteConnection& conn, sqlite3_stmt* st) : conn_(conn), st_(st) {}
  ~SqliteRows() override { release(); }

  int next(Row& row) override {
    if (!buffered_.empty()) {
      row = std::move(buffered_.front());
      buffered_.pop_front();
      return status::kOk;
    }
    if (endStatus_ != status::kOk) return endStatus_;
    return stepInto(row);
  }

  // Takes the first row now: the read starts, and its view is fixed, when
  // the cursor is opened. A failing first step means the open failed.
  int prime() {
    Row row;
    int rc = stepInto(row);
    if (rc == status::kOk) buffered_.push_back(std::move(row));
    return rc == status::kNoRow ? status::kOk : rc;
  }

  int drain() override {
    while (endStatus_ == status::kOk) {
      Row row;
      if (stepInto(row) == status::kOk) buffered_.push_back(std::move(row));
    }
    // An error seen while draining stays for the reader after the buffered rows.
    return status::kOk;
  }

 private:
  int stepInto(Row& row) {
    int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) {
      int n = sqlite3_column_count(st_);
      row.clear();
      row.reserve(static_cast<std::size_t>(n));
      for (int c = 0; c < n; ++c) row.push_back(columnValue(st_, c));
      return status::kOk;
    }
    endStatus_ = rc == SQLITE_DONE ? status::kNoRow : conn_.stepError();
    release();
    return endStatus_;
  }

  void release() {
    if (st_) {
      sqlite3_reset(st_);
      sqlite3_clear_bindings(st_);
      st_ = nullptr;
    }
  }

  SqliteConnection& conn_;
  sqlite3_stmt* st_;
  std::deque<Row> buffered_;
  int endStatus_ = status::kOk;
};

int SqliteConnection::query(PreparedStatement& ps, std::span<const Value> params,
                            std::unique_ptr<RowSource>& out) {
  sqlite3_stmt* st = static_cast<SqliteStatement&>(ps).stmt;
  int rc = bind(st, params);
  if (rc != status::kOk) return rc;
  dateError_ = 0;
  auto rows = std::make_unique<SqliteRows>(*this, st);
  rc = rows->prime();
  if (rc != status::kOk) return rc;
  out = std::move(rows);
  return status::kOk;
}

// kvs_to_date(text, format): the worker's date text into SQLite's own
// 'YYYY-MM-DD HH:MM:SS' form; an invalid text fails the statement with the
// date error the worker has always reported.
void sqlToDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  const char* format = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
  std::string stored;
  int rc = dateTextToStored(text ? text : "", format ? format : "", stored);
  if (rc != status::kOk) {
    static_cast<SqliteConnection*>(sqlite3_user_data(ctx))->setDateError(rc);
    sqlite3_result_error(ctx, "invalid date text", -1);
    return;
  }
  sqlite3_result_text(ctx, stored.c_str(), static_cast<int>(stored.size()), SQLITE_TRANSIENT);
}

// kvs_add_days(stored date, days).
void sqlAddDays(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  std::string shifted;
  if (addDaysToStored(text ? text : "", sqlite3_value_int64(argv[1]), shifted) != status::kOk) {
    sqlite3_result_null(ctx);
    return;
  }
  sqlite3_result_text(ctx, shifted.c_str(), static_cast<int>(shifted.size()), SQLITE_TRANSIENT);
}

}  // namespace

int openSqlite(const std::string& path, bool createMissing, std::unique_ptr<Connection>& out,
               std::string* error) {
  if (!createMissing && access(path.c_str(), F_OK) != 0) {
    if (error) *error = "database file " + path + " does not exist";
    return status::kUnknownService;
  }
  sqlite3* raw = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (createMissing ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  if (rc != SQLITE_OK) {
    if (error) *error = raw ? sqlite3_errmsg(raw) : "cannot open database";
    sqlite3_close_v2(raw);
    return status::kUnknownService;
  }
  auto conn = std::make_unique<SqliteConnection>(raw, path);
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_create_function_v2(raw, "kvs_to_date", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, conn.get(),
                             sqlToDate, nullptr, nullptr, nullptr);
  sqlite3_create_function_v2(raw, "kvs_add_days", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                             sqlAddDays, nullptr, nullptr, nullptr);
  // Every commit is on disk when it returns; WAL lets the receiving
  // component add telegrams while the worker reads. The journals of the
  // savepoints live in memory: they only serve a rollback inside the open
  // transaction, and on disk every write of a unit wrote them twice. The
  // page cache holds the pages a plant's day touches (up to 512 MiB,
  // taken as needed, instead of SQLite's 2 MiB): with months of bookings
  // behind them, the rows of one day are spread over index pages all
  // through the file, and a plant of 200 work places touches some 150 MiB
  // of them; a smaller cache reads them from the file again and again.
  rc = conn->executeScript(
      "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=OFF; PRAGMA temp_store=MEMORY; "
      "PRAGMA cache_size=-524288;");
  if (rc == status::kOk) sqlite3_wal_autocheckpoint(raw, kWalPagesBeforeCheckpoint);
  if (rc != status::kOk) {
    if (error) *error = conn->lastError();
    return rc;
  }
  out = std::move(conn);
  return status::kOk;
}

}  // namespace db
