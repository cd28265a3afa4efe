// The run-time rules without a database: an event list in, the rows of a
// shift, of a day outside shifts and of an interruption out, with the
// counters each stretch of time adds to.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/lzs/evaluation.h"
#include "event_lines.h"

namespace {

std::string minutes(double figure) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", figure);
  return text;
}

// "kind from-to person: counter=minutes ..." with the counters that are not
// zero; an interruption row with its written figures.
std::string shapeOf(const LzaZeile& z) {
  const NzaSatz& r = z.row;
  std::string shape = std::to_string(r.NzaSa) + " " + r.NzaDtmUhr.str() + "-" + r.NzaEdtUhr.str() + " " +
                      r.NzaPnr.str() + ":";
  if (z.addToStored) {
    for (int k = 0; k < kLzaZaehler; ++k)
      if (z.counters[k] != 0) shape += std::string(" ") + event_lines::kFigureNames[k] + "=" + std::to_string(z.counters[k] / 60);
    return shape;
  }
  return shape + " " + r.NzaUbg.str() + " Bzu=" + minutes(r.NzaBzu) + " Uza=" + minutes(r.NzaUza) +
         " Nzu=" + minutes(r.NzaNzu) + " Ubz=" + minutes(r.NzaUbz);
}

struct Case {
  const char* what;
  std::vector<std::string> events;
  std::vector<std::string> rows;
  bool interruptionRows = true;
};

TEST(RunTimeRules, EventListGivesRowsPerShiftDayAndInterruption) {
  const std::vector<Case> cases = {
      {"set-up, then work, inside one shift",
       {"KM 060000", "RB 060000", "RE 063000", "AB 063000", "AE 130000", "GH 140000"},
       {"4 060000-140000 : Nza=390 Bza=390 Nzr=30 Bzr=30"}},
      {"a break during work is gross time, not net",
       {"KM 060000", "AB 060000", "BP 090000", "EP 091500", "AE 120000", "GH 140000"},
       {"4 060000-140000 : Nza=345 Bza=360 Pza=15"}},
      {"an interruption during work: its own row, and the shift's interrupted time",
       {"KM 060000", "AB 060000", "AU 080000 0007", "AW 082000", "AE 120000", "GH 140000"},
       {"3 080000-082000 : 0007 Bzu=20.00 Uza=20.00 Nzu=20.00 Ubz=20.00",
        "4 060000-140000 : Nza=340 Bza=340 Uza=20 Nzu=20 Bzu=20"}},
      {"without interruption rows only the shift row",
       {"KM 060000", "AB 060000", "AU 080000 0007", "AW 082000", "AE 120000", "GH 140000"},
       {"4 060000-140000 : Nza=340 Bza=340 Uza=20 Nzu=20 Bzu=20"},
       false},
      {"an interruption in set-up counts as set-up's",
       {"KM 060000", "RB 060000", "AU 061000 0002", "AW 061500", "RE 063000", "GH 140000"},
       {"3 061000-061500 : 0002 Bzu=0.00 Uza=0.00 Nzu=0.00 Ubz=5.00",
        "4 060000-140000 : Nzr=25 Bzr=25 Uzr=5"}},
      {"work past the shift's end goes into the day's row",
       {"KM 060000", "AB 130000", "GH 140000", "AE 150000"},
       {"4 060000-140000 : Nza=60 Bza=60", "4 000000-235959 00:0024:00: Nza=60 Bza=60"}},
      {"a shift with nothing going on gives no row", {"KM 060000", "GH 140000"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimeLine line = event_lines::LineOf("LzaStd", "", c.events);
    NzaSatz run;
    std::vector<std::string> rows;
    for (const LzaZeile& z : Lza_Auswerten("20261207230000", line, run, c.interruptionRows)) rows.push_back(shapeOf(z));
    EXPECT_EQ(c.rows, rows);
  }
}

}  // namespace
