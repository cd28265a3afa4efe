// Periods of more than twelve hours are cut along attendance by the run:
// exactly twelve hours stay whole, one second more is cut, and a period
// over two days becomes one part per attendance and a part at its end.
#include <gtest/gtest.h>

#include "analysis/analyses.h"
#include "db_fixture.h"
#include "nzs_floor.h"

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

std::vector<std::string> Shapes(const char* pnr) {
  std::vector<std::string> out;
  for (const NzaSatz& n : Periods(1, pnr)) out.push_back(Shape(n));
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

INSTANTIATE_DB_TEST(NzsLongPeriodTest);

}  // namespace
