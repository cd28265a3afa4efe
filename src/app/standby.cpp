#include "app/standby.h"

#include <unistd.h>

#include "base/msglog.h"
#include "base/status.h"
#include "db/engine/lease.h"
#include "db/engine/session.h"

std::string LeaseHolderName(pid_t pid) {
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
  return std::string(host[0] ? host : "unknown") + " pid " + std::to_string(pid);
}

bool LeaseKeeper::mayBook() {
  // The lease goes with the connection: held on the one before, it is
  // taken over anew on a new one (after a failover, on another server).
  const std::uint64_t connection = db::Session::get().generation();
  if (connection != connection_ && role_ == Role::Holder) role_ = Role::Unsure;
  connection_ = connection;
  bool held = false;
  const int rc = db::TakeLease(LeaseHolderName(), held);
  if (rc != status::kOk) {
    become(Role::Unsure, rc);
    return false;
  }
  become(held ? Role::Holder : Role::Standby, rc);
  return held;
}

void LeaseKeeper::connectionLost() {
  if (role_ == Role::Holder) become(Role::Unsure, status::kNotConnected);
}

// Logs the changes worth an operator's notice, each once: the lease taken
// or lost, becoming a standby, a lease that cannot be asked for. A lost
// connection is not repeated here; the reconnect reports it.
void LeaseKeeper::become(Role role, int status) {
  if (role == role_) return;
  const Role before = role_;
  role_ = role;
  role == Role::Holder ? event_.set() : event_.reset();
  if (before == Role::Holder) LogSystem("Lease", "Lease verloren", status);
  switch (role) {
    case Role::Holder:
      LogSystem("Lease", "Lease uebernommen, Worker bucht", 0);
      break;
    case Role::Standby:
      LogSystem("Lease", "Standby: andere Installation bucht", 0);
      break;
    case Role::Unsure:
      if (status != status::kNotConnected) LogError("Lease", "Lease nicht pruefbar", status);
      break;
    case Role::Starting:
      break;
  }
}
