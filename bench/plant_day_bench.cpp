// A plant's day through the worker: how fast the drain books the telegrams
// of a whole plant, and how fast the three analyses work off their notes.
//
//   plant_day_bench SERVICE [--work-places N] [--group-size N] [--shifts 2|3]
//                   [--persons N] [--days D] [--first-day yyyymmdd] [--seed S]
//                   [--slice MINUTES] [--history H] [--keep] [--log FILE]
//
// SERVICE is a service name as the worker takes it: sqlite:PATH (created
// when missing) or a postgresql:// URI. The tables are emptied, the plant's
// master data is loaded, and the plant's telegrams are fed as the plant sends
// them: the telegrams of each slice of plant time (15 minutes by default)
// are queued, then one pass of the worker runs with the clock at the end of
// the slice, as a worker polling a running plant would. The drain and each
// analysis are timed apart: telegrams per second, notes per second of each
// kind (NZS person time, LZS run time, STG stoppages). Afterwards the
// benchmark counts overlapping period rows and sums up the message log.
//
// --history H first books and analyses H days of the same plant before the
// measured days, and compares the cost per note with that of a run on an
// empty database. --keep leaves the database as it is at the end (for the
// report and the board) and prints where it is.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "analysis/analyses.h"
#include "app/loop.h"
#include "base/civil_date.h"
#include "base/msglog.h"
#include "db/engine/dbdb.h"
#include "db/tables/mrk.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "intake/receive.h"
#include "plant/log_entries.h"
#include "plant/overlaps.h"
#include "plant/plant.h"

// The analyses end what is still open at the run stamp, the local time. A
// benchmark replays plant time far faster than it passes, so the program
// keeps a clock of its own: while a pass runs, time() answers the plant
// time at the end of the slice. This definition takes the place of the C
// library's for the whole program; the steady clock that times the phases
// is not touched.
namespace {
std::time_t gPlantClock = 0;
}

extern "C" std::time_t time(std::time_t* out) noexcept {
  std::time_t now = gPlantClock;
  if (now == 0) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    now = ts.tv_sec;
  }
  if (out) *out = now;
  return now;
}

namespace {

constexpr const char* kKinds[] = {"NZS", "LZS", "STG"};

struct Options {
  std::string service;
  plant::PlantOptions plant;
  int sliceMinutes = 15;
  int history = 0;
  bool keep = false;
  std::string log = "plant-day.log";
};

// What the measured slices cost.
struct Figures {
  long telegrams = 0;
  double drainSeconds = 0;
  std::uint64_t drainTrips = 0;  // exchanges with a database server
  std::map<std::string, long> notes;
  std::map<std::string, double> seconds;
  std::map<std::string, std::uint64_t> trips;
  double tidySeconds = 0;  // the database's housekeeping between passes
  int passes = 0;
};

Figures* gFigures = nullptr;  // the figures the phases add to; none while history is booked

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::int32_t Pending(const char* kind) {
  std::int32_t n = 0;
  Mrk_CountKng(kind, &n);
  return n;
}

int TimedDrain() {
  const std::uint64_t trips = db::Session::get().connection().roundTrips();
  const auto start = std::chrono::steady_clock::now();
  const int rc = Input_Buchung();
  if (gFigures) {
    gFigures->drainSeconds += Since(start);
    gFigures->drainTrips += db::Session::get().connection().roundTrips() - trips;
  }
  return rc;
}

// The notes a run worked off are those pending before it and not after;
// counting them is left out of its time.
int TimedAnalysis(const char* kind, int (*run)()) {
  const std::int32_t before = gFigures ? Pending(kind) : 0;
  const std::uint64_t trips = db::Session::get().connection().roundTrips();
  const auto start = std::chrono::steady_clock::now();
  const int rc = run();
  if (gFigures) {
    gFigures->seconds[kind] += Since(start);
    gFigures->trips[kind] += db::Session::get().connection().roundTrips() - trips;
    gFigures->notes[kind] += before - Pending(kind);
  }
  return rc;
}

void TimedTidyUp() {
  const auto start = std::chrono::steady_clock::now();
  dbTidyUp();
  if (gFigures) gFigures->tidySeconds += Since(start);
}

int TimedNzs() { return TimedAnalysis("NZS", Nzs_Abarbeiten); }
int TimedLzs() { return TimedAnalysis("LZS", Lzs_Abarbeiten); }
int TimedStg() { return TimedAnalysis("STG", Dlz_Abarbeiten); }

std::time_t LocalTime(const std::string& moment) {
  std::tm t{};
  t.tm_year = std::stoi(moment.substr(0, 4)) - 1900;
  t.tm_mon = std::stoi(moment.substr(4, 2)) - 1;
  t.tm_mday = std::stoi(moment.substr(6, 2));
  t.tm_hour = std::stoi(moment.substr(8, 2));
  t.tm_min = std::stoi(moment.substr(10, 2));
  t.tm_sec = std::stoi(moment.substr(12, 2));
  t.tm_isdst = -1;
  return std::mktime(&t);
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "plant_day_bench: %s\n", what.c_str());
  std::exit(1);
}

