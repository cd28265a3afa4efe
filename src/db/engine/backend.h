// The small interface every database backend implements. Statement texts
// arrive here already translated into the backend's dialect; status codes
// leave here already mapped to the worker's numbers.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "db/engine/value.h"

namespace db {

enum class Dialect { Sqlite, Postgres };

using Row = std::vector<Value>;

// The rows of one open query. A source may still be reading lazily from the
// database; drain() pulls the rest into memory so the connection is free
// for writes while the caller keeps reading the same rows.
class RowSource {
 public:
  virtual ~RowSource() = default;
  // 0 and the row, 1403 at the end, or a negative status.
  virtual int next(Row& row) = 0;
  virtual int drain() = 0;
};

// What a write left behind, for the callers that ask.
struct Written {
  std::int64_t rowsChanged = 0;
  Row returned;  // the first row a write with a returning clause gave back
};

class PreparedStatement {
 public:
  virtual ~PreparedStatement() = default;
};

// One write of a batch: the commands that go before it (savepoints), then
// the statement.
struct BatchWrite {
  std::vector<std::string> commands;
  PreparedStatement* stmt = nullptr;
  std::vector<Value> params;
};

// How far a batch got: `done` writes were run with their commands; when
// `status` is a failure, it is that of the write after them, and
// `commandsDone` tells whether that write's own commands succeeded.
struct BatchEnd {
  int status = 0;
  std::size_t done = 0;
  bool commandsDone = false;
};

class Connection {
 public:
  virtual ~Connection() = default;

  virtual Dialect dialect() const = 0;
  // The routine names the statement for whoever watches the connection
  // (a test that makes one routine fail); the backends do not need it.
  virtual int prepare(const char* routine, const std::string& sql, int paramCount,
                      std::unique_ptr<PreparedStatement>& out) = 0;
  // Runs a write; `written` (when given) receives the number of rows it
  // inserted, updated or deleted and the first row it returned.
  virtual int execute(PreparedStatement& stmt, std::span<const Value> params, Written* written) = 0;
  // Runs the commands (transaction control without parameters and without
  // an answer anyone waits for: savepoints and their releases), then the
  // statement, in one round trip where the backend can. `commandsDone`
  // tells whether every command succeeded, so the caller knows which
  // savepoints exist after a failure.
  virtual int executeAfter(std::span<const std::string> commands, PreparedStatement& stmt,
                           std::span<const Value> params, Written* written, bool* commandsDone);
  // Runs the writes in order, in one round trip where the backend can,
  // and stops at the first failure: nothing after it is run.
  virtual BatchEnd executeBatch(std::span<const BatchWrite> writes);
  // Runs a query; the source is valid until the statement is used again.
  virtual int query(PreparedStatement& stmt, std::span<const Value> params,
                    std::unique_ptr<RowSource>& out) = 0;
  // The worker has nothing to do until its next pass: a moment for the
  // database's own housekeeping, outside any transaction.
  virtual void tidyUp() {}
  // Transaction control and schema statements, without parameters.
  virtual int executeScript(const std::string& sql) = 0;
  virtual bool inTransaction() const = 0;
  // True when the open transaction can only be rolled back (PostgreSQL
  // after a failed statement that no savepoint caught).
  virtual bool transactionFailed() const { return false; }
  // The exchanges with the server so far, for the benchmarks (0 for an
  // embedded database, which has no server to wait for).
  virtual std::uint64_t roundTrips() const { return 0; }
  // False once the backend knows the connection is gone, or that its
  // server no longer accepts writes (a primary fenced after a failover):
  // either way the worker connects anew, to the server that does.
  virtual bool alive() const = 0;
  virtual std::string lastError() const = 0;
  // The server this connection reached, as "host:port" (of several servers,
  // the one that accepts writes); empty for an embedded database.
  virtual std::string server() const { return ""; }

  // The database-wide lease: held by at most one connection to a database
  // at a time, whatever machine it comes from, and released with that
  // connection (also when its process or machine dies). Once taken it
  // stays with this connection, as long as its server accepts writes.
  // `holder` names the taker for whoever asks leaseHolder(). 0 with `held`
  // telling whether this connection holds it.
  virtual int takeLease(const std::string& holder, bool& held) = 0;
  // 0 with the name of the lease's holder, or an empty name when it is free.
  virtual int leaseHolder(std::string& holder) = 0;
};

// Opens the backend that the service name selects: "sqlite:PATH" or a
// PostgreSQL target. createMissing lets an SQLite file be created (initdb).
int openConnection(const std::string& user, const std::string& password,
                   const std::string& service, bool createMissing,
                   std::unique_ptr<Connection>& out, std::string* error = nullptr);

}  // namespace db
