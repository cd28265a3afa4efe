#include "app/process_objects.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

std::string IpcDirectory() {
  const char* dir = std::getenv("BDEMORVELT_IPC_DIR");
  if (dir && *dir) return dir;
  struct stat st;
  if (stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode)) return "/dev/shm";
  return "/tmp";
}

namespace {

std::string objectPath(const std::string& name) { return IpcDirectory() + "/" + name; }

// The directory is shared by every user of the machine: never follow a
// link planted under one of our names, and let a worker or controller of
// another user open what this one created.
constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW;

int openObject(const std::string& path, int flags) {
  int fd = ::open(path.c_str(), flags | kOpenFlags, 0666);
  if (fd >= 0 && (flags & O_CREAT)) fchmod(fd, 0666);  // fails harmlessly for another owner's file
  return fd;
}

}  // namespace

InstanceGuard::InstanceGuard(const std::string& name) {
  // A lock needs no write access, so a guard file left by another user
  // does not keep this one's worker from starting.
  fd_ = openObject(objectPath(name), O_RDONLY | O_CREAT);
  if (fd_ < 0) return;
  acquired_ = flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceGuard::~InstanceGuard() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceGuard::heldByAnyone(const std::string& name) {
  int fd = openObject(objectPath(name), O_RDONLY);
  if (fd < 0) return false;
  bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return !free;
}

bool NamedEvent::create(const std::string& name, bool signalled, NamedEvent& out) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  ev.fd_ = openObject(ev.path_, O_RDWR | O_CREAT);  // a controller of another user may reset it
  if (ev.fd_ < 0) return false;
  if (!ev.write(signalled ? '1' : '0')) return false;
  out = std::move(ev);
  return true;
}

bool NamedEvent::open(const std::string& name, NamedEvent& out) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  ev.fd_ = openObject(ev.path_, O_RDWR);
  if (ev.fd_ < 0) return false;
  out = std::move(ev);
  return true;
}

NamedEvent::NamedEvent(NamedEvent&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

NamedEvent& NamedEvent::operator=(NamedEvent&& other) noexcept {
  if (this != &other) {
    close(false);
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

NamedEvent::~NamedEvent() { close(false); }

bool NamedEvent::write(char state) {
  return fd_ >= 0 && pwrite(fd_, &state, 1, 0) == 1;
}

bool NamedEvent::set() { return write('1'); }
bool NamedEvent::reset() { return write('0'); }

int NamedEvent::test() const {
  char state = 0;
  if (fd_ < 0 || pread(fd_, &state, 1, 0) != 1) return -1;
  return state == '1' ? 1 : 0;
}

void NamedEvent::close(bool removeName) {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  if (removeName) unlink(path_.c_str());
}