void EmptyTables() {
  for (const std::string& t : db::schema::allTableNames(db::Session::get().dialect()))
    db::Session::get().connection().executeScript("delete from " + t);
}

// Feeds the plant slice by slice; the slices that end after midnight of
// the first measured day add to `measured`.
void Feed(const plant::Plant& p, const Options& o, int measuredFromDay, Figures& measured,
          std::map<std::string, int>& log) {
  PassPhases phases = DefaultPhases();
  phases.drainQueue = TimedDrain;
  phases.personAnalysis = TimedNzs;
  phases.runTimeAnalysis = TimedLzs;
  phases.stoppageAnalysis = TimedStg;
  phases.tidyUp = TimedTidyUp;
  const std::vector<plant::PlantTelegram>& telegrams = p.telegrams();
  const long slice = o.sliceMinutes * 60L;
  const long measuredFrom = measuredFromDay * 86400L;
  std::size_t queued = 0;
  std::int32_t lfn = 1;
  int reportedDay = -1;
  for (long end = slice; queued < telegrams.size(); end += slice) {
    const std::string upTo = plant::PlantMoment(p.options().firstDay, end - 1);
    const std::size_t next = plant::TelegramsUpTo(telegrams, upTo);
    if (int rc = plant::QueueTelegrams(telegrams, queued, next, lfn); rc != 0)
      Fail("telegrams could not be queued (" + std::to_string(rc) + ")");
    gFigures = end > measuredFrom ? &measured : nullptr;
    if (gFigures) {
      measured.telegrams += static_cast<long>(next - queued);
      ++measured.passes;
    }
    lfn += static_cast<std::int32_t>(next - queued);
    queued = next;
    gPlantClock = LocalTime(plant::PlantMoment(p.options().firstDay, end));
    RunPass(phases);
    gPlantClock = 0;
    plant::TakeLogEntries(MsgFileName(), MsgBackupName(), log);
    MsgSetEntryCount(0);
    const int day = static_cast<int>(end / 86400);
    if (!gFigures && day != reportedDay && day > 0) {
      std::fprintf(stderr, "  history: day %d of %d booked\n", day, measuredFromDay);
      reportedDay = day;
    }
  }
  gFigures = nullptr;
}

struct Run {
  Figures figures;
  std::map<std::string, int> log;
  std::map<int, std::int64_t> overlaps;
  double loadSeconds = 0;
};

// A fresh plant of `history` + the measured days on emptied tables.
Run RunPlant(const Options& o, int history) {
  plant::PlantOptions po = o.plant;
  po.days += history;
  const plant::Plant p(po);
  EmptyTables();
  Run run;
  auto start = std::chrono::steady_clock::now();
  std::string error;
  if (!p.load(&error)) Fail("master data: " + error);
  run.loadSeconds = Since(start);
  Feed(p, o, history, run.figures, run.log);
  run.overlaps = plant::CountOverlaps();
  return run;
}

void PrintPlant(const Options& o) {
  const plant::Plant p(o.plant);
  std::map<std::string, int> codes;
  for (const plant::PlantTelegram& t : p.telegrams()) codes[t.text.substr(71, 3)]++;
  std::printf("plant: %d work places in groups of %d, %d shifts, %zu persons, %d day(s) from %s, seed %llu\n",
              o.plant.workPlaces, o.plant.groupSize, o.plant.shifts, p.persons().size(), o.plant.days,
              o.plant.firstDay.c_str(), static_cast<unsigned long long>(o.plant.seed));
  std::printf("  %zu telegrams a run, %zu order operations:", p.telegrams().size(), p.operations().size());
  for (const auto& [fcd, n] : codes) std::printf(" %s %d", fcd.c_str(), n);
  std::printf("\n  fed in slices of %d minutes, one pass per slice\n", o.sliceMinutes);
}

