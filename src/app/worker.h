// The worker process: start-up, the polling loop and shut-down.
#pragma once

#include <sysexits.h>

#include "app/options.h"

// The exit codes of the two start-up failures; every other path ends
// with 0, as controllers expect, and so does a second instance.
inline constexpr int kExitConfiguration = EX_CONFIG;  // 78: the file is missing, unreadable or lacks a value
inline constexpr int kExitLoginFailed = EX_UNAVAILABLE;  // 69: the database refused the login or is not there

int RunWorker(const Options& options);

// The stop request of SIGTERM/SIGINT (counts as a reset of the stop event).
bool StopSignalled();
