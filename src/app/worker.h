// The worker process: start-up, the polling loop and shut-down.
#pragma once

#include "app/options.h"

// Always 0, whatever happened, as controllers expect.
int RunWorker(const Options& options);

// The stop request of SIGTERM/SIGINT (counts as a reset of the stop event).
bool StopSignalled();
