// The person-time rules without a database: the event list of a closed
// work period in, its figures and those of the interruptions in it out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/event_state.h"
#include "analysis/nzs/nzs.h"
#include "event_lines.h"

namespace {

// The figures that are not zero, in whole minutes.
std::string figuresOf(const NzaSatz& period) {
  std::string text;
  for (int k = 0; k < kLzaZaehler; ++k)
    if (const double v = period.*kLzaSpalten[k]; v != 0)
      text += std::string(event_lines::kFigureNames[k]) + "=" + std::to_string(static_cast<int>(v)) + " ";
  return text;
}

// "start: net net gross break present" in minutes, "set-up" when so.
std::string interruptionOf(const NzsUnterbrechung& u) {
  std::string text = u.key.NzaDtmUhr.str() + ":";
  for (long long s : {u.ersteNetto, u.zweiteNetto, u.brutto, u.pause, u.anwesend}) text += " " + std::to_string(s / 60);
  return u.ruesten ? text + " set-up" : text;
}

struct Case {
  const char* what;
  std::vector<std::string> events;
  std::string figures;
  std::vector<std::string> interruptions;
  bool interruptionPeriods = true;
  bool setUp = false;
};

TEST(PersonTimeRules, WorkPeriodGivesItsFiguresAndItsInterruptions) {
  const std::vector<Case> cases = {
      {"work while present", {"KM 060000", "PA 060000", "PE 120000", "GH 140000"}, "Nza=360 Bza=360 Abz=360 ", {}},
      {"a break is gross time, not net",
       {"KM 060000", "PA 060000", "BP 090000", "EP 091500", "PE 120000", "GH 140000"},
       "Nza=345 Bza=360 Abz=360 Pza=15 ",
       {}},
      {"an interruption while present",
       {"KM 060000", "PA 060000", "PU 080000", "PW 083000", "PE 120000", "GH 140000"},
       "Nza=330 Bza=330 Uza=30 Abz=330 Nzu=30 Bzu=30 Ubz=30 ",
       {"080000: 30 30 30 0 30"}},
      {"an interruption over a break keeps the break apart",
       {"KM 060000", "PA 060000", "PU 085000", "BP 090000", "EP 091500", "PW 093000", "PE 120000", "GH 140000"},
       "Nza=320 Bza=320 Uza=25 Abz=320 Nzu=25 Bzu=40 Ubz=40 Pzu=15 ",
       {"085000: 25 25 40 15 40"}},
      {"work without coming counts nothing as present",
       {"PA 060000", "PU 063000", "PW 064000", "PE 070000"},
       "Nza=50 Bza=50 Uza=10 Nzu=10 Bzu=10 ",
       {"063000: 10 10 10 0 0"}},
      {"without interruption periods the figures stay, no interruption is given",
       {"KM 060000", "PA 060000", "PU 080000", "PW 083000", "PE 120000", "GH 140000"},
       "Nza=330 Bza=330 Uza=30 Abz=330 Nzu=30 Bzu=30 Ubz=30 ",
       {},
       false},
      {"an interruption of set-up is marked as such",
       {"KM 060000", "PA 060000", "PU 061000", "PW 061500", "PE 063000", "GH 140000"},
       "Nza=25 Bza=25 Uza=5 Abz=25 Nzu=5 Bzu=5 Ubz=5 ",
       {"061000: 5 5 5 0 5 set-up"},
       true,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimeLine line = event_lines::LineOf("MldToNza", "00010001", c.events);
    NzaSatz period;
    period.NzaRau = c.setUp ? 1 : 0;
    std::vector<std::string> interruptions;
    for (const NzsUnterbrechung& u : Nza_MPA_Auswerten(line, period, c.interruptionPeriods))
      interruptions.push_back(interruptionOf(u));
    EXPECT_EQ(c.figures, figuresOf(period));
    EXPECT_EQ(c.interruptions, interruptions);
  }
}

}  // namespace
