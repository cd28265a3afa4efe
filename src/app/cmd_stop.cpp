// `bdemorvelt stop [--wait [SECONDS]]`: the controller's reset of the
// worker's stop event. Exit 0 told (and with --wait: ended), 1 no worker
// runs, 4 a worker runs that this user may not stop, 5 --wait ran out.
#include <errno.h>
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "app/commands.h"
#include "app/process_objects.h"

namespace {

enum StopExit { kTold = 0, kNoWorker = 1, kNotAllowed = 4, kStillRunning = 5 };

// A process that has exited but not been collected by its parent (a
// zombie) has ended too: it will never run again, and its parent may be
// the very caller waiting for this command.
bool processGone(pid_t pid) {
  if (kill(pid, 0) != 0) return errno == ESRCH;
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return true;
  const std::size_t name = line.rfind(')');  // the command name may hold blanks
  return name != std::string::npos && line.size() > name + 2 && line[name + 2] == 'Z';
}

// True once the worker told to stop has ended (another may have started).
// The guard goes some time before the process does (the last log entry,
// freeing memory, a sanitizer's leak check), so with the holder known its
// process must be gone as well.
bool ended(pid_t worker) {
  pid_t now = 0;
  if (InstanceGuard::heldByAnyone("MORVELT_MTX", &now) && (worker == 0 || now == worker)) return false;
  return worker == 0 || processGone(worker);
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
