// The command line of bdemorvelt.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct Options {
  std::string command;  // empty: the worker itself
  std::vector<std::string> args;
  bool once = false;
  bool help = false;
  bool version = false;
  std::string configFile = "../../../../files/korvantis.ini";
  std::string logFile = "./Msg/BdeMorvelt.txt";
  std::string dayTypes = "AT,AT,AT,AT,AT,SA,SO";    // calendar: --day-types, Monday first
  std::string calendarNumbers;                      // calendar: --calendar (empty: those the assignments name)
  std::string outFile;                              // report, board: --out
  bool fullDay = false;                             // report: --full-day
  int everySeconds = 0;                             // board: --every SECONDS; 0 writes once
  int staleMinutes = 30;                            // board: --stale MINUTES
  bool json = false;                                // status: --json
  int waitSeconds = -1;                             // stop: --wait [SECONDS]; -1 does not wait
  std::string error;  // set when the command line cannot be understood
};

Options ParseOptions(int argc, char** argv);
// The usage text; to standard error when the command line was wrong.
void PrintUsage(std::FILE* out = stdout);
