// bdemorvelt report [DAY] [--out FILE]: the day's picture and figures as
// one self-contained HTML page.
#include <cstdio>
#include <string>

#include "app/commands.h"
#include "app/report/report_day.h"
#include "base/civil_date.h"
#include "base/datetime.h"

int RunReport(const Options& options) {
  if (options.args.size() > 1) {
    std::fprintf(stderr, "usage: bdemorvelt report [DAY] [--out FILE]\n");
    return 2;
  }
  std::string day, unused;
  if (options.args.empty()) Datum_Zeit(day, unused, 3);
  else day = options.args[0];
  if (day.size() != 8 || AddDays(day, 0).empty()) {
    std::fprintf(stderr, "bdemorvelt report: not a date (yyyymmdd): %s\n", day.c_str());
    return 2;
  }
  const std::string path = options.outFile.empty() ? "report-" + day + ".html" : options.outFile;
  if (!ConnectForCommand(options, false)) return 1;
  std::string error;
  if (!report::WriteDayReport(day, path, &error)) {
    std::fprintf(stderr, "bdemorvelt report: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}
