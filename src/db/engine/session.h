// The worker's one database connection and what hangs on it: the prepared
// statements of the access routines, the open cursors and the unit of work.
//
// Outside a unit of work every write commits on its own. Inside one (see
// unit_of_work.h), each write is guarded by its own savepoint (a failed
// write undoes only itself) and nothing is durable before its commit; a
// crash or a lost connection takes the whole unit back.
//
// Several units may share one transaction, a group: each unit is then
// guarded by a savepoint of its own, so rolling one back leaves the others
// of its group as they were, and nothing of the group is durable before
// the group's commit. Savepoints and their releases wait to be sent with the
// unit's next write, which saves a round trip to a database server each.
//
// The session sees the status of every statement. A unit in which the
// environment failed (connection lost, disk full, I/O error, ...) is
// spoiled: it can only be rolled back, whatever later statements report.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/engine/backend.h"

namespace db {

class Query;
class Cursor;

class Session {
 public:
  static Session& get();

  int connect(const std::string& user, const std::string& password, const std::string& service,
              bool createMissing = false, std::string* error = nullptr);
  void disconnect();
  bool connected() const { return conn_ != nullptr; }
  // True while the backend still believes the connection works.
  bool alive() const { return conn_ && conn_->alive(); }
  Connection& connection() { return *conn_; }
  Dialect dialect() const { return conn_ ? conn_->dialect() : Dialect::Sqlite; }
  std::uint64_t generation() const { return generation_; }
  // The server the connection reached ("host:port"); empty for an
  // embedded database or without a connection.
  std::string server() const { return conn_ ? conn_->server() : ""; }

  bool inGroup() const { return inGroup_; }
  // True when the group's transaction can no longer be committed as it
  // stands: a unit's failure took more than that unit with it.
  bool groupBroken() const;
  bool inUnit() const { return inUnit_; }

  // The status of a statement, as the access routines pass it on; a
  // failure of the environment spoils the unit.
  int observe(int status);
  // True when the unit can only be rolled back.
  bool unitSpoiled() const { return unit_.spoiled; }
  // True when the environment spoiled the unit: whatever comes next in
  // this pass would fail alike.
  bool unitFailedByEnvironment() const { return unit_.environment; }
  bool unitLostConnection() const { return unit_.connectionLost; }
  // The status that spoiled the unit (0 when none did).
  int unitSpoilReason() const { return unit_.reason; }
  // The savepoint commands waiting for the next write, which sends them
  // ahead of its own savepoint; `savepoint` is that one.
  std::vector<std::string> takeWaitingCommands(const std::string& savepoint);
  // The write went through: its savepoint is released with the next one.
  void writeDone(const std::string& savepoint);

  // Between passes: the backend's housekeeping (see Connection::tidyUp).
  void tidyUp();
  // Ends whatever transaction is open (commit or roll back).
  int commit();
  int rollback();

  // Open cursors are read into memory before the connection writes, so
  // their rows stay as they were when they were opened.
  void drainCursors();
  void addCursor(Cursor* c);
  void removeCursor(Cursor* c);

  void addQuery(Query* q);
  void removeQuery(Query* q);
  ~Session();

  // Puts another connection in place of the current one and returns the
  // current one; for a test that wraps the connection to make statements
  // fail. Statements are prepared anew through the new connection.
  std::unique_ptr<Connection> exchangeConnection(std::unique_ptr<Connection> next);

 private:
  // Units and groups are begun and ended by their guards alone.
  friend class UnitOfWork;
  friend class GroupOfUnits;
  friend class ReadOnlySnapshot;

  // Starts a read-only transaction (one snapshot, no writes) for a reader
  // beside the worker; ended with rollback().
  int beginReadOnly();

  // Starts a transaction that the following units share.
  int beginGroup();
  // Makes the group's units durable; on failure the group is rolled back.
  int commitGroup();
  int rollbackGroup();
  // Starts a unit and forgets what the previous one showed.
  int beginUnit();
  // Commits the unit, or rolls it back and returns the reason when it is
  // spoiled or the commit fails. In a group the commit is the group's.
  int commitUnit();
  int rollbackUnit();
  void spoilUnit(int reason);

  struct UnitState {
    bool spoiled = false;
    bool environment = false;
    bool connectionLost = false;
    int reason = 0;
  };

  Session() = default;
  void forgetStatements();
  void abandonCursors();
  int endTransaction(const char* command);
  void forgetWaitingCommands();
  int endUnitInGroup(bool keep);
  int finishTransaction();

  std::unique_ptr<Connection> conn_;
  std::uint64_t generation_ = 0;
  bool inUnit_ = false;
  bool inGroup_ = false;
  UnitState unit_;
  std::vector<std::string> waiting_;
  // Where the unit's own savepoint stands in waiting_ while it is not sent.
  std::size_t unitMark_ = 0;
  bool unitSavepointSent_ = false;
  std::vector<Cursor*> cursors_;
  std::vector<Query*> queries_;
};

}  // namespace db
