#include "db/engine/access.h"

#include <utility>

#include "db/engine/dialect.h"
#include "db/engine/session.h"

namespace db {
namespace {


// Passes a statement's status on; a failure of the environment spoils the
// open unit.
int seen(int rc) { return Session::get().observe(rc); }

// Checks the connection and hands out the prepared statement.
int ready(Query& q, PreparedStatement*& stmt) {
  Session& s = Session::get();
  if (!s.connected()) return seen(status::kNotConnected);
  return seen(q.prepared(stmt));
}

}  // namespace

// Queries and cursors are statics of their routines; touching the session
// here makes it outlive all of them.
Query::Query(const char* routine, const char* sql) : routine_(routine), sql_(sql) {
  Session::get().addQuery(this);
}

Query::Query(const char* routine, std::string sql) : ownSql_(std::move(sql)), routine_(routine), sql_(ownSql_.c_str()) {
  Session::get().addQuery(this);
}

Query::~Query() { Session::get().removeQuery(this); }

int Query::prepared(PreparedStatement*& out) {
  Session& s = Session::get();
  if (!s.connected()) return status::kNotConnected;
  if (!stmt_ || generation_ != s.generation()) {
    TranslatedSql t = translate(sql_, s.dialect());
    stmt_.reset();
    int rc = s.connection().prepare(routine_, t.text, t.paramCount, stmt_);
    if (rc != status::kOk) return rc;
    params_ = t.paramCount;
    generation_ = s.generation();
  }
  out = stmt_.get();
  return status::kOk;
}

namespace {

// A write, with what it left behind when the caller asks.
int runWrite(Query& q, std::span<const Value> params, Written* written) {
  Session& s = Session::get();
  s.drainCursors();
  PreparedStatement* stmt = nullptr;
  int rc = ready(q, stmt);
  if (rc != status::kOk) return rc;
  Connection& conn = s.connection();
  if (!s.inUnit()) return seen(conn.execute(*stmt, params, written));  // one statement, all or nothing
  const std::string savepoint = std::string(q.routine()) + "_Sp";
  // The savepoint commands waiting for this write go out with it.
  const std::vector<std::string> commands = s.takeWaitingCommands(savepoint);
  bool commandsDone = false;
  rc = seen(conn.executeAfter(commands, *stmt, params, written, &commandsDone));
  if (rc == status::kOk) {
    s.writeDone(savepoint);
  } else if (commandsDone) {
    // The failed statement alone is undone; the unit goes on.
    conn.executeScript("ROLLBACK TO SAVEPOINT " + savepoint + "; RELEASE SAVEPOINT " + savepoint);
  }
  return rc;
}

// The batch of writes[0..n) in a unit: each under its savepoint, the
// savepoint of one released before the next begins, as runWrite does it
// one write at a time.
int runBatch(std::span<const QueuedWrite> writes, std::span<PreparedStatement* const> stmts, std::size_t* failed) {
  Session& s = Session::get();
  std::vector<BatchWrite> batch(writes.size());
  std::string savepoint;
  for (std::size_t k = 0; k < writes.size(); ++k) {
    const std::string previous = std::exchange(savepoint, std::string(writes[k].query->routine()) + "_Sp");
    batch[k].commands = k == 0 ? s.takeWaitingCommands(savepoint)
                               : std::vector<std::string>{"RELEASE SAVEPOINT " + previous, "SAVEPOINT " + savepoint};
    batch[k].stmt = stmts[k];
    batch[k].params = writes[k].params;
  }
  const BatchEnd end = s.connection().executeBatch(batch);
  const int rc = seen(end.status);
  if (rc == status::kOk) {
    s.writeDone(savepoint);
    return rc;
  }
  *failed = end.done;
  if (end.commandsDone && end.done < writes.size()) {
    const std::string failedPoint = std::string(writes[end.done].query->routine()) + "_Sp";
    s.connection().executeScript("ROLLBACK TO SAVEPOINT " + failedPoint + "; RELEASE SAVEPOINT " + failedPoint);
  }
  return rc;
}

}  // namespace

int writeAll(std::span<const QueuedWrite> writes, std::size_t* failed) {
  *failed = writes.size();
  Session& s = Session::get();
  if (!s.inUnit()) {  // each write all or nothing on its own
    for (std::size_t k = 0; k < writes.size(); ++k)
      if (int rc = write(*writes[k].query, writes[k].params); rc != status::kOk) {
        *failed = k;
        return rc;
      }
    return status::kOk;
  }
  s.drainCursors();
  std::vector<PreparedStatement*> stmts;
  int prepareStatus = status::kOk;
  for (const QueuedWrite& w : writes) {
    PreparedStatement* stmt = nullptr;
    if ((prepareStatus = ready(*w.query, stmt)) != status::kOk) break;
    stmts.push_back(stmt);
  }
  if (!stmts.empty())
    if (int rc = runBatch(writes.first(stmts.size()), stmts, failed); rc != status::kOk) return rc;
  if (prepareStatus != status::kOk) *failed = stmts.size();
  return prepareStatus;
}

int write(Query& q, std::span<const Value> params) { return runWrite(q, params, nullptr); }

int writeExisting(Query& q, std::span<const Value> params) {
  Written written;
  int rc = runWrite(q, params, &written);
  return rc == status::kOk && written.rowsChanged == 0 ? status::kNoRow : rc;
}

int writeReturning(Query& q, std::span<const Value> params, Row& row) {
  Written written;
  int rc = runWrite(q, params, &written);
  if (rc != status::kOk) return rc;
  if (written.returned.empty()) return status::kNoRow;
  row = std::move(written.returned);
  return status::kOk;
}

int writeRecord(Query& q, const void* record, Fields binds) {
  return write(q, fieldValues(record, binds));
}

int writeExistingRecord(Query& q, const void* record, Fields binds) {
  return writeExisting(q, fieldValues(record, binds));
}

int selectRow(Query& q, std::span<const Value> params, Row& row) {
  PreparedStatement* stmt = nullptr;
  int rc = ready(q, stmt);
  if (rc != status::kOk) return rc;
  std::unique_ptr<RowSource> rows;
  rc = seen(Session::get().connection().query(*stmt, params, rows));
  if (rc != status::kOk) return rc;
  rc = rows->next(row);
  if (rc != status::kOk) return seen(rc);
  Row extra;
  rc = rows->next(extra);
  if (rc == status::kOk) return status::kTooManyRows;
  return rc == status::kNoRow ? status::kOk : seen(rc);
}

int readRecord(Query& q, void* record, Fields binds, Fields outputs, OnFailure onFailure) {
  std::vector<Value> keys = fieldValues(record, binds);
  Row row;
  int rc = selectRow(q, keys, row);
  if (rc == status::kOk) {
    setFields(record, outputs, row);
    return rc;
  }
  if (onFailure == OnFailure::Unchanged) return rc;
  // The key is kept member by member: a moment key's joined value would
  // not give back the date and time members exactly as they were.
  const std::vector<Field> keyMembers = memberFields(binds);
  const std::vector<Value> kept = fieldValues(record, keyMembers);
  clearFields(record, outputs);
  clearFields(record, binds);
  if (onFailure == OnFailure::KeepKey) setFields(record, keyMembers, kept);
  return rc;
}

int selectNumber(Query& q, std::span<const Value> params, double* out) {
  Row row;
  int rc = selectRow(q, params, row);
  if (rc != status::kOk) return rc;
  if (row.empty() || row[0].isNull()) return status::kNullFetched;
  *out = row[0].asReal();
  return rc;
}

int selectCount(Query& q, std::span<const Value> params, std::int32_t* out) {
  double n = 0;
  int rc = selectNumber(q, params, &n);
  if (rc == status::kOk) *out = static_cast<std::int32_t>(n);
  return rc;
}

void Query::handOver(Cursor* next) {
  if (reader_ && reader_ != next) reader_->drain();
  reader_ = next;
}

Cursor::Cursor(Query& q) : query_(q) { Session::get(); }

Cursor::~Cursor() { close(); }

int Cursor::open(std::span<const Value> params) {
  close();
  PreparedStatement* stmt = nullptr;
  int rc = ready(query_, stmt);
  if (rc != status::kOk) return rc;
  query_.handOver(this);
  std::unique_ptr<RowSource> rows;
  rc = seen(Session::get().connection().query(*stmt, params, rows));
  if (rc != status::kOk) return rc;
  source_ = std::move(rows);
  Session::get().addCursor(this);
  return status::kOk;
}

int selectTexts(Query& q, std::span<const Value> params, std::vector<std::string>& out) {
  Cursor c(q);
  int rc = c.open(params);
  Row row;
  while (rc == status::kOk && (rc = c.fetchRow(row)) == status::kOk) out.push_back(row.empty() ? "" : row[0].asText());
  c.close();
  return rc == status::kNoRow ? status::kOk : rc;
}

int Cursor::fetchRow(Row& row) {
  if (!source_) return status::kInvalidCursor;
  return seen(source_->next(row));
}

int Cursor::fetch(void* record, Fields outputs) {
  Row row;
  int rc = fetchRow(row);
  if (rc == status::kOk) setFields(record, outputs, row);
  return rc;
}

int Cursor::close() {
  query_.release(this);
  if (!source_) return status::kOk;
  source_.reset();
  Session::get().removeCursor(this);
  return status::kOk;
}

void Cursor::abandon() {
  query_.release(this);
  source_.reset();
}

void Cursor::drain() {
  if (source_) source_->drain();
}

}  // namespace db
