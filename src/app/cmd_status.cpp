// `bdemorvelt status`: how this installation is doing, for an operator or a
// monitoring system. Prints one "name: value" line each for the worker on
// this machine, the database, the lease, the queue and the pending notes,
// and tells the state by its exit code:
//   0 a worker runs and the database is reachable
//   1 no worker runs on this machine
//   2 the database cannot be reached
//   3 a worker runs but is a standby: another installation holds the lease
// When several hold, the first in this order counts: 1, 2, 3.
#include <cstdio>
#include <string>

#include "app/commands.h"
#include "app/process_objects.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/lease.h"
#include "db/mrk.h"
#include "db/rcv.h"
#include "db/session.h"

namespace {

enum StatusExit { kWorking = 0, kNoWorker = 1, kUnreachable = 2, kStandby = 3 };

struct LocalWorker {
  bool runs = false;
  bool holdsLease = false;
};

// The worker of this installation, as its process objects show it.
LocalWorker localWorker() {
  LocalWorker w;
  w.runs = InstanceGuard::heldByAnyone("MORVELT_MTX");
  NamedEvent lease;
  w.holdsLease = w.runs && NamedEvent::open("LeaseMorveltEvent", lease) && lease.test() == 1;
  return w;
}

void printWorker(const LocalWorker& w) {
  if (!w.runs) std::printf("worker: not running\n");
  else std::printf("worker: running, %s\n", w.holdsLease ? "holds the lease" : "standby");
}

// The lease line; true when somebody is known to hold the lease.
bool printLease() {
  std::string holder;
  int rc = db::LeaseHolder(holder);
  if (rc != status::kOk) {
    std::printf("lease: unknown (%d)\n", rc);
    return true;  // counts as held: a standby must never pass for the worker that books
  }
  if (holder.empty()) std::printf("lease: free\n");
  else std::printf("lease: held by %s\n", holder.c_str());
  return !holder.empty();
}

void printQueue() {
  RcvQueueState queue;
  int rc = Rcv_State(&queue);
  if (rc != status::kOk) {
    std::printf("queue: unknown (%d)\n", rc);
    return;
  }
  if (queue.rows == 0) {
    std::printf("queue: empty\n");
    return;
  }
  long long age = Zeit_Differenz(queue.now, queue.oldest);
  if (age < 0) age = 0;  // stamped by a clock ahead of the database's
  std::printf("queue: %d telegram%s, oldest %lld s\n", queue.rows, queue.rows == 1 ? "" : "s", age);
}

void printNotes() {
  std::string line;
  for (const char* kind : {"NZS", "LZS", "STG"}) {
    std::int32_t n = 0;
    const int rc = Mrk_CountKng(kind, &n);
    line += line.empty() ? "notes: " : ", ";
    line += std::string(kind) + " " + (rc == status::kOk ? std::to_string(n) : "unknown (" + std::to_string(rc) + ")");
  }
  std::printf("%s\n", line.c_str());
}

}  // namespace

int RunStatus(const Options& options) {
  const LocalWorker worker = localWorker();
  printWorker(worker);
  std::string error;
  const int rc = ConnectWithConfiguration(options, false, &error);
  if (rc != status::kOk) {
    std::printf("database: not reachable (%d)\n", rc);
    if (!error.empty()) std::fprintf(stderr, "bdemorvelt: %s\n", error.c_str());
    return worker.runs ? kUnreachable : kNoWorker;
  }
  std::printf("database: reachable\n");
  const std::string server = db::Session::get().server();  // of several servers, the one that accepts writes
  std::printf("server: %s\n", server.empty() ? "embedded" : server.c_str());
  const bool leaseHeld = printLease();
  printQueue();
  printNotes();
  db::Session::get().disconnect();
  if (!worker.runs) return kNoWorker;
  return !worker.holdsLease && leaseHeld ? kStandby : kWorking;
}