void PrintFigures(const char* title, const Run& run) {
  const Figures& f = run.figures;
  std::printf("  %s (master data loaded in %.1f s, %d passes measured)\n", title, run.loadSeconds, f.passes);
  std::printf("    drain     %7ld telegrams in %7.2f s: %8.0f telegrams/s", f.telegrams, f.drainSeconds,
              f.drainSeconds > 0 ? f.telegrams / f.drainSeconds : 0.0);
  if (f.drainTrips > 0 && f.telegrams > 0)
    std::printf(", %.1f round trips per telegram", static_cast<double>(f.drainTrips) / f.telegrams);
  std::printf("\n");
  for (const char* kind : kKinds) {
    const long n = f.notes.count(kind) ? f.notes.at(kind) : 0;
    const double s = f.seconds.count(kind) ? f.seconds.at(kind) : 0;
    const std::uint64_t trips = f.trips.count(kind) ? f.trips.at(kind) : 0;
    std::printf("    %s       %7ld notes     in %7.2f s: %8.0f notes/s, %8.0f us per note", kind, n, s,
                s > 0 ? n / s : 0.0, n > 0 ? s * 1e6 / n : 0.0);
    if (trips > 0 && n > 0) std::printf(", %.1f round trips per note", static_cast<double>(trips) / n);
    std::printf("\n");
  }
  std::printf("    housekeeping between passes (the log folded back into the file): %.2f s\n", f.tidySeconds);
}

void PrintChecks(const Run& run) {
  std::printf("  overlapping closed period rows (pairs by kind):");
  if (run.overlaps.empty()) std::printf(" none");
  for (const auto& [kind, n] : run.overlaps) std::printf(" NzaSa %d: %lld", kind, static_cast<long long>(n));
  int entries = 0;
  for (const auto& [what, n] : run.log) entries += n;
  std::printf("\n  message log: %d entries\n", entries);
  for (const auto& [what, n] : run.log) std::printf("    %6d  %s\n", n, what.c_str());
}

double MicrosPerNote(const Figures& f, const char* kind) {
  const long n = f.notes.count(kind) ? f.notes.at(kind) : 0;
  return n > 0 ? f.seconds.at(kind) * 1e6 / n : 0;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    auto value = [&]() -> std::string { return k + 1 < argc ? argv[++k] : ""; };
    if (arg == "--keep") o.keep = true;
    else if (arg == "--work-places") o.plant.workPlaces = std::atoi(value().c_str());
    else if (arg == "--group-size") o.plant.groupSize = std::atoi(value().c_str());
    else if (arg == "--shifts") o.plant.shifts = std::atoi(value().c_str());
    else if (arg == "--persons") o.plant.personsPerShift = std::atoi(value().c_str());
    else if (arg == "--days") o.plant.days = std::atoi(value().c_str());
    else if (arg == "--first-day") o.plant.firstDay = value();
    else if (arg == "--seed") o.plant.seed = std::strtoull(value().c_str(), nullptr, 10);
    else if (arg == "--slice") o.sliceMinutes = std::atoi(value().c_str());
    else if (arg == "--history") o.history = std::atoi(value().c_str());
    else if (arg == "--log") o.log = value();
    else if (arg.rfind("--", 0) == 0 || !o.service.empty()) return false;
    else o.service = arg;
  }
  return !o.service.empty() && o.plant.workPlaces > 0 && o.plant.groupSize > 0 &&
         (o.plant.shifts == 2 || o.plant.shifts == 3) && o.plant.days > 0 && o.sliceMinutes > 0 &&
         o.history >= 0 && AddDays(o.plant.firstDay, 0).size() == 8;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: plant_day_bench SERVICE [--work-places N] [--group-size N] [--shifts 2|3] [--persons N]\n"
                 "       [--days D] [--first-day yyyymmdd] [--seed S] [--slice MINUTES] [--history H] [--keep]\n"
                 "       [--log FILE]\n");
    return 2;
  }
  std::string error;
  if (dbConnectWith("", "", o.service, true, &error) != 0 ||
      db::schema::create(db::Session::get().connection(), &error) != 0)
    Fail(o.service + ": " + error);
  MsgOpen(7, o.log);
  PrintPlant(o);
  std::printf("%s\n", db::Session::get().dialect() == db::Dialect::Postgres ? "PostgreSQL" : "SQLite");
  Run fresh = RunPlant(o, 0);
  PrintFigures("on an empty database", fresh);
  Run* last = &fresh;
  Run withHistory;
  if (o.history > 0) {
    EmptyTables();
    const auto start = std::chrono::steady_clock::now();
    withHistory = RunPlant(o, o.history);
    char title[96];
    std::snprintf(title, sizeof title, "after %d days of history (%.0f s in all)", o.history, Since(start));
    PrintFigures(title, withHistory);
    std::printf("    cost per note with history against none:");
    for (const char* kind : kKinds) {
      const double none = MicrosPerNote(fresh.figures, kind);
      std::printf(" %s %.2f", kind, none > 0 ? MicrosPerNote(withHistory.figures, kind) / none : 0.0);
    }
    std::printf("\n");
    last = &withHistory;
  }
  PrintChecks(*last);
  if (o.keep)
    std::printf("database kept: %s (the plant's last run)\n", o.service.c_str());
  else
    EmptyTables();
  db::Session::get().disconnect();
  return 0;
}
