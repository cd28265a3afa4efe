#include "app/process_objects.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

std::string IpcDirectory() {
  const char* dir = std::getenv("BDEMORVELT_IPC_DIR");
  if (dir && *dir) return dir;
  struct stat st;
  if (stat("/run/bdemorvelt", &st) == 0 && S_ISDIR(st.st_mode)) return "/run/bdemorvelt";
  return "/dev/shm";
}

namespace {

constexpr mode_t kGuardMode = 0600;
constexpr mode_t kEventMode = 0644;

std::string objectPath(const std::string& name) { return IpcDirectory() + "/" + name; }

// Never follow a link planted under one of our names in a shared directory.
constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW;

std::string failureText(const std::string& what, const std::string& path) {
  return "cannot " + what + " " + path + ": " + std::strerror(errno);
}

// The holder of a flock on the file (dev, ino), as the kernel's table of
// locks shows it: lines like "1: FLOCK  ADVISORY  WRITE 4711 00:1a:28 0 EOF",
// waiting requests marked "->". -1 when /proc/locks cannot be read.
int flockHolder(dev_t dev, ino_t ino, pid_t* pid) {
  std::FILE* locks = std::fopen("/proc/locks", "re");
  if (!locks) return -1;
  char line[512];
  int found = 0;
  while (!found && std::fgets(line, sizeof line, locks)) {
    const char* p = std::strchr(line, ':');
    if (!p) continue;
    char type[16], kind[16], access[16];
    long holder = 0;
    unsigned maj = 0, min = 0;
    unsigned long long inode = 0;
    if (std::sscanf(p + 1, " %15s %15s %15s %ld %x:%x:%llu", type, kind, access, &holder, &maj, &min, &inode) != 7)
      continue;  // also a waiting request, whose type is "->"
    if (std::strcmp(type, "FLOCK") == 0 && maj == major(dev) && min == minor(dev) && inode == ino) {
      found = 1;
      if (pid) *pid = holder > 0 ? static_cast<pid_t>(holder) : 0;
    }
  }
  std::fclose(locks);
  return found;
}

// The same by trying a shared lock, for a system without /proc/locks; it
// needs the file readable and briefly holds a lock itself.
bool lockedByTrying(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | kOpenFlags);
  if (fd < 0) return false;
  const bool free = flock(fd, LOCK_SH | LOCK_NB) == 0;
  ::close(fd);
  return !free;
}

// The descriptor still names the file at `path` (a holder that ended may
// have removed it between our open and our lock).
bool stillNamed(int fd, const std::string& path) {
  struct stat held, named;
  return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

InstanceGuard::InstanceGuard(const std::string& name) : path_(objectPath(name)) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | kOpenFlags, kGuardMode);
    if (fd < 0) {
      const int openError = errno;
      if (heldByAnyone(name)) return;  // a worker of another user runs
      // Nobody holds it: a file left by another user's worker. Where the
      // directory lets us, it goes; else say why nothing can start.
      if (openError == EACCES && unlink(path_.c_str()) == 0) continue;
      errno = openError;
      failure_ = failureText("open the single-instance guard", path_);
      return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);  // another worker holds it
      return;
    }
    if (!stillNamed(fd, path_)) {
      ::close(fd);
      continue;
    }
    fchmod(fd, kGuardMode);  // a file made by an older version may be open to others
    fd_ = fd;
    return;
  }
  failure_ = "cannot take the single-instance guard " + path_ + ": it keeps being replaced";
}

InstanceGuard::~InstanceGuard() {
  if (fd_ < 0) return;
  // Removed while still held, so a worker starting now finds either this
  // file locked or no file; it checks that the file it locked is named.
  if (stillNamed(fd_, path_)) unlink(path_.c_str());
  ::close(fd_);
}

bool InstanceGuard::heldByAnyone(const std::string& name, pid_t* pid) {
  if (pid) *pid = 0;
  const std::string path = objectPath(name);
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  const int held = flockHolder(st.st_dev, st.st_ino, pid);
  return held < 0 ? lockedByTrying(path) : held == 1;
}

bool NamedEvent::create(const std::string& name, bool signalled, NamedEvent& out, std::string* failure) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  // The creator holds the guard: a file of that name is left by a worker
  // that was killed, perhaps of another user. A new file is ours alone.
  if (unlink(ev.path_.c_str()) != 0 && errno != ENOENT) {
    if (failure) *failure = failureText("replace", ev.path_);
    return false;
  }
  ev.fd_ = ::open(ev.path_.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, kEventMode);
  if (ev.fd_ < 0 || fchmod(ev.fd_, kEventMode) != 0 || !ev.write(signalled ? '1' : '0')) {
    if (failure) *failure = failureText("create", ev.path_);
    return false;
  }
  out = std::move(ev);
  return true;
}

bool NamedEvent::open(const std::string& name, NamedEvent& out) {
  NamedEvent ev;
  ev.path_ = objectPath(name);
  ev.fd_ = ::open(ev.path_.c_str(), O_RDWR | kOpenFlags);
  if (ev.fd_ < 0) return false;
  out = std::move(ev);
  return true;
}

int NamedEvent::peek(const std::string& name) {
  int fd = ::open(objectPath(name).c_str(), O_RDONLY | kOpenFlags);
  if (fd < 0) return -1;
  char state = 0;
  const bool read = pread(fd, &state, 1, 0) == 1;
  ::close(fd);
  return !read ? -1 : state == '1' ? 1 : 0;
}

std::string NamedEvent::owner(const std::string& name) {
  struct stat st;
  if (stat(objectPath(name).c_str(), &st) != 0) return "";
  struct passwd entry, *found = nullptr;
  char buffer[1024];
  if (getpwuid_r(st.st_uid, &entry, buffer, sizeof buffer, &found) == 0 && found) return found->pw_name;
  return "uid " + std::to_string(st.st_uid);
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
