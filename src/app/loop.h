// One pass of the worker's main loop.
#pragma once

#include <cstdint>

// The phases a pass may run; tests replace them to watch the decisions.
struct PassPhases {
  int (*queueSize)();
  int (*drainQueue)();
  int (*countNotes)(const char* kind, std::int32_t* count);
  int (*personAnalysis)();   // "NZS"
  int (*runTimeAnalysis)();  // "LZS"
  int (*stoppageAnalysis)(); // "STG"
  void (*commit)();
  void (*tidyUp)();  // after the phases, before the worker sleeps
};

PassPhases DefaultPhases();

// Queue, then the person and run-time analyses, then the stoppage
// analysis, each phase committed when it ran; then the database's
// housekeeping.
void RunPass(const PassPhases& phases);

// Reconnects when the connection was lost; logs each failed attempt.
// True when the worker has a usable connection.
bool EnsureConnected();
