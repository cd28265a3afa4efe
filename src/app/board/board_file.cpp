#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/board/board.h"

namespace board {

bool ReplaceFile(const std::string& path, const std::string& page, std::string* error) {
  // Beside the page, so that the rename stays within one file system.
  const std::string next = path + ".new";
  const int fd = open(next.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    *error = "cannot write " + next + ": " + std::strerror(errno);
    return false;
  }
  std::size_t done = 0;
  while (done < page.size()) {
    const ssize_t n = write(fd, page.data() + done, page.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const int writeErrno = errno;
  if (close(fd) != 0 || done < page.size()) {
    *error = "cannot write " + next + ": " + std::strerror(done < page.size() ? writeErrno : errno);
    unlink(next.c_str());
    return false;
  }
  if (std::rename(next.c_str(), path.c_str()) != 0) {
    *error = "cannot replace " + path + ": " + std::strerror(errno);
    unlink(next.c_str());
    return false;
  }
  return true;
}

}  // namespace board
