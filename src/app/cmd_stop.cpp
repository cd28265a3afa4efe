#include <cstdio>

#include "app/commands.h"
#include "app/process_objects.h"

int RunStop(const Options&) {
  NamedEvent stopEvent;
  if (!InstanceGuard::heldByAnyone("MORVELT_MTX") || !NamedEvent::open("StopMorveltEvent", stopEvent)) {
    std::fprintf(stderr, "bdemorvelt: no worker is running\n");
    return 1;
  }
  if (!stopEvent.reset()) {
    std::fprintf(stderr, "bdemorvelt: cannot reach the worker's stop event\n");
    return 1;
  }
  std::printf("worker told to stop\n");
  return 0;
}
