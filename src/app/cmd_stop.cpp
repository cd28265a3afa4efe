// `bdemorvelt stop [--wait [SECONDS]]`: the controller's reset of the
// worker's stop event. Exit 0 told (and with --wait: ended), 1 no worker
// runs, 4 a worker runs that this user may not stop, 5 --wait ran out.
#include <errno.h>
#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "app/commands.h"
#include "app/process_objects.h"

namespace {

enum StopExit { kTold = 0, kNoWorker = 1, kNotAllowed = 4, kStillRunning = 5 };

// True once the worker told to stop has ended (another may have started).
bool ended(pid_t worker) {
  pid_t now = 0;
  return !InstanceGuard::heldByAnyone("MORVELT_MTX", &now) || (worker != 0 && now != worker);
}

int waitForEnd(pid_t worker, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!ended(worker)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      std::fprintf(stderr, "bdemorvelt: the worker still runs after %d s\n", seconds);
      return kStillRunning;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::printf("worker ended\n");
  return kTold;
}

}  // namespace

int RunStop(const Options& options) {
  pid_t worker = 0;
  NamedEvent stopEvent;
  if (!InstanceGuard::heldByAnyone("MORVELT_MTX", &worker)) {
    std::fprintf(stderr, "bdemorvelt: no worker is running\n");
    return kNoWorker;
  }
  if (!NamedEvent::open("StopMorveltEvent", stopEvent)) {
    if (errno == EACCES || errno == EPERM) {
      std::fprintf(stderr, "bdemorvelt: the worker runs as user %s; only that user or root may stop it\n",
                   NamedEvent::owner("StopMorveltEvent").c_str());
      return kNotAllowed;
    }
    std::fprintf(stderr, "bdemorvelt: the worker has no stop event (still starting?)\n");
    return kNoWorker;
  }
  if (!stopEvent.reset()) {
    std::fprintf(stderr, "bdemorvelt: cannot reach the worker's stop event\n");
    return kNoWorker;
  }
  std::printf("worker told to stop\n");
  return options.waitSeconds < 0 ? kTold : waitForEnd(worker, options.waitSeconds);
}
