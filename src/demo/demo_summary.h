// The demo's closing report: what the day's telegrams did to the shop
// floor, in terms a supervisor reads.
#pragma once

#include <string>
#include <vector>

#include "demo/demo_day.h"

struct DemoRun {
  std::string day;         // yyyymmdd
  std::string directory;   // where database, configuration and log live
  std::vector<DemoTelegram> telegrams;
  int logEntries = 0;      // message log entries written by the pass
};

void PrintDemoSummary(const DemoRun& run);
