// The day's figures: per work place, group and plant, each second of a
// shift outside its breaks counted once, under the first that applies of
// stoppage, interruption, set-up, work and not used; per person the time
// present, on operations and interrupted.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/report/report_day.h"

namespace report {

// Seconds per state, in the order of html::kStates (the last is "not used").
using StateSeconds = std::array<long long, 5>;

struct PlaceFigures {
  long long shift = 0, breaks = 0;
  StateSeconds inShift{};  // within shift time outside breaks; adds up to shift - breaks
  StateSeconds outside{};  // outside shift time or in breaks ("not used" stays 0)
  double good = 0, reject = 0;
  void add(const PlaceFigures& other);
};

struct PersonFigures {
  long long present = 0, onOperations = 0, interrupted = 0;
};

PlaceFigures FiguresOf(const Lane& workPlace);
PersonFigures PersonFiguresOf(const Lane& person);

// Work ÷ (shift − breaks) in per cent; negative without shift time.
double Utilisation(const PlaceFigures& f);

// The printed figures of a line: shift, breaks, the states, utilisation,
// good and reject; for the line of work outside shift time only the states.
std::vector<std::string> FigureCells(const PlaceFigures& f, bool outside = false);

// The summary tables: work places with their groups and the plant, persons.
std::vector<Table> SummaryTables(const Day& day);

// The plant's figures of the day (for the index of a range).
PlaceFigures PlantFigures(const Day& day);

}  // namespace report
