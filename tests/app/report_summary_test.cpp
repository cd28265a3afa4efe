// How the day report counts a work place's and a person's seconds.
#include <gtest/gtest.h>

#include "app/html/state_style.h"
#include "app/report/report_summary.h"

namespace report {
namespace {

constexpr int H = 3600, M = 60;

Bar bar(const char* kind, int from, int to, const char* operation = "A/10", const char* place = "P1") {
  return {from, to, kind, "", place, operation, 0};
}

long long in(const PlaceFigures& f, const html::StateStyle& s) { return f.inShift[html::StateIndex(s.key)]; }
long long out(const PlaceFigures& f, const html::StateStyle& s) { return f.outside[html::StateIndex(s.key)]; }

// A shift 06:00-14:00 with a break 09:00-09:30. Two operations overlap,
// one is interrupted while the other works, a stoppage lies over both,
// and work goes on into the break and past the shift's end.
TEST(ReportSummary, EachSecondOfAShiftCountsOnceUnderTheFirstThatApplies) {
  Lane lane;
  lane.shifts = {bar("shift", 6 * H, 14 * H, "")};
  lane.breaks = {bar("break", 9 * H, 9 * H + 30 * M, "")};
  lane.bars = {bar("setup", 6 * H, 7 * H),
               bar("work", 7 * H, 15 * H),                      // A: 07:00 to 15:00
               bar("interruption", 8 * H, 10 * H),              // A interrupted 08:00-10:00
               bar("work", 7 * H + 30 * M, 12 * H, "B/20"),     // B works beside it
               bar("stoppage", 11 * H, 11 * H + 30 * M, ""),    // the work place stops
               bar("setup", 20 * H, 21 * H, "C/30")};           // outside every shift
  lane.good = 12;
  const PlaceFigures f = FiguresOf(lane);
  EXPECT_EQ(8 * H, f.shift);
  EXPECT_EQ(30 * M, f.breaks);
  EXPECT_EQ(30 * M, in(f, html::kStopped));
  EXPECT_EQ(90 * M, in(f, html::kInterrupted));  // 08:00-10:00 without the break
  EXPECT_EQ(1 * H, in(f, html::kSetUp));
  EXPECT_EQ(4 * H + 30 * M, in(f, html::kRunning));  // 07:00-08:00, 10:00-11:00, 11:30-14:00
  EXPECT_EQ(0, in(f, html::kIdle));
  long long parts = 0;
  for (long long s : f.inShift) parts += s;
  EXPECT_EQ(f.shift - f.breaks, parts);
  EXPECT_EQ(30 * M, out(f, html::kInterrupted));  // in the break
  EXPECT_EQ(1 * H, out(f, html::kRunning));      // 14:00-15:00
  EXPECT_EQ(1 * H, out(f, html::kSetUp));        // 20:00-21:00
  EXPECT_NEAR(100.0 * 4.5 / 7.5, Utilisation(f), 1e-9);
  EXPECT_EQ(12, f.good);

  PlaceFigures twice = f;
  twice.add(f);
  const std::vector<std::string> cells = FigureCells(twice);
  EXPECT_EQ((std::vector<std::string>{"16:00", "1:00", "1:00", "3:00", "2:00", "9:00", "0:00", "60 %", "24", "0"}),
            cells);
}

TEST(ReportSummary, PrintedPartsAddUpAfterRounding) {
  PlaceFigures f;
  f.shift = 8 * H;
  f.inShift = {40, 40, 40, 40, 8 * H - 160};  // four parts of 40 s, each printed as 0:01
  const std::vector<std::string> cells = FigureCells(f);
  EXPECT_EQ("0:01", cells[2]);
  EXPECT_EQ("7:56", cells[6]);  // what the printed shift leaves
}

// A person's work on an operation excludes its interruptions; while one
// operation is interrupted and another works, the person is on operations.
TEST(ReportSummary, PersonsWorkExcludesInterruption) {
  Lane person;
  person.bars = {bar("present", 6 * H, 14 * H, ""), bar("work", 6 * H, 10 * H),
                 bar("interruption", 7 * H, 8 * H), bar("work", 7 * H + 30 * M, 9 * H, "B/20"),
                 bar("work", 15 * H, 16 * H, "A/10", "P2"), bar("interruption", 15 * H, 16 * H, "A/10", "P2")};
  const PersonFigures f = PersonFiguresOf(person);
  EXPECT_EQ(9 * H, f.present);
  EXPECT_EQ(3 * H + 30 * M, f.onOperations);  // 06:00-07:00, 07:30-10:00
  EXPECT_EQ(1 * H + 30 * M, f.interrupted);   // 07:00-07:30 and 15:00-16:00
}

}  // namespace
}  // namespace report
