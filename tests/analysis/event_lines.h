// Event lists written as text for the tests of the analyses' rules.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "analysis/event_state.h"
#include "analysis/timeline.h"

namespace event_lines {

inline constexpr const char* kDay = "20261207";

// The figure columns by counter, in the order of LzaZaehler.
inline constexpr const char* kFigureNames[kLzaZaehler] = {"Nza", "Bza", "Uza", "Abz", "Pza", "Nzr",
                                                          "Bzr", "Uzr", "Rbz", "Pzr", "Ist", "Sol",
                                                          "Pau", "Nzu", "Bzu", "Ubz", "Pzu", "Rf1"};

// A time line of kDay from events such as "AB 063000" or "AU 080000 0007"
// (kind, time, reason), in the order given.
inline TimeLine LineOf(const char* erf, const char* pnr, const std::vector<std::string>& events) {
  TimeLine line;
  for (const std::string& e : events) {
    std::istringstream in(e);
    std::string kind, time, reason;
    in >> kind >> time >> reason;
    MltSatz row = TimeLineRow(erf, "20261207230000", pnr, "WP1", "FA1", "00010");
    SetEvent(row, kind, std::string(kDay) + time);
    row.MltUbg = reason;
    line.Add(row);
  }
  return line;
}

}  // namespace event_lines
