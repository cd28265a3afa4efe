// The day report reads a day from the database on every backend: shifts
// and breaks from the calendar, periods from the bookings, persons by name.
#include <gtest/gtest.h>

#include "app/html/state_style.h"
#include "app/report/report_day.h"
#include "app/report/report_summary.h"
#include "booking_builders.h"
#include "db/tables/aem.h"
#include "db/tables/apl.h"
#include "db/tables/emo.h"
#include "db/tables/kal.h"
#include "db/tables/mel.h"
#include "db/tables/pms.h"
#include "db/tables/pmz.h"
#include "db/tables/prv.h"
#include "db_fixture.h"
#include "master_builders.h"

namespace {

constexpr const char* kDay = "20261207";
constexpr int H = 3600, M = 60;

std::string day(int offset) { return master::ShiftDay(kDay, offset); }

// An early shift 06:00-14:00 and a night shift 22:00-06:00 that share one
// break model: 12:00-12:30 lies in the early shift, 02:00-02:30 in the night.
void loadShifts() {
  for (int k = -1; k <= 0; ++k) {
    KalSatz kal;
    kal.KalNum = "K1";
    kal.KalDtm = day(k);
    kal.KalBtp = "AT";
    ASSERT_EQ(0, Kal_PKeyIns(&kal));
  }
  master::FillCalendar(day(-1), day(0));
  AplSatz apl = master::WorkPlace("WP1");
  ASSERT_EQ(0, Apl_PKeyIns(&apl));
  for (auto [text, beg, end] : {std::tuple{"Early", 360, 840}, std::tuple{"Night", 1320, 360}}) {
    EmoSatz s = master::Shift("2SHIFT", "AT", text, beg, end);
    ASSERT_EQ(0, Emo_PKeyIns(&s, "P1"));
  }
  AemSatz a = master::Assignment("GRP1", "2SHIFT", day(-30), "K1");
  ASSERT_EQ(0, Aem_PKeyIns(&a, 1, ""));
  for (auto [pms, beg, end] : {std::tuple{"B1", 720, 750}, std::tuple{"B2", 120, 150}}) {
    PmsSatz p;
    p.PmsNum = pms;
    p.PmsBeg = beg;
    p.PmsEnd = end;
    ASSERT_EQ(0, Pms_PKeyIns(&p));
    PmzSatz z;
    z.PmzPmo = "P1";
    z.PmzPms = pms;
    z.PmzGvo = day(-30);
    z.PmzGbi = day(30);
    ASSERT_EQ(0, Pmz_PKeyIns(&z));
  }
  PrvSatz person = master::Person("00000042", "47110042", day(-30), "");
  person.PrvNam = "Ada <Lovelace>";
  ASSERT_EQ(0, Prv_PKeyIns(&person));
}

void book(const char* object, const char* mask, const char* time, const char* pnr = "00000042",
          const char* reason = "", double good = 0, double reject = 0) {
  static int bnr = 0;
  MelSatz m = booking::Booking(++bnr, 1, object, kDay, time);
  m.KeyApl = "WP1";
  m.KeyPnr = pnr;
  m.MelMsk = mask;
  m.KeyUbg = reason;
  m.MelGum = good;
  m.MelFam = reject;
  if (std::string(object) == "M__" || std::string(object) == "MP_") m.KeyApk = m.KeyApp = "";
  ASSERT_EQ(0, Mel_PKeyIns(&m));
}

class ReportCollect : public DbTest {};

TEST_P(ReportCollect, ReadsShiftsPeriodsAndPersonsOfTheDay) {
  loadShifts();
  if (HasFatalFailure()) return;
  book("MP_", "MA", "060000");
  book("M_A", "RB", "061000");
  book("MPA", "PA", "061000");
  book("M_A", "RE", "064000", "00000042", "", 2);
  book("M_A", "AB", "064500");
  book("M_A", "AU", "090000", "00000042", "0003");
  book("MPA", "PU", "090000", "00000042", "0003");
  book("M_A", "AW", "092000");
  book("MPA", "PW", "092000");
  book("M__", "BS", "100000", "00000042", "0101");
  book("M__", "ES", "103000");
  book("MPA", "PA", "110000", "99999999");
  book("MPA", "PE", "113000", "99999999");
  book("M_A", "AE", "130000", "00000042", "", 10, 1);
  book("MPA", "PE", "130000");
  book("MP_", "ME", "140000");

  const report::Day d = report::CollectDay(kDay);
  ASSERT_EQ(1u, d.workPlaces.size());
  const report::Lane& wp = d.workPlaces[0];
  EXPECT_EQ("GRP1", wp.group);
  // Last night's shift to 06:00, the early shift, tonight's from 22:00; each
  // break only in the shift it lies in.
  std::vector<std::tuple<int, int, std::string>> shifts, breaks;
  for (const report::Bar& b : wp.shifts) shifts.emplace_back(b.from, b.to, b.title);
  for (const report::Bar& b : wp.breaks) breaks.emplace_back(b.from, b.to, b.title);
  std::sort(shifts.begin(), shifts.end());
  std::sort(breaks.begin(), breaks.end());
  EXPECT_EQ((std::vector<std::tuple<int, int, std::string>>{
                {0, 6 * H, "Night"}, {6 * H, 14 * H, "Early"}, {22 * H, 24 * H, "Night"}}),
            shifts);
  EXPECT_EQ((std::vector<std::tuple<int, int, std::string>>{{2 * H, 2 * H + 30 * M, "Night"},
                                                             {12 * H, 12 * H + 30 * M, "Early"}}),
            breaks);

  const report::PlaceFigures f = report::FiguresOf(wp);
  auto in = [&](const html::StateStyle& s) { return f.inShift[html::StateIndex(s.key)]; };
  EXPECT_EQ(16 * H, f.shift);
  EXPECT_EQ(1 * H, f.breaks);
  EXPECT_EQ(30 * M, in(html::kStopped));
  EXPECT_EQ(20 * M, in(html::kInterrupted));
  EXPECT_EQ(30 * M, in(html::kSetUp));
  EXPECT_EQ(375 * M - 20 * M - 30 * M - 30 * M, in(html::kRunning));  // 06:45-13:00 less interruption, stop, break
  EXPECT_EQ(2 + 10, f.good);
  EXPECT_EQ(1, f.reject);
  EXPECT_EQ("14:00", d.newest);

  ASSERT_EQ(2u, d.persons.size());
  EXPECT_EQ("Ada <Lovelace>", d.persons[0].title);
  EXPECT_EQ("WP1", d.persons[0].group);
  const report::PersonFigures p = report::PersonFiguresOf(d.persons[0]);
  EXPECT_EQ(8 * H, p.present);
  EXPECT_EQ(410 * M - 20 * M, p.onOperations);  // 06:10-13:00 less 09:00-09:20
  EXPECT_EQ(20 * M, p.interrupted);
  EXPECT_TRUE(d.persons[1].unknownBadge);
  EXPECT_EQ("99999999", d.persons[1].detail);

  const std::string page = report::RenderPage(d, false);
  EXPECT_NE(std::string::npos, page.find("Ada &lt;Lovelace&gt;"));
  EXPECT_NE(std::string::npos, page.find(">00:00</text>"));  // the axis starts with last night's shift
  EXPECT_NE(std::string::npos, page.find("Early 06:00-14:00"));
}

INSTANTIATE_DB_TEST(ReportCollect);

}  // namespace
