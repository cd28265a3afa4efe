// Machine-wide named objects of the worker on Linux: the single-instance
// guard and the manual-reset events a controller uses to see that the
// worker runs and to stop it. They are small files in one directory that
// the worker and every command find the same way: $BDEMORVELT_IPC_DIR when
// it is set, else /run/bdemorvelt when it exists (the service's runtime
// directory), else /dev/shm.
//
// Only the worker's user (and root) may write them. The events are readable
// by everyone, so that any user can ask how the worker is doing. The guard
// is readable by its owner only: a lock can be taken through a descriptor
// opened for reading, so a guard that others could open would let any user
// keep the worker from starting. Who holds the guard is read from the
// kernel's table of locks, which every user may read.
#pragma once

#include <sys/types.h>

#include <string>

std::string IpcDirectory();

// Held while the process lives; the kernel releases the lock however the
// process ends. A worker that ends normally also removes the file.
class InstanceGuard {
 public:
  explicit InstanceGuard(const std::string& name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // False when another process holds the guard or it could not be taken.
  bool acquired() const { return fd_ >= 0; }
  // Why the guard could not be taken although nobody holds it (a file of
  // another user in the way, a directory that cannot be written); empty
  // when it was taken or another process holds it.
  const std::string& failure() const { return failure_; }

  // True when some process holds the guard of that name; `pid` receives
  // the holder's process id (0 when the kernel does not tell it).
  static bool heldByAnyone(const std::string& name, pid_t* pid = nullptr);

 private:
  int fd_ = -1;
  std::string path_;
  std::string failure_;
};

// A named manual-reset event: signalled or not, until someone changes it.
class NamedEvent {
 public:
  // Creates the event afresh (a file left by an earlier worker is
  // replaced) with the initial state; only the creator's user may change
  // it. `failure` receives the reason when it cannot be created.
  static bool create(const std::string& name, bool signalled, NamedEvent& out, std::string* failure = nullptr);
  // Opens an existing event to change it; false when there is none or this
  // user may not change it (errno tells which).
  static bool open(const std::string& name, NamedEvent& out);
  // The state of an existing event without changing it: 1 signalled,
  // 0 not signalled, -1 no such event.
  static int peek(const std::string& name);
  // The user that owns the event's file, by name; empty when unknown.
  static std::string owner(const std::string& name);

  NamedEvent() = default;
  NamedEvent(NamedEvent&& other) noexcept;
  NamedEvent& operator=(NamedEvent&& other) noexcept;
  ~NamedEvent();

  bool set();
  bool reset();
  // 1 signalled, 0 not signalled, -1 the test failed.
  int test() const;
  // Closes the handle; the owner also removes the name.
  void close(bool removeName);

 private:
  bool write(char state);
  int fd_ = -1;
  std::string path_;
};
