#include "db/engine/unit_of_work.h"

#include "base/status.h"
#include "db/engine/session.h"

namespace db {
namespace {

// A rollback without a status of its own still is no commit.
constexpr int kRolledBack = -1;

UnitEnd endOf(int status, bool environment, bool lostConnection) {
  UnitEnd end;
  end.status = status;
  end.lostConnection = lostConnection;
  if (status == status::kOk) end.how = UnitEnd::How::kCommitted;
  else if (environment) end.how = UnitEnd::How::kEnvironment;
  else end.how = UnitEnd::How::kOwnFault;
  return end;
}

}  // namespace

UnitOfWork::UnitOfWork() : begin_(Session::get().beginUnit()), open_(begin_ == status::kOk) {}

UnitOfWork::~UnitOfWork() {
  if (open_) Session::get().rollbackUnit();
}

bool UnitOfWork::spoiled() const { return Session::get().unitSpoiled(); }

int UnitOfWork::spoilReason() const { return Session::get().unitSpoilReason(); }

UnitEnd UnitOfWork::ended(int status) {
  Session& s = Session::get();
  open_ = false;
  return endOf(status, s.unitFailedByEnvironment() || !s.alive(), s.unitLostConnection());
}

UnitEnd UnitOfWork::commit() {
  if (!open_) return endOf(begin_ != status::kOk ? begin_ : status::kNotConnected, true, false);
  return ended(Session::get().commitUnit());
}

UnitEnd UnitOfWork::rollback(int reason) {
  if (open_) Session::get().rollbackUnit();
  return ended(reason != status::kOk ? reason : kRolledBack);
}

GroupOfUnits::GroupOfUnits() : begin_(Session::get().beginGroup()), open_(begin_ == status::kOk) {}

GroupOfUnits::~GroupOfUnits() {
  if (open_) Session::get().rollbackGroup();
}

bool GroupOfUnits::broken() const { return Session::get().groupBroken(); }

UnitEnd GroupOfUnits::commit() {
  Session& s = Session::get();
  if (!open_) return endOf(begin_ != status::kOk ? begin_ : status::kNotConnected, true, false);
  open_ = false;
  const int rc = s.commitGroup();
  return endOf(rc, s.unitFailedByEnvironment() || !s.alive(), s.unitLostConnection());
}

UnitEnd GroupOfUnits::rollback() {
  Session& s = Session::get();
  const int rc = open_ ? s.rollbackGroup() : status::kOk;
  open_ = false;
  return endOf(rc != status::kOk ? rc : kRolledBack, !s.alive(), s.unitLostConnection());
}

ReadOnlySnapshot::ReadOnlySnapshot() : begin_(Session::get().beginReadOnly()), open_(begin_ == status::kOk) {}

ReadOnlySnapshot::~ReadOnlySnapshot() { end(); }

int ReadOnlySnapshot::end() {
  if (!open_) return status::kOk;
  open_ = false;
  return Session::get().rollback();
}

}  // namespace db
