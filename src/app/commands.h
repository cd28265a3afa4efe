// The helper commands beside the worker. They print to standard output,
// errors to standard error, and return the process exit code.
#pragma once

#include <string>

#include "app/login.h"
#include "app/options.h"

int RunInitdb(const Options& options);
int RunFeed(const Options& options);
int RunStop(const Options& options);
int RunEncipher(const Options& options);
int RunDecipher(const Options& options);
int RunDemo(const Options& options);
int RunCalendar(const Options& options);
int RunReport(const Options& options);
int RunStatus(const Options& options);
int RunBoard(const Options& options);

// Logs in with the configuration file for a helper command; prints the
// reason on failure. createMissing lets initdb create an SQLite file.
bool ConnectForCommand(const Options& options, bool createMissing);
// The same without a word.
LoginResult LoginWithConfiguration(const Options& options, bool createMissing);
