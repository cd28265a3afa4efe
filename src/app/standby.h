// Standby: a worker books only while it holds the database-wide lease.
// One that finds the lease held by another installation books nothing,
// says so once in the log and asks again at every pass; it takes over as
// soon as the lease is free. The lease goes with the connection, so after
// a reconnect it is taken anew before anything is booked. Taking the lease
// and losing it are system entries of the log; a lease that cannot be
// asked for is an error.
//
// The named event "LeaseMorveltEvent" shows controllers and
// `bdemorvelt status` which of the two the worker is: signalled while it
// holds the lease.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <string>

#include "app/process_objects.h"

class LeaseKeeper {
 public:
  explicit LeaseKeeper(NamedEvent& leaseEvent) : event_(leaseEvent) {}

  // Asked at the top of every pass, on a usable connection: true when
  // the worker holds the lease (taking it when it is free).
  bool mayBook();
  // Told when the connection was found lost: the lease went with it.
  void connectionLost();

 private:
  enum class Role { Starting, Holder, Standby, Unsure };
  void become(Role role, int status);

  NamedEvent& event_;
  Role role_ = Role::Starting;
  std::uint64_t connection_ = 0;  // the session's connection the role was found on
};

// How a worker of this machine names itself as the lease's holder:
// "<host> pid <pid>".
std::string LeaseHolderName(pid_t pid = getpid());
