#include "db/engine/session.h"

#include <algorithm>

#include "base/status.h"
#include "db/engine/access.h"
#include "db/engine/dialect.h"
#include "db/engine/failure.h"

namespace db {
namespace {

// The savepoint of a unit inside a group. Savepoints of one name nest, and
// a release or rollback names the newest: the unit's is the newest but for
// its own writes' savepoints, which it takes with it.
constexpr const char* kUnitSavepoint = "Unit_Sp";

// What a server reports for a transaction that an earlier failure spoiled.
int spoiledTransaction() { return PostgresStatus("25P02"); }

}  // namespace

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
  inGroup_ = false;
  forgetWaitingCommands();
}

void Session::forgetWaitingCommands() {
  waiting_.clear();
  unitMark_ = 0;
  unitSavepointSent_ = false;
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

namespace {

// IMMEDIATE takes the write lock now, so a unit never fails half-way for a
// lock it could not upgrade to.
const char* beginCommand(Dialect d) { return d == Dialect::Sqlite ? "BEGIN IMMEDIATE" : "BEGIN"; }

}  // namespace

int Session::beginGroup() {
  if (!conn_) return status::kNotConnected;
  if (inGroup_ || inUnit_) return status::kOk;
  drainCursors();
  unit_ = UnitState{};
  forgetWaitingCommands();
  int rc = observe(conn_->executeScript(beginCommand(dialect())));
  if (rc == status::kOk) inGroup_ = true;
  return rc;
}

int Session::commitGroup() {
  if (!inGroup_) return status::kOk;
  if (inUnit_) commitUnit();
  inGroup_ = false;
  forgetWaitingCommands();
  if (!conn_) return status::kNotConnected;
  drainCursors();
  return finishTransaction();
}

int Session::rollbackGroup() {
  if (!inGroup_) return status::kOk;
  inGroup_ = inUnit_ = false;
  forgetWaitingCommands();
  if (!conn_) return status::kNotConnected;
  drainCursors();
  return conn_->executeScript("ROLLBACK");
}

bool Session::groupBroken() const {
  return inGroup_ && (!conn_ || !conn_->inTransaction() || conn_->transactionFailed());
}

int Session::beginUnit() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_) return status::kOk;
  unit_ = UnitState{};
  if (inGroup_) {
    // Sent with the unit's first write: a unit that only reads costs nothing.
    unitMark_ = waiting_.size();
    waiting_.push_back(std::string("SAVEPOINT ") + kUnitSavepoint);
    unitSavepointSent_ = false;
    inUnit_ = true;
    return status::kOk;
  }
  drainCursors();
  forgetWaitingCommands();
  int rc = observe(conn_->executeScript(beginCommand(dialect())));
  if (rc == status::kOk) inUnit_ = true;
  return rc;
}

std::vector<std::string> Session::takeWaitingCommands(const std::string& savepoint) {
  std::vector<std::string> commands = std::exchange(waiting_, {});
  commands.push_back("SAVEPOINT " + savepoint);
  if (inGroup_ && inUnit_) unitSavepointSent_ = true;
  return commands;
}

void Session::writeDone(const std::string& savepoint) {
  // Released savepoints do not pile up over the unit.
  waiting_ = {"RELEASE SAVEPOINT " + savepoint};
}

// Ends a unit inside a group: kept, its savepoint is released with the
// next write (the group's commit makes that unnecessary); given up, the
// database goes back to where the unit began.
int Session::endUnitInGroup(bool keep) {
  inUnit_ = false;
  if (!unitSavepointSent_) {
    waiting_.resize(unitMark_);  // the unit wrote nothing
    return status::kOk;
  }
  unitSavepointSent_ = false;
  if (keep) {
    waiting_ = {std::string("RELEASE SAVEPOINT ") + kUnitSavepoint};
    return status::kOk;
  }
  waiting_.clear();
  return observe(conn_->executeScript(std::string("ROLLBACK TO SAVEPOINT ") + kUnitSavepoint +
                                      "; RELEASE SAVEPOINT " + kUnitSavepoint));
}

// Commits what is open; a transaction the server would only roll back is
// not reported as committed.
int Session::finishTransaction() {
  if (conn_->transactionFailed()) {
    conn_->executeScript("ROLLBACK");
    return spoiledTransaction();
  }
  int rc = observe(conn_->executeScript("COMMIT"));
  if (rc != status::kOk && conn_->inTransaction()) conn_->executeScript("ROLLBACK");
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
  if (!conn_) {
    inUnit_ = false;
    return status::kNotConnected;
  }
  drainCursors();
  if (inGroup_) {
    if (!unit_.spoiled) return endUnitInGroup(true);
    endUnitInGroup(false);
    return unit_.reason;
  }
  inUnit_ = false;
  forgetWaitingCommands();  // the commit ends every savepoint
  if (unit_.spoiled) {
    conn_->executeScript("ROLLBACK");
    return unit_.reason;
  }
  return finishTransaction();
}

int Session::rollbackUnit() {
  if (!inUnit_) return status::kOk;
  if (!conn_) {
    inUnit_ = false;
    return status::kNotConnected;
  }
  drainCursors();
  if (inGroup_) return endUnitInGroup(false);
  inUnit_ = false;
  forgetWaitingCommands();
  return conn_->executeScript("ROLLBACK");
}

int Session::endTransaction(const char* command) {
  if (!conn_) return status::kNotConnected;
  if (!conn_->inTransaction()) return status::kOk;
  drainCursors();
  return observe(conn_->executeScript(command));
}

void Session::tidyUp() {
  if (conn_ && !inUnit_ && !inGroup_) conn_->tidyUp();
}

int Session::commit() {
  if (inGroup_) return commitGroup();
  return inUnit_ ? commitUnit() : endTransaction("COMMIT");
}

int Session::beginReadOnly() {
  if (!conn_) return status::kNotConnected;
  if (inUnit_ || inGroup_ || conn_->inTransaction()) return status::kOk;
  return observe(conn_->executeScript(readOnlyBegin(conn_->dialect())));
}

int Session::rollback() {
  if (inGroup_) return rollbackGroup();
  return inUnit_ ? rollbackUnit() : endTransaction("ROLLBACK");
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

}  // namespace db
