// The day report at plant scale: how large the page is, how long the
// report takes to read the day and write its page, and how long a browser
// takes to load it.
//
//   report_bench SERVICE DAY [--out FILE] [--runs N]
//
// SERVICE is a database as the worker names it (sqlite:PATH or a
// postgresql:// URI), holding a booked and analysed day, for instance the
// plant day that `plant_day_bench SERVICE --work-places 200 --keep` leaves
// (its DAY is 20260302 unless --first-day says otherwise). The report is made
// N times (default 3) in this process, as `bdemorvelt report DAY` makes it
// after its login; the fastest run counts. The page is then opened N times
// in headless Chromium with a probe added to a copy of it that reads the
// page's own navigation entry: from navigation start to the load event.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/report/report_day.h"
#include "db/engine/dbdb.h"
#include "db/engine/session.h"

namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

constexpr const char* kProbe = R"(<script>
addEventListener('load', () => {
  const n = performance.getEntriesByType('navigation')[0];
  const p = document.createElement('pre');
  p.id = 'load-ms';
  p.textContent = String(n.loadEventStart - n.startTime);
  document.body.appendChild(p);
});
</script>
)";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Milliseconds from navigation start to the load event, or -1.
double browserLoad(const std::string& page, const std::string& scratch) {
  std::string probed = readFile(page);
  probed.insert(probed.rfind("</body>"), kProbe);
  const std::string copy = scratch + "/probed.html", dom = scratch + "/dom.html";
  std::ofstream(copy, std::ios::binary) << probed;
  const std::string command = std::string(kChromium) + " --headless --no-sandbox --disable-gpu --user-data-dir=" +
                              scratch + "/chromium --dump-dom file://" + std::filesystem::absolute(copy).string() +
                              " > " + dom + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return -1;
  const std::string out = readFile(dom);
  const auto at = out.find("<pre id=\"load-ms\">");
  return at == std::string::npos ? -1 : std::atof(out.c_str() + at + 18);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: report_bench SERVICE DAY [--out FILE] [--runs N]\n");
    return 2;
  }
  const std::string service = argv[1], day = argv[2];
  std::string out = "report-bench-" + day + ".html";
  int runs = 3;
  for (int k = 3; k + 1 < argc; k += 2) {
    if (std::string(argv[k]) == "--out") out = argv[k + 1];
    if (std::string(argv[k]) == "--runs") runs = std::max(1, std::atoi(argv[k + 1]));
  }
  std::string error;
  if (dbConnectWith("", "", service, false, &error) != 0) {
    std::fprintf(stderr, "report_bench: cannot connect to %s: %s\n", service.c_str(), error.c_str());
    return 1;
  }
  double best = 1e9;
  for (int r = 0; r < runs; ++r) {
    const auto start = std::chrono::steady_clock::now();
    if (!report::WriteDayReport(day, out, false, &error)) {
      std::fprintf(stderr, "report_bench: %s\n", error.c_str());
      return 1;
    }
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  db::Session::get().disconnect();
  const auto bytes = std::filesystem::file_size(out);
  std::printf("report of %s from %s\n", day.c_str(), service.c_str());
  std::printf("  page          %10.2f MB (%ju bytes) in %s\n", static_cast<double>(bytes) / (1024.0 * 1024.0),
              static_cast<std::uintmax_t>(bytes), out.c_str());
  std::printf("  report        %10.3f s to read the day and write the page (fastest of %d)\n", best, runs);
  if (access(kChromium, X_OK) != 0) {
    std::printf("  browser load  not measured: no %s\n", kChromium);
    return 0;
  }
  const std::string scratch = std::filesystem::temp_directory_path() / ("report-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::vector<double> loads;
  for (int r = 0; r < runs; ++r)
    if (const double ms = browserLoad(out, scratch); ms >= 0) loads.push_back(ms);
  std::filesystem::remove_all(scratch);
  if (loads.empty()) {
    std::printf("  browser load  not measured: the probe did not answer\n");
    return 1;
  }
  std::sort(loads.begin(), loads.end());
  std::printf("  browser load  %10.3f s from navigation start to the load event (median of %zu, headless Chromium)\n",
              loads[loads.size() / 2] / 1000.0, loads.size());
  return 0;
}
