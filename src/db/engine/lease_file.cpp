#include "db/engine/lease_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include "base/status.h"
#include "db/engine/failure.h"

namespace db {
namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW;
constexpr std::size_t kHolderLimit = 200;

// A file that cannot be opened or locked counts as a database that cannot
// be opened: the environment's fault.
int unusable() { return SqliteStatus(SQLITE_CANTOPEN); }

bool busy(int err) { return err == EWOULDBLOCK || err == EAGAIN; }

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::string LeaseFilePath(const std::string& databasePath) { return databasePath + ".lease"; }

LeaseFile::~LeaseFile() {
  if (fd_ >= 0) ::close(fd_);
}

int LeaseFile::take(const std::string& path, const std::string& holder, bool& held) {
  held = fd_ >= 0;
  if (held) return status::kOk;
  Descriptor file{::open(path.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0666)};
  if (file.fd < 0) return unusable();
  if (flock(file.fd, LOCK_EX | LOCK_NB) != 0) return busy(errno) ? status::kOk : unusable();
  // Only the holder writes, so a reader never sees a half-written name
  // of someone who still holds the lease.
  if (ftruncate(file.fd, 0) != 0 || pwrite(file.fd, holder.data(), holder.size(), 0) < 0) return unusable();
  fd_ = file.fd;
  file.fd = -1;
  held = true;
  return status::kOk;
}

int LeaseFile::holderOf(const std::string& path, std::string& holder) {
  holder.clear();
  Descriptor file{::open(path.c_str(), O_RDONLY | kOpenFlags)};
  if (file.fd < 0) return errno == ENOENT ? status::kOk : unusable();  // never taken
  // A shared lock is refused only while someone holds the exclusive one.
  if (flock(file.fd, LOCK_SH | LOCK_NB) == 0) return status::kOk;
  if (!busy(errno)) return unusable();
  char name[kHolderLimit];
  const ssize_t n = pread(file.fd, name, sizeof name, 0);
  holder.assign(name, n > 0 ? static_cast<std::size_t>(n) : 0);
  if (holder.empty()) holder = "unknown";  // taken, its name not yet written
  return status::kOk;
}

}  // namespace db
