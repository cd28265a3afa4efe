// The worker's one database connection and what hangs on it: the prepared
// statements of the access routines, the open cursors and the unit of work.
//
// Outside a unit of work every write commits on its own. Inside one, each
// write is guarded by its own savepoint (a failed write undoes only itself)
// and nothing is durable before commitUnit(); a crash or a lost connection
// takes the whole unit back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/backend.h"

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

  // Starts a unit and forgets what the previous one showed.
  int beginUnit();
  // A statement found the connection lost: whatever the unit holds is
  // incomplete, so it can only be rolled back.
  void noteConnectionLost();
  // The caller found a reason the unit must not be committed that no
  // statement shows (a telegram that got no booking number). The first
  // reason is kept: it is the one worth logging.
  void spoilUnit(int reason);
  // True when the unit can only be rolled back.
  bool unitSpoiled() const { return unitSpoiled_; }
  bool unitLostConnection() const { return unitLostConnection_; }
  // The status that spoiled the unit (0 when none did).
  int unitSpoilReason() const { return unitSpoilReason_; }
  // The savepoint of the unit's last successful write, released together
  // with the next write's savepoint to save a round trip.
  std::string takePendingRelease() { return std::exchange(pendingRelease_, std::string()); }
  void setPendingRelease(std::string savepoint) { pendingRelease_ = std::move(savepoint); }
  int commitUnit();
  int rollbackUnit();
  bool inUnit() const { return inUnit_; }

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

  // Test hook: the nth statement from now (1 = the next) fails as if the
  // connection had been lost; 0 switches it off.
  void failStatementAfter(long n) { failCountdown_ = n; }
  bool consumeInjectedFailure();

 private:
  Session() = default;
  void forgetStatements();

  std::unique_ptr<Connection> conn_;
  std::uint64_t generation_ = 0;
  bool inUnit_ = false;
  bool unitSpoiled_ = false;
  bool unitLostConnection_ = false;
  int unitSpoilReason_ = 0;
  std::string pendingRelease_;
  std::vector<Cursor*> cursors_;
  std::vector<Query*> queries_;
  long failCountdown_ = 0;
};

}  // namespace db
