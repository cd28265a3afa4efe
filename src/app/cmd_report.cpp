// bdemorvelt report [DAY] [--out FILE] [--full-day], and
// bdemorvelt report FROM TO --out DIR: the day's picture and figures as
// self-contained HTML pages.
#include <cstdio>
#include <string>

#include "app/commands.h"
#include "app/report/report_day.h"
#include "app/report/report_range.h"
#include "base/civil_date.h"
#include "base/datetime.h"

namespace {

bool isDay(const std::string& day) {
  if (day.size() == 8 && !AddDays(day, 0).empty()) return true;
  std::fprintf(stderr, "bdemorvelt report: not a date (yyyymmdd): %s\n", day.c_str());
  return false;
}

}  // namespace

int RunReport(const Options& options) {
  if (options.args.size() > 2) {
    std::fprintf(stderr, "usage: bdemorvelt report [DAY] [--out FILE] | report FROM TO --out DIR\n");
    return 2;
  }
  std::string day, unused;
  if (options.args.empty()) Datum_Zeit(day, unused, 3);
  else day = options.args[0];
  if (!isDay(day)) return 2;
  const bool range = options.args.size() == 2;
  if (range && (!isDay(options.args[1]) || options.args[1] < day)) {
    if (options.args[1].size() == 8) std::fprintf(stderr, "bdemorvelt report: TO lies before FROM\n");
    return 2;
  }
  if (range && (options.outFile.empty() || options.outFile == "-")) {
    std::fprintf(stderr, "bdemorvelt report: a range needs --out DIR\n");
    return 2;
  }
  const std::string path = options.outFile.empty() ? "report-" + day + ".html" : options.outFile;
  if (!ConnectForCommand(options, false)) return 1;
  std::string error;
  const bool ok = range ? report::WriteRange(day, options.args[1], path, options.fullDay, &error)
                        : report::WriteDayReport(day, path, options.fullDay, &error);
  if (!ok) {
    std::fprintf(stderr, "bdemorvelt report: %s\n", error.c_str());
    return 1;
  }
  if (path != "-") std::printf("%s\n", range ? (path + "/index.html").c_str() : path.c_str());
  return 0;
}
