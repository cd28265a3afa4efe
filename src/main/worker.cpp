#include "main/worker.h"

#include <cerrno>
#include <csignal>
#include <ctime>

#include "db/bnr.h"
#include "db/dbdb.h"
#include "main/loop.h"
#include "main/msglog.h"
#include "main/process_objects.h"
#include "main/switches.h"

namespace {

volatile std::sig_atomic_t gStopSignal = 0;

void onStopSignal(int) { gStopSignal = 1; }

void installSignals() {
  struct sigaction sa = {};
  sa.sa_handler = onStopSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;  // no SA_RESTART: a signal ends the sleep at once
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
}

void sleepMillis(long long ms) {
  if (ms <= 0) return;
  struct timespec left = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
  while (!gStopSignal && nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
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

// The top of a pass: has a controller reset the stop event?
bool stopRequested(NamedEvent& stopEvent) {
  if (gStopSignal) return true;
  return stopEvent.test() == 0;  // a failed test keeps the worker running
}

}  // namespace

bool StopSignalled() { return gStopSignal != 0; }

int RunWorker(const Options& options) {
  InstanceGuard guard("MORVELT_MTX");
  if (!guard.acquired()) return 0;  // a second instance leaves without a word

  installSignals();
  MsgOpen(7, options.logFile);
  dbSetConfigFile(options.configFile);
  int rc = dbConnect();
  if (rc != 0) {
    LogError("dbConnect", "fehlerhafter Connect mit der DB", rc);
    return 0;
  }
  const long long interval = pollingIntervalMs();
  NzpLaden();

  NamedEvent stopEvent, startEvent;
  if (!NamedEvent::create("StopMorveltEvent", true, stopEvent)) return 0;
  if (!NamedEvent::create("StartMorveltEvent", false, startEvent)) return 0;
  startEvent.set();

  const PassPhases phases = DefaultPhases();
  for (;;) {
    if (stopRequested(stopEvent)) break;
    stopEvent.set();
    if (EnsureConnected()) RunPass(phases);
    if (options.once) break;
    sleepMillis(interval);
  }

  stopEvent.set();
  stopEvent.close(true);
  startEvent.close(true);
  return 0;
}
