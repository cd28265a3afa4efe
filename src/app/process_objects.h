// Machine-wide named objects of the worker on Linux: the single-instance
// guard and the manual-reset events a controller uses to see that the
// worker runs and to stop it. They live as small files in one directory
// (/dev/shm, or BDEMORVELT_IPC_DIR), so every process on the machine finds
// them by name.
#pragma once

#include <string>

std::string IpcDirectory();

// Held while the process lives; the kernel releases the lock however the
// process ends.
class InstanceGuard {
 public:
  explicit InstanceGuard(const std::string& name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // False when the guard could not be created or another process holds it.
  bool acquired() const { return acquired_; }
  // True when some process holds the guard of that name.
  static bool heldByAnyone(const std::string& name);

 private:
  int fd_ = -1;
  bool acquired_ = false;
};

// A named manual-reset event: signalled or not, until someone changes it.
class NamedEvent {
 public:
  // Creates the event, or opens it when it exists; the owner sets the
  // initial state.
  static bool create(const std::string& name, bool signalled, NamedEvent& out);
  // Opens an existing event; false when there is none.
  static bool open(const std::string& name, NamedEvent& out);

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
