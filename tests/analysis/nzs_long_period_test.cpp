// Periods of more than twelve hours are cut along attendance by the run:
// exactly twelve hours stay whole, one second more is cut, and a period
// over two days becomes one part per attendance and a part at its end; a
// long row whose start was generated gives way to its parts.
#include <gtest/gtest.h>

#include "analysis/analyses.h"
#include "db_fixture.h"
#include "nzs_floor.h"
#include "scenario_support.h"

namespace {

using namespace nzs_floor;

class NzsLongPeriodTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShiftFloor();
  }
};

std::string Shape(const NzaSatz& n) {
  return Start(n) + "-" + End(n) + " " + n.NzaBmk.str() + "/" + n.NzaEmk.str() + " " + std::to_string(n.NzaBbn) +
         "/" + std::to_string(n.NzaEbn);
}

std::vector<std::string> Shapes(const char* pnr, std::int16_t kind = 1, const char* apl = kApl) {
  std::vector<std::string> out;
  for (const NzaSatz& n : Periods(kind, pnr, apl)) out.push_back(Shape(n));
  return out;
}

TEST_P(NzsLongPeriodTest, TwelveHoursStayWholeOneSecondMoreIsCut) {
  Book(Booking(1, "P05", "PA", kDay, "060000", "00003001"));
  Book(Booking(2, "P08", "PE", kDay, "180000", "00003001"));
  Book(Booking(3, "P05", "PA", kDay, "060000", "00003002"));
  Book(Booking(4, "P08", "PE", kDay, "180001", "00003002"));
  Attendance("00003002", kDay, "055500", kDay, "141000");
  Nzs_Abarbeiten();
  EXPECT_EQ((std::vector<std::string>{"20261207060000-20261207180000 PA/PE 1/2"}), Shapes("00003001"));
  EXPECT_EQ((std::vector<std::string>{"20261207060000-20261207141000 PA/EG 3/0",
                                      "20261207180001-20261207180001 BG/PE 0/4"}),
            Shapes("00003002"));
}

TEST_P(NzsLongPeriodTest, PeriodOverTwoDaysIsCutAlongAttendance) {
  const char* pnr = "00003003";
  // Half past six: at six sharp the night shift of the evening before still
  // holds the start (shift ends count as inside).
  Book(Booking(5, "P05", "PA", kDay, "063000", pnr));
  Book(Booking(6, "P08", "PE", Day(1), "180000", pnr));
  Attendance(pnr, kDay, "055500", kDay, "141000");
  Attendance(pnr, Day(1), "055000", Day(1), "140500");
  Nzs_Abarbeiten();
  EXPECT_EQ((std::vector<std::string>{"20261207063000-20261207141000 PA/EG 5/0",
                                      "20261208055000-20261208140500 BG/EG 0/0",
                                      "20261208180000-20261208180000 BG/PE 0/6"}),
            Shapes(pnr));
  std::vector<NzaSatz> parts = Periods(1, pnr);
  ASSERT_EQ(3u, parts.size());
  for (const NzaSatz& part : parts) EXPECT_EQ("Nza_MPA", part.NzaErf.view()) << Shape(part);
  // The first part in the early shift, less its break.
  EXPECT_EQ("EARLY", parts[0].NzaEmo.view());
  EXPECT_DOUBLE_EQ(460.00, parts[0].NzaBza);
  EXPECT_DOUBLE_EQ(430.00, parts[0].NzaNza);
  EXPECT_DOUBLE_EQ(30.00, parts[0].NzaPza);
  // The second starts before six, in the night shift that began the evening
  // before, and carries that shift's day.
  EXPECT_EQ("NIGHT", parts[1].NzaEmo.view());
  EXPECT_EQ(1, parts[1].NzaWtg);
  EXPECT_EQ(341, parts[1].NzaJtg);
  EXPECT_DOUBLE_EQ(495.00, parts[1].NzaBza);
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
  EXPECT_EQ(0, testdb::CountRows("Kvs563Mrk"));
}

// On a work place without a shift model a resumption without interruption
// before it completes a row that begins at the day's first second;
// attendance then cuts it, and the long row must not stay beside its part
// (the same minutes would count twice).
TEST_P(NzsLongPeriodTest, GeneratedStartGivesWayToItsParts) {
  scenario::SetNoteSwitch(5, false);  // interruption periods are kept
  const char* present = "00003004";
  const char* absent = "00003005";
  auto onBareWorkPlace = [](MelSatz m) {
    m.KeyApl = "WP9";
    return m;
  };
  Book(onBareWorkPlace(Booking(11, "P05", "PA", kDay, "063000", present)));
  Book(onBareWorkPlace(Booking(12, "P07", "PW", kDay, "130000", present)));
  Book(onBareWorkPlace(Booking(13, "P08", "PE", kDay, "150000", present)));
  Attendance(present, kDay, "070000", kDay, "150000");
  Book(onBareWorkPlace(Booking(14, "P05", "PA", kDay, "140000", absent)));
  Book(onBareWorkPlace(Booking(15, "P07", "PW", kDay, "150000", absent)));
  Nzs_Abarbeiten();

  EXPECT_EQ((std::vector<std::string>{"20261207070000-20261207130000 UG/PW 0/12"}), Shapes(present, 2, "WP9"));
  EXPECT_EQ((std::vector<std::string>{"20261207063000-20261207150000 PA/PE 11/13"}), Shapes(present, 1, "WP9"));
  // Without attendance no part has a length: the long row stays and a part
  // of no length marks its end.
  EXPECT_EQ((std::vector<std::string>{"20261207000001-20261207150000 PU/PW 0/15",
                                      "20261207150000-20261207150000 UG/PW 0/15"}),
            Shapes(absent, 2, "WP9"));
}

INSTANTIATE_DB_TEST(NzsLongPeriodTest);

}  // namespace
