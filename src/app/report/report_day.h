// The day report: one self-contained HTML page per day with the day's
// figures per work place, group, plant and person, a time line of every
// work place (shifts, breaks, set-up, work and interruptions of its
// operations, stoppages) and of every person, and the tables of the period
// rows. Built from the database alone: bookings, period rows, master data.
#pragma once

#include <string>
#include <vector>

namespace report {

constexpr int kDaySeconds = 86400;

// A stretch of the day in seconds after its midnight (0 .. kDaySeconds).
struct Bar {
  int from = 0, to = 0;
  std::string kind;       // a state key of html::kStates, "shift", "break" or "present"
  std::string title;      // what the browser shows on hover, after kind and time
  std::string place;      // the work place it belongs to
  std::string operation;  // order/operation, empty for stoppages and presence
  int row = 0;            // 0: operations; 1: the work place's stoppages
  int seconds() const { return to - from; }
};

struct Lane {
  std::string key;    // work place or person number
  std::string title;  // as printed
  std::string detail;
  std::string group;  // work-place group; for persons the work place worked at most
  bool unknownBadge = false;
  std::vector<Bar> shifts, breaks, bars;
  double good = 0, reject = 0;  // work places: quantities booked on the day
};

struct Table {
  std::string caption;
  std::vector<std::string> head;
  std::vector<std::vector<std::string>> rows;
  std::string source;                  // where the figures come from
  std::vector<std::string> rowClasses;  // per row ("group", "plant", "outside"); may be shorter
};

struct Day {
  std::string day;      // yyyymmdd
  std::string newest;   // hh:mm of the newest booking of the day, empty without one
  std::string madeAt;   // yyyy-mm-dd hh:mm the page was made
  std::vector<Lane> workPlaces;
  std::vector<Lane> persons;
  std::vector<Table> details;  // per operation and per period
};

// Everything of the day from the connected database.
Day CollectDay(const std::string& day);

struct Links {
  std::string previous, next, index;  // relative file names, empty for none
};

// The page, with every text from the database escaped. `fullDay` draws
// 00:00-24:00 instead of the span of the day's shifts and periods.
std::string RenderPage(const Day& day, bool fullDay, const Links& links = {});

// Collects and renders DAY into the file at `path` ("-": standard
// output); false with a reason.
bool WriteDayReport(const std::string& day, const std::string& path, bool fullDay, std::string* error);

// Writes text to the file at `path`, or to standard output for "-".
bool WriteText(const std::string& text, const std::string& path, std::string* error);

}  // namespace report
