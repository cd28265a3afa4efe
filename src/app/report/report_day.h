// The day report: one self-contained HTML page per day with a time line of
// every work place (shift and break bands, set-up, work and interruptions
// of its operations, stoppages) and of every person (work and
// interruption periods), and the tables of the day's figures. Built from
// the database alone: bookings, period rows and master data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace report {

// A stretch of the day in minutes after midnight (0 .. 1440).
struct Bar {
  int from = 0, to = 0;
  std::string kind;   // shift, break, setup, work, interruption, stoppage
  std::string label;  // shown as the bar's tooltip
};

struct Lane {
  std::string title;
  std::string detail;
  std::vector<Bar> bands;  // drawn behind: shifts and breaks
  std::vector<Bar> bars;
};

struct Table {
  std::string caption;
  std::vector<std::string> head;
  std::vector<std::vector<std::string>> rows;
};

struct Day {
  std::string day;  // yyyymmdd
  std::vector<Lane> workPlaces;
  std::vector<Lane> persons;
  std::vector<Table> tables;
};

// Everything of the day from the connected database.
Day CollectDay(const std::string& day);

// The page, with every text from the database escaped.
std::string RenderPage(const Day& day);

// Collects and renders DAY into the file at `path`; false with a reason.
bool WriteDayReport(const std::string& day, const std::string& path, std::string* error);

}  // namespace report
