#include "db/session.h"

#include <algorithm>

#include "db/access.h"
#include "base/status.h"

namespace db {

Session& Session::get() {
  static Session session;
  return session;
}

int Session::connect(const std::string& user, const std::string& password, const std::string& service,
                     bool createMissing, std::string* error) {
  disconnect();
  std::unique_ptr<Connection> conn;
  int rc = openConnection(user, password, service, createMissing, conn, error);
  if (rc != status::kOk) return rc;
  conn_ = std::move(conn);
  ++generation_;
  return status::kOk;
}

void Session::disconnect() {
  for (Cursor* c : cursors_) c->abandon();
  cursors_.clear();
  forgetStatements();
  conn_.reset();
  inUnit_ = false;
  pendingRelease_.clear();
}

void Session::forgetStatements() {
  for (Query* q : queries_) q->forget();
}

int Session::beginUnit() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_) return status::kOk;
  drainCursors();
  // IMMEDIATE takes the write lock now, so a unit never fails half-way for
  // a lock it could not upgrade to.
  int rc = conn_->executeScript(dialect() == Dialect::Sqlite ? "BEGIN IMMEDIATE" : "BEGIN");
  if (rc == status::kOk) inUnit_ = true;
  unitSpoiled_ = unitLostConnection_ = false;
  unitSpoilReason_ = 0;
  pendingRelease_.clear();
  return rc;
}

int Session::commitUnit() {
  if (!inUnit_) return status::kOk;
  inUnit_ = false;
  pendingRelease_.clear();  // the commit ends every savepoint
  if (!conn_) return status::kNotConnected;
  drainCursors();
  if (unitSpoiled_ || consumeInjectedFailure()) {
    conn_->executeScript("ROLLBACK");
    return status::kNotConnected;
  }
  int rc = conn_->executeScript("COMMIT");
  if (rc != status::kOk && conn_->inTransaction()) conn_->executeScript("ROLLBACK");
  return rc;
}

int Session::rollbackUnit() {
  if (!inUnit_) return status::kOk;
  inUnit_ = false;
  pendingRelease_.clear();
  if (!conn_) return status::kNotConnected;
  drainCursors();
  return conn_->executeScript("ROLLBACK");
}

int Session::commit() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_) return commitUnit();
  if (!conn_->inTransaction()) return status::kOk;
  drainCursors();
  return conn_->executeScript("COMMIT");
}

int Session::rollback() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_) return rollbackUnit();
  if (!conn_->inTransaction()) return status::kOk;
  drainCursors();
  return conn_->executeScript("ROLLBACK");
}

void Session::noteConnectionLost() {
  unitLostConnection_ = true;
  spoilUnit(status::kNotConnected);
}

void Session::spoilUnit(int reason) {
  if (!unitSpoiled_) unitSpoilReason_ = reason;
  unitSpoiled_ = true;
}

void Session::drainCursors() {
  for (Cursor* c : cursors_) c->drain();
}

void Session::addCursor(Cursor* c) {
  if (std::find(cursors_.begin(), cursors_.end(), c) == cursors_.end()) cursors_.push_back(c);
}

void Session::removeCursor(Cursor* c) {
  cursors_.erase(std::remove(cursors_.begin(), cursors_.end(), c), cursors_.end());
}

void Session::addQuery(Query* q) { queries_.push_back(q); }

void Session::removeQuery(Query* q) {
  queries_.erase(std::remove(queries_.begin(), queries_.end(), q), queries_.end());
}

Session::~Session() { disconnect(); }

bool Session::consumeInjectedFailure() {
  if (failCountdown_ <= 0) return false;
  return --failCountdown_ == 0;
}

}  // namespace db
