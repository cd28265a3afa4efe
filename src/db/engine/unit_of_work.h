// The unit of work and the group of units, as guards: begun by their
// constructors, rolled back by their destructors unless committed, so an
// early return between begin and commit never leaves a unit open for
// whoever comes next. These are the only places that begin, commit or roll
// back a unit or a group.
//
// A unit inside a group is guarded by a savepoint of its own: its commit
// releases the savepoint, its rollback undoes only the unit, and only the
// group's commit makes anything durable.
#pragma once

namespace db {

// How a unit or a group ended. `status` is 0 when committed, else the
// status that made it roll back (a failed statement, the reason it was
// spoiled, a failed begin or commit).
struct UnitEnd {
  enum class How { kCommitted, kOwnFault, kEnvironment };
  How how = How::kCommitted;
  int status = 0;
  bool lostConnection = false;

  bool committed() const { return how == How::kCommitted; }
  // The database or what it runs on failed: whatever comes next in this
  // pass would fail alike.
  bool environment() const { return how == How::kEnvironment; }
};

class UnitOfWork {
 public:
  UnitOfWork();
  ~UnitOfWork();
  UnitOfWork(const UnitOfWork&) = delete;
  UnitOfWork& operator=(const UnitOfWork&) = delete;

  // The status of the begin: 0 when the unit is open.
  int beginStatus() const { return begin_; }
  bool open() const { return open_; }
  // True when the unit can only be rolled back: a failure of the
  // environment met one of its statements.
  bool spoiled() const;
  // The status that spoiled the unit (0 when none did).
  int spoilReason() const;

  // Commits the unit (inside a group: keeps it for the group's commit), or
  // rolls it back when it is spoiled or the commit fails.
  [[nodiscard]] UnitEnd commit();
  // Rolls the unit back for `reason`, a fault the caller found.
  UnitEnd rollback(int reason);

 private:
  UnitEnd ended(int status);

  int begin_ = 0;
  bool open_ = false;
};

class GroupOfUnits {
 public:
  GroupOfUnits();
  ~GroupOfUnits();
  GroupOfUnits(const GroupOfUnits&) = delete;
  GroupOfUnits& operator=(const GroupOfUnits&) = delete;

  int beginStatus() const { return begin_; }
  bool open() const { return open_; }
  // True when the group's transaction can no longer be committed as it
  // stands: a unit's failure took more than that unit with it.
  bool broken() const;

  // Makes the group's units durable; on failure the group is rolled back.
  [[nodiscard]] UnitEnd commit();
  UnitEnd rollback();

 private:
  int begin_ = 0;
  bool open_ = false;
};

// A read-only transaction for a reader beside the worker (the board): one
// snapshot of the database, nothing written, let go of by the destructor.
class ReadOnlySnapshot {
 public:
  ReadOnlySnapshot();
  ~ReadOnlySnapshot();
  ReadOnlySnapshot(const ReadOnlySnapshot&) = delete;
  ReadOnlySnapshot& operator=(const ReadOnlySnapshot&) = delete;

  int beginStatus() const { return begin_; }
  // Lets go of the snapshot; the status of the rollback.
  int end();

 private:
  int begin_ = 0;
  bool open_ = false;
};

}  // namespace db
