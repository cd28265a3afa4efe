#include "main/process_objects.h"

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

}  // namespace

InstanceGuard::InstanceGuard(const std::string& name) {
  fd_ = ::open(objectPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  acquired_ = flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceGuard::~InstanceGuard() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceGuard::heldByAnyone(const std::string& name) {
  int fd = ::open(objectPath(name).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return !free;
}

bool NamedEvent::create(const std::string& name, bool signalled, NamedEvent& out) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  ev.fd_ = ::open(ev.path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (ev.fd_ < 0) return false;
  fchmod(ev.fd_, 0666);  // a controller of another user must be able to reset it
  if (!ev.write(signalled ? '1' : '0')) return false;
  out = std::move(ev);
  return true;
}

bool NamedEvent::open(const std::string& name, NamedEvent& out) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  ev.fd_ = ::open(ev.path_.c_str(), O_RDWR | O_CLOEXEC);
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
