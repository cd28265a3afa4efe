// A primary and a streaming hot standby on this machine, each a private
// server of the server script, the standby's replication synchronous or
// not. Both are stopped, and their data removed, with the object.
#pragma once

#include <string>

namespace drill {

enum class Replication { Synchronous, Asynchronous };

class ReplicatedPair {
 public:
  ReplicatedPair(const std::string& dir, Replication mode);
  ~ReplicatedPair();
  ReplicatedPair(const ReplicatedPair&) = delete;
  ReplicatedPair& operator=(const ReplicatedPair&) = delete;

  // Empty when both servers run, else what failed.
  const std::string& failure() const { return failure_; }

  // "127.0.0.1:PORT" of each.
  std::string primary() const;
  std::string standby() const;
  // The URI of a database on each; the standby's also while it is a hot
  // standby, which takes no writes.
  std::string primaryUri(const std::string& dbname) const;
  std::string standbyUri(const std::string& dbname) const;

  // The primary ends at once, as when its machine dies (an immediate
  // shutdown: no checkpoint, no goodbye to its clients or its standby).
  bool crashPrimary();
  bool promoteStandby();
  // The old primary up again on its own, to read what it held.
  bool restartOldPrimary();

 private:
  std::string dir_, primaryDir_, standbyDir_, primaryUri_, standbyUri_, failure_;
};

}  // namespace drill
