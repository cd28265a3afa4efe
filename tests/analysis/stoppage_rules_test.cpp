// The stoppage rules without a database: an event list in, the stoppage
// periods out. Only time inside a shift counts; of it, the time in breaks
// apart from the time outside them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/stg/stoppage.h"
#include "event_lines.h"

namespace {

// "HHMMSS-HHMMSS reason: in shift, outside breaks, in breaks, counted".
std::string shapeOf(const NzaSatz& r) {
  char figures[96];
  std::snprintf(figures, sizeof figures, "%.2f %.2f %.2f %.2f", r.NzaBzu, r.NzaUza, r.NzaPzu, r.NzaUbz);
  return r.NzaDtmUhr.str() + "-" + r.NzaEdtUhr.str() + " " + r.NzaUbg.str() + ": " + figures;
}

struct Case {
  const char* what;
  std::vector<std::string> events;
  std::vector<std::string> rows;
  bool periodRows = true;
};

TEST(StoppageRules, EventListGivesPeriodsInShiftTimeOnly) {
  const std::vector<Case> cases = {
      {"inside a shift, no break",
       {"KM 060000", "BS 100000 0101", "ES 110000", "GH 140000"},
       {"100000-110000 0101: 60.00 60.00 0.00 60.00"}},
      {"a break inside the stoppage counts apart",
       {"KM 060000", "BS 100000 0101", "BP 103000", "EP 104500", "ES 110000", "GH 140000"},
       {"100000-110000 0101: 60.00 45.00 15.00 60.00"}},
      {"begun before the shift: only the shift's part counts",
       {"BS 050000 0102", "KM 060000", "ES 070000", "GH 140000"},
       {"050000-070000 0102: 60.00 60.00 0.00 60.00"}},
      {"past the shift's end: only the shift's part counts",
       {"KM 060000", "BS 133000 0103", "GH 140000", "ES 143000"},
       {"133000-143000 0103: 30.00 30.00 0.00 30.00"}},
      {"outside every shift: a period with nothing counted",
       {"BS 150000 0104", "ES 153000"},
       {"150000-153000 0104: 0.00 0.00 0.00 0.00"}},
      {"two stoppages, each its own figures",
       {"KM 060000", "BS 070000 0101", "ES 071000", "BS 080000 0102", "ES 080500", "GH 140000"},
       {"070000-071000 0101: 10.00 10.00 0.00 10.00", "080000-080500 0102: 5.00 5.00 0.00 5.00"}},
      {"an end with no stoppage open closes nothing",
       {"KM 060000", "BS 100000 0101", "ES 110000", "ES 113000", "GH 140000"},
       {"100000-110000 0101: 60.00 60.00 0.00 60.00"}},
      {"an end alone closes nothing", {"KM 060000", "ES 090000", "GH 140000"}, {}},
      {"without the switch no rows",
       {"KM 060000", "BS 100000 0101", "ES 110000", "GH 140000"},
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimeLine line = event_lines::LineOf("DlzStd", "00000000", c.events);
    std::vector<std::string> rows;
    for (const NzaSatz& r : Dlz_Auswerten(line, c.periodRows)) rows.push_back(shapeOf(r));
    EXPECT_EQ(c.rows, rows);
  }
}

}  // namespace
