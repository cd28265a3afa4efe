#include "db/session.h"

#include <algorithm>

#include "base/status.h"
#include "db/access.h"
#include "db/failure.h"

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
  abandonCursors();
  forgetStatements();
  conn_.reset();
  inUnit_ = false;
  pendingRelease_.clear();
}

std::unique_ptr<Connection> Session::exchangeConnection(std::unique_ptr<Connection> next) {
  abandonCursors();
  forgetStatements();
  ++generation_;
  std::swap(conn_, next);
  return next;
}

void Session::abandonCursors() {
  for (Cursor* c : cursors_) c->abandon();
  cursors_.clear();
}

void Session::forgetStatements() {
  for (Query* q : queries_) q->forget();
}

int Session::beginUnit() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_) return status::kOk;
  drainCursors();
  unit_ = UnitState{};
  pendingRelease_.clear();
  // IMMEDIATE takes the write lock now, so a unit never fails half-way for
  // a lock it could not upgrade to.
  int rc = observe(conn_->executeScript(dialect() == Dialect::Sqlite ? "BEGIN IMMEDIATE" : "BEGIN"));
  if (rc == status::kOk) inUnit_ = true;
  return rc;
}

int Session::observe(int rc) {
  if (rc == status::kNotConnected) unit_.connectionLost = true;
  if (IsEnvironmentFailure(rc)) {
    unit_.environment = true;
    spoilUnit(rc);
  }
  return rc;
}

void Session::spoilUnit(int reason) {
  if (!unit_.spoiled) unit_.reason = reason;
  unit_.spoiled = true;
}

int Session::commitUnit() {
  if (!inUnit_) return status::kOk;
  inUnit_ = false;
  pendingRelease_.clear();  // the commit ends every savepoint
  if (!conn_) return status::kNotConnected;
  drainCursors();
  if (unit_.spoiled) {
    conn_->executeScript("ROLLBACK");
    return unit_.reason;
  }
  int rc = observe(conn_->executeScript("COMMIT"));
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

int Session::endTransaction(const char* command) {
  if (!conn_) return status::kNotConnected;
  if (!conn_->inTransaction()) return status::kOk;
  drainCursors();
  return observe(conn_->executeScript(command));
}

int Session::commit() { return inUnit_ ? commitUnit() : endTransaction("COMMIT"); }

int Session::rollback() { return inUnit_ ? rollbackUnit() : endTransaction("ROLLBACK"); }

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

}  // namespace db
