// The database engine: the one connection of the process (session.h), its
// backends and dialect, statements and cursors (this file), record fields
// and table descriptions, whose fault a failure is, the lease, and the
// guards of a unit of work. The table modules in db/tables sit on top.
//
// The shared mechanics of every access routine: a routine is its statement
// text, the fields it binds and the fields it reads.
//
// The access routines of db/tables keep the names and arguments the rest of
// the system has always called them by, and take no connection argument:
// they reach the one connection of the process through Session::get(). A
// worker owns exactly one connection, booking and analyses are written
// against those routines, and every unit of work must run on that same
// connection; passing a connection through every call would change each
// call site without making a second one possible.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "db/engine/backend.h"
#include "db/engine/field.h"
#include "base/status.h"

namespace db {

class Cursor;

// One statement of one access routine, prepared once per connection and
// reused. The routine name also names the statement's savepoint.
class Query {
 public:
  Query(const char* routine, const char* sql);
  // A statement text built at run time, e.g. from a table description.
  Query(const char* routine, std::string sql);
  ~Query();
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  const char* routine() const { return routine_; }
  const char* sql() const { return sql_; }
  int paramCount() const { return params_; }

  // The prepared statement on the current connection.
  int prepared(PreparedStatement*& out);
  void forget() { stmt_.reset(); generation_ = 0; }

  // Many cursors may be open on one query, but a backend may read a
  // cursor's rows from the statement itself until they are used up. Before
  // the statement runs for another cursor, the one still reading from it
  // takes the rest of its rows into memory.
  void handOver(Cursor* next);
  void release(Cursor* c) {
    if (reader_ == c) reader_ = nullptr;
  }

 private:
  std::string ownSql_;  // the text when the query owns it
  const char* routine_;
  const char* sql_;
  std::unique_ptr<PreparedStatement> stmt_;
  std::uint64_t generation_ = 0;
  int params_ = 0;
  Cursor* reader_ = nullptr;
};

// What a failed keyed read leaves in the record.
enum class OnFailure {
  KeepKey,    // the bound key fields stay, everything else is cleared
  ClearAll,   // every field is cleared, the key included
  Unchanged,  // the record stays as it was
};

// A write (insert, update, delete): committed at once outside a unit of
// work; inside one, guarded by the savepoint "<routine>_Sp".
int write(Query& q, std::span<const Value> params);
int writeRecord(Query& q, const void* record, Fields binds);
// A write of rows that must be there (the delete of a queued telegram):
// 1403 when the statement changed no row.
int writeExisting(Query& q, std::span<const Value> params);
// A write with a returning clause: 0 and the row it gave back, or 1403
// when it changed no row.
int writeReturning(Query& q, std::span<const Value> params, Row& row);
int writeExistingRecord(Query& q, const void* record, Fields binds);

// A write whose caller does not wait for its outcome: one it knows
// beforehand, as for rows it keeps in memory.
struct QueuedWrite {
  Query* query = nullptr;
  std::vector<Value> params;
};

// Runs the writes in order, as write() runs each, but on a database server
// in one round trip. 0 when all were done; else the status of the first
// that failed, with `*failed` its index: that write alone is undone, those
// before it are done and those after it were not run.
int writeAll(std::span<const QueuedWrite> writes, std::size_t* failed);

// A single-row select: 0 with the row, 1403 without one, -1422 for several.
int selectRow(Query& q, std::span<const Value> params, Row& row);
int readRecord(Query& q, void* record, Fields binds, Fields outputs, OnFailure onFailure);

// select count(*), max(...) and the like: the number is delivered only on
// success; a NULL aggregate is reported as -1405, as the original database
// did for a NULL fetched without an indicator.
int selectNumber(Query& q, std::span<const Value> params, double* out);
int selectCount(Query& q, std::span<const Value> params, std::int32_t* out);
// The first column of every row, as text; 0 also when there is none.
int selectTexts(Query& q, std::span<const Value> params, std::vector<std::string>& out);

// A walk over the rows of one query. The rows are those of the moment it
// was opened, whatever the worker writes while reading them. Any number of
// cursors may be open on the same query at once; each has its own rows.
class Cursor {
 public:
  explicit Cursor(Query& q);
  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

  int open(std::span<const Value> params);
  int open(const void* record, Fields binds) { return open(fieldValues(record, binds)); }
  // 0 and the record filled, 1403 at the end (record unchanged), or an error.
  int fetch(void* record, Fields outputs);
  int fetchRow(Row& row);
  int close();
  bool isOpen() const { return source_ != nullptr; }

  // Called by the session before the connection is used for a write.
  void drain();
  void abandon();

 private:
  Query& query_;
  std::unique_ptr<RowSource> source_;
};

// The caller-owned cursor of one access routine: the routine's class adds
// its Open; Read delivers a record per call (1403 at the end, the record
// unchanged) and Close ends the walk, as does the destructor.
template <class Record>
class RecordCursor {
 public:
  using Row = Record;
  int Read(Record* row) { return cursor_.fetch(row, row_); }
  int Close() { return cursor_.close(); }

 protected:
  RecordCursor(Query& q, Fields row) : cursor_(q), row_(row) {}
  Cursor cursor_;

 private:
  Fields row_;
};

}  // namespace db
