#include "app/worker.h"

#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "db/tables/bnr.h"
#include "app/login.h"
#include "db/engine/dbdb.h"
#include "app/loop.h"
#include "base/msglog.h"
#include "app/process_objects.h"
#include "app/standby.h"
#include "db/engine/session.h"

namespace {

volatile std::sig_atomic_t gStopSignal = 0;

void onStopSignal(int) { gStopSignal = 1; }

sigset_t stopSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  return set;
}

void installSignals() {
  struct sigaction sa = {};
  sa.sa_handler = onStopSignal;
  sigemptyset(&sa.sa_mask);
  // Calls inside a pass are restarted; the sleep is a ppoll, which a
  // signal always ends, restart or not.
  sa.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
}

long long monotonicMillis() {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Sleeps until the interval is over or a stop signal arrives. The signals
// stay blocked between the test of the flag and the wait, and ppoll lets
// them in only while it waits, so a signal arriving just before the wait
// cannot be missed and leave the worker asleep for the whole interval.
void sleepMillis(long long ms) {
  if (ms <= 0) return;
  const sigset_t stop = stopSignals();
  sigset_t waiting;
  sigprocmask(SIG_BLOCK, &stop, &waiting);
  sigdelset(&waiting, SIGTERM);
  sigdelset(&waiting, SIGINT);
  const long long deadline = monotonicMillis() + ms;
  for (long long left = ms; !gStopSignal && left > 0; left = deadline - monotonicMillis()) {
    struct timespec span = {static_cast<time_t>(left / 1000), static_cast<long>(left % 1000) * 1000000L};
    ppoll(nullptr, 0, &span, &waiting);
  }
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);
}

long long pollingIntervalMs() {
  BnrSatz bnr;
  bnr.BnrKey = "BDBER";
  int rc = Bnr_PKeyReadk(&bnr);
  long long seconds = bnr.BnrBnr;
  if (rc != 0) {
    LogError("Bnr_PKeyReadk()", "Fehler BnrSatz lesen", rc);
    seconds = 60;
  }
  return seconds * 1000;
}

// The name under which the process entry logs.
constexpr const char* kProcessName = "BdeMorvelt";

// One line on standard error; under systemd with the priority of an error.
void tellOperator(const std::string& line) {
  const char* journal = std::getenv("JOURNAL_STREAM");
  std::fprintf(stderr, "%s%s\n", journal && *journal ? "<3>" : "", line.c_str());
}

// The top of a pass: has a controller reset the stop event?
bool stopRequested(NamedEvent& stopEvent) {
  if (gStopSignal) return true;
  return stopEvent.test() == 0;  // a failed test keeps the worker running
}

}  // namespace

bool StopSignalled() { return gStopSignal != 0; }

int RunWorker(const Options& options) {
  InstanceGuard guard("MORVELT_MTX");
  if (!guard.acquired()) {
    // A second instance leaves without a word; a guard nobody holds but
    // that cannot be taken is worth one.
    if (!guard.failure().empty()) tellOperator("bdemorvelt: " + guard.failure());
    return 0;
  }

  installSignals();
  MsgOpen(7, options.logFile);
  dbSetConfigFile(options.configFile);
  const LoginResult login = dbLogin();
  if (login.status != 0) {
    LogError("dbConnect", "fehlerhafter Connect mit der DB", login.status);
    tellOperator(LoginFailureText(login));
    return login.badConfiguration ? kExitConfiguration : kExitLoginFailed;
  }
  const long long interval = pollingIntervalMs();

  NamedEvent stopEvent, startEvent, leaseEvent;
  std::string failure;
  if (!NamedEvent::create("StopMorveltEvent", true, stopEvent, &failure) ||
      !NamedEvent::create("StartMorveltEvent", false, startEvent, &failure) ||
      !NamedEvent::create("LeaseMorveltEvent", false, leaseEvent, &failure)) {
    tellOperator("bdemorvelt: " + failure);
    return 0;
  }
  startEvent.set();
  LogSystem(kProcessName, "Worker gestartet, pid " + std::to_string(getpid()), 0);
  LeaseKeeper lease(leaseEvent);

  const PassPhases phases = DefaultPhases();
  for (;;) {
    if (stopRequested(stopEvent)) break;
    stopEvent.set();
    if (!db::Session::get().alive()) lease.connectionLost();
    if (EnsureConnected() && lease.mayBook()) RunPass(phases);
    if (options.once) break;
    sleepMillis(interval);
  }

  LogSystem(kProcessName, "Worker beendet", 0);
  stopEvent.set();
  stopEvent.close(true);
  startEvent.close(true);
  leaseEvent.close(true);
  return 0;
}
