// `bdemorvelt status [--json]`: how this installation is doing, for an
// operator or a monitoring system. Prints one "name: value" line each for
// the worker on this machine, the database, the lease, the queue and the
// pending notes (--json: the same facts as one JSON object), and tells the
// state by its exit code:
//   0 this machine's worker holds the lease and the database is reachable
//   1 no worker runs on this machine
//   2 the database cannot be reached
//   3 a worker runs here but does not hold the lease (a standby)
// When several hold, the first in this order counts: 1, 2, 3. It never
// takes the lease and never writes the message log.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/process_objects.h"
#include "app/standby.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/engine/lease.h"
#include "db/tables/mrk.h"
#include "db/tables/rcv.h"
#include "db/engine/session.h"

namespace {

enum StatusExit { kWorking = 0, kNoWorker = 1, kUnreachable = 2, kStandby = 3 };

// A figure read from the database, or the status of the read that failed.
struct Figure {
  std::optional<long long> value;
  int status = status::kOk;
};

struct StatusReport {
  bool workerRuns = false;
  pid_t workerPid = 0;            // 0 when the kernel does not tell it
  bool workerSaysHolder = false;  // its lease event is signalled
  int database = status::kOk;     // the login's status
  std::string databaseError;      // why it failed, for standard error
  std::string server;             // the server the connection reached, where the backend tells it
  int leaseStatus = status::kOk;
  std::string leaseHolder;  // empty: free
  Figure queueDepth, oldestAge;
  std::vector<std::pair<const char*, Figure>> notes;

  bool reachable() const { return database == status::kOk; }
  bool leaseKnown() const { return reachable() && leaseStatus == status::kOk; }

  // The worker here holds the lease: its event says so, and the database
  // names it as the holder (when the database could be asked).
  bool workerHoldsLease() const {
    if (!workerRuns || !workerSaysHolder) return false;
    if (!leaseKnown() || workerPid == 0) return true;
    const std::string name = LeaseHolderName(workerPid);
    return leaseHolder.rfind(name, 0) == 0 && (leaseHolder.size() == name.size() || leaseHolder[name.size()] == ' ');
  }

  int exitCode() const {
    if (!workerRuns) return kNoWorker;
    if (!reachable()) return kUnreachable;
    return workerHoldsLease() ? kWorking : kStandby;
  }
};

Figure queueAge(const RcvQueueState& queue) {
  long long age = Zeit_Differenz(queue.now, queue.oldest);
  return Figure{age < 0 ? 0 : age};  // stamped by a clock ahead of the database's
}

void readDatabase(StatusReport& r) {
  r.leaseStatus = db::LeaseHolder(r.leaseHolder);
  RcvQueueState queue;
  const int rc = Rcv_State(&queue);
  if (rc != status::kOk) {
    r.queueDepth.status = r.oldestAge.status = rc;
  } else {
    r.queueDepth.value = queue.rows;
    if (queue.rows > 0) r.oldestAge = queueAge(queue);
  }
  for (const char* kind : {"NZS", "LZS", "STG"}) {
    std::int32_t n = 0;
    const int count = Mrk_CountKng(kind, &n);
    r.notes.emplace_back(kind, count == status::kOk ? Figure{n} : Figure{std::nullopt, count});
  }
}

StatusReport gather(const Options& options) {
  StatusReport r;
  r.workerRuns = InstanceGuard::heldByAnyone("MORVELT_MTX", &r.workerPid);
  r.workerSaysHolder = r.workerRuns && NamedEvent::peek("LeaseMorveltEvent") == 1;
  const LoginResult login = LoginWithConfiguration(options, false);
  r.database = login.status;
  if (!r.reachable()) {
    r.databaseError = LoginFailureText(login);
    r.queueDepth.status = r.oldestAge.status = r.database;
    for (const char* kind : {"NZS", "LZS", "STG"}) r.notes.emplace_back(kind, Figure{std::nullopt, r.database});
    return r;
  }
  // Of several servers, the one that accepts writes; empty for the embedded database.
  r.server = db::Session::get().server();
  readDatabase(r);
  db::Session::get().disconnect();
  return r;
}

std::string serverName(const StatusReport& r) { return r.server.empty() ? "embedded" : r.server; }

std::string unknown(int rc) { return "unknown (" + std::to_string(rc) + ")"; }

void printText(const StatusReport& r) {
  if (!r.workerRuns) std::printf("worker: not running\n");
  else std::printf("worker: running, %s\n", r.workerHoldsLease() ? "holds the lease" : "standby");
  if (!r.reachable()) {
    std::printf("database: not reachable (%d)\n", r.database);
    return;
  }
  std::printf("database: reachable\n");
  std::printf("server: %s\n", serverName(r).c_str());
  if (!r.leaseKnown()) std::printf("lease: %s\n", unknown(r.leaseStatus).c_str());
  else if (r.leaseHolder.empty()) std::printf("lease: free\n");
  else std::printf("lease: held by %s\n", r.leaseHolder.c_str());
  if (!r.queueDepth.value) std::printf("queue: %s\n", unknown(r.queueDepth.status).c_str());
  else if (*r.queueDepth.value == 0) std::printf("queue: empty\n");
  else
    std::printf("queue: %lld telegram%s, oldest %lld s\n", *r.queueDepth.value, *r.queueDepth.value == 1 ? "" : "s",
                *r.oldestAge.value);
  std::string line;
  for (const auto& [kind, n] : r.notes)
    line += (line.empty() ? "notes: " : ", ") + std::string(kind) + " " +
            (n.value ? std::to_string(*n.value) : unknown(n.status));
  std::printf("%s\n", line.c_str());
}

// A figure, or null when it could not be read.
nlohmann::json jsonFigure(const Figure& f) { return f.value ? nlohmann::json(*f.value) : nlohmann::json(); }

// One object on one line, with the facts of the text form.
void printJson(const StatusReport& r) {
  const bool known = r.leaseKnown();
  nlohmann::json notes = nlohmann::json::object();
  for (const auto& [kind, n] : r.notes) notes[kind] = jsonFigure(n);
  nlohmann::json json = {
      {"exit_code", r.exitCode()},
      {"worker_running", r.workerRuns},
      {"worker_pid", r.workerRuns && r.workerPid > 0 ? nlohmann::json(r.workerPid) : nlohmann::json()},
      {"worker_holds_lease", r.workerHoldsLease()},
      {"database_reachable", r.reachable()},
      {"database_status", r.database},
      {"server", r.reachable() ? nlohmann::json(serverName(r)) : nlohmann::json()},
      {"lease_free", known ? nlohmann::json(r.leaseHolder.empty()) : nlohmann::json()},
      {"lease_holder", known && !r.leaseHolder.empty() ? nlohmann::json(r.leaseHolder) : nlohmann::json()},
      {"queue_depth", jsonFigure(r.queueDepth)},
      {"oldest_telegram_age_seconds", jsonFigure(r.oldestAge)},
      {"notes", notes}};
  // Bytes that are not UTF-8 (a host name, say) are replaced, never thrown at.
  std::printf("%s\n", json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

}  // namespace

int RunStatus(const Options& options) {
  const StatusReport report = gather(options);
  if (options.json) printJson(report);
  else printText(report);
  if (!report.databaseError.empty()) std::fprintf(stderr, "%s\n", report.databaseError.c_str());
  return report.exitCode();
}
