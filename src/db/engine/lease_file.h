// The lease of an embedded database: an exclusive flock on a file beside
// the database file ("<database>.lease"). The kernel releases it with the
// descriptor, however the process ends, even by kill -9. The holder writes
// its name into the file so that others can tell who it is.
#pragma once

#include <string>

namespace db {

class LeaseFile {
 public:
  LeaseFile() = default;
  ~LeaseFile();
  LeaseFile(const LeaseFile&) = delete;
  LeaseFile& operator=(const LeaseFile&) = delete;

  // Takes the lease when nobody holds it (the file is created when
  // missing). 0 with `held`, or the status of a file that cannot be used.
  int take(const std::string& path, const std::string& holder, bool& held);
  bool held() const { return fd_ >= 0; }

  // 0 with the holder's name, or an empty name when the lease is free.
  // Looks without taking anything a worker could be kept from.
  static int holderOf(const std::string& path, std::string& holder);

 private:
  int fd_ = -1;
};

// The lease file of a database file.
std::string LeaseFilePath(const std::string& databasePath);

}  // namespace db
