// Shift assignments, shift and break models, calendars, day models and the
// analysis parameters on both backends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/tables/master_records.h"
#include "db/engine/session.h"
#include "db_fixture.h"
#include "db/tables/calendar_days.h"
#include "master_builders.h"

namespace {

using master::DayFromToday;
using master::ShiftDay;

class ShiftCalendarTest : public DbTest {};

constexpr const char* kDay = "20261207";  // a Monday

void CalendarType(const char* kal, const std::string& day, const char* btp) {
  KalSatz k;
  k.KalNum = kal;
  k.KalDtm = day;
  k.KalBtp = btp;
  ASSERT_EQ(0, Kal_PKeyIns(&k));
}

void AddShift(const char* emo, const char* ttp, const char* txt, int beg, int end, const char* pmo = "") {
  EmoSatz s = master::Shift(emo, ttp, txt, beg, end);
  ASSERT_EQ(0, Emo_PKeyIns(&s, pmo));
}

void AddAssignment(const char* apg, const char* emo, const std::string& gvo, std::int32_t kng,
                   const std::string& gbi = "") {
  AemSatz a = master::Assignment(apg, emo, gvo, "K1");
  ASSERT_EQ(0, Aem_PKeyIns(&a, kng, gbi.c_str()));
}

std::vector<AemSatz> ShiftsOn(const char* apg, std::int32_t kng, const std::string& day) {
  std::vector<AemSatz> rows;
  Aem_Schicht shifts;
  EXPECT_EQ(0, shifts.Open(apg, kng, day.c_str()));
  AemSatz a;
  int rc;
  while ((rc = shifts.Read(&a)) == 0) rows.push_back(a);
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, shifts.Close());
  return rows;
}

// A working-day calendar K1 around kDay with the holiday type on the day after.
void WorkingWeek() {
  master::FillCalendar(ShiftDay(kDay, -3), ShiftDay(kDay, 3));
  for (int k = -3; k <= 3; ++k) CalendarType("K1", ShiftDay(kDay, k), k == 1 ? "FT" : "AT");
}

TEST_P(ShiftCalendarTest, ShiftsOfTheAssignedModelsComeInTheOrderOfTheirStart) {
  WorkingWeek();
  AddShift("SM1", "AT", "early", 360, 840);
  AddShift("SM2", "AT", "night", 1320, 360);
  AddShift("SM2", "AT", "dawn", 300, 600);
  AddShift("SM1", "FT", "holiday", 480, 720);  // another day type: not on kDay
  AddAssignment("GRP1", "SM1", ShiftDay(kDay, -10), 1);
  AddAssignment("GRP1", "SM2", ShiftDay(kDay, -5), 1);

  std::vector<AemSatz> rows = ShiftsOn("GRP1", 1, kDay);
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ("SM2", rows[0].AemEmo.view());  // 300
  EXPECT_EQ("SM1", rows[1].AemEmo.view());  // 360
  EXPECT_EQ("SM2", rows[2].AemEmo.view());  // 1320
  const AemSatz& a = rows[1];
  EXPECT_EQ("GRP1", a.AemApg.view());
  EXPECT_EQ(ShiftDay(kDay, -10), a.AemGvo.view());
  EXPECT_EQ("K1", a.AemKal.view());
  EXPECT_EQ("AT", a.KalBtp.view());
  EXPECT_EQ(kDay, a.KalDtm.view());
  EXPECT_EQ(2026, a.BakJhr);
  EXPECT_EQ(12, a.BakMon);
  EXPECT_EQ(1, a.BakWtg);
  EXPECT_EQ(341, a.BakJtg);
  EXPECT_EQ(2, a.AemMaz);
}

TEST_P(ShiftCalendarTest, DayWhoseDayTypeHasNoShiftsDeliversNothing) {
  WorkingWeek();
  AddShift("SM1", "AT", "early", 360, 840);
  AddAssignment("GRP1", "SM1", ShiftDay(kDay, -10), 1);
  EXPECT_TRUE(ShiftsOn("GRP1", 1, ShiftDay(kDay, 1)).empty());
  EXPECT_EQ(1u, ShiftsOn("GRP1", 1, ShiftDay(kDay, 2)).size());
}

TEST_P(ShiftCalendarTest, AssignmentMustBeValidOnTheDayAndOfTheKind) {
  WorkingWeek();
  AddShift("SM1", "AT", "early", 360, 840);
  AddShift("SM2", "AT", "late", 840, 1320);
  AddShift("SM3", "AT", "night", 1320, 360);
  AddAssignment("GRP1", "SM1", ShiftDay(kDay, -10), 1, ShiftDay(kDay, -1));  // ended yesterday
  AddAssignment("GRP1", "SM2", ShiftDay(kDay, -9), 1, kDay);                 // ends today
  AddAssignment("GRP1", "SM3", ShiftDay(kDay, 1), 1);                        // starts tomorrow
  AddAssignment("WP1", "SM1", ShiftDay(kDay, -10), 2);
  AddAssignment("WP1", "SM1", ShiftDay(kDay, -10), 1);  // the kind is part of the key

  std::vector<AemSatz> rows = ShiftsOn("GRP1", 1, kDay);
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("SM2", rows[0].AemEmo.view());
  EXPECT_TRUE(ShiftsOn("GRP1", 2, kDay).empty());
  EXPECT_EQ(1u, ShiftsOn("WP1", 2, kDay).size());
}

TEST_P(ShiftCalendarTest, DayMissingFromTheCalendarDeliversNothing) {
  WorkingWeek();
  AddShift("SM1", "AT", "early", 360, 840);
  AddAssignment("GRP1", "SM1", ShiftDay(kDay, -10), 1);
  EXPECT_TRUE(ShiftsOn("GRP1", 1, ShiftDay(kDay, 10)).empty());
}

TEST_P(ShiftCalendarTest, WorkPlaceAssignmentsAreCounted) {
  AddAssignment("WP1", "SM1", "20260101", 2);
  AddAssignment("WP1", "SM2", "20260601", 2);
  AddAssignment("WP1", "SM1", "20260101", 1);
  std::int32_t n = -7;
  ASSERT_EQ(0, Aem_Count("WP1", &n));
  EXPECT_EQ(2, n);
  ASSERT_EQ(0, Aem_Count("WP2", &n));
  EXPECT_EQ(0, n);
  db::Session::get().disconnect();
  n = -7;
  EXPECT_EQ(-3114, Aem_Count("WP1", &n));
  EXPECT_EQ(-7, n);
}

TEST_P(ShiftCalendarTest, ShiftsOfAModelAndDayTypeInStartOrder) {
  AddShift("SM1", "AT", "late", 840, 1320);
  AddShift("SM1", "AT", "early", 360, 840);
  AddShift("SM1", "FT", "holiday", 480, 720);
  AddShift("SM2", "AT", "other", 0, 480);
  Emo_Schicht schichtCursor;
  ASSERT_EQ(0, schichtCursor.Open("SM1", "AT"));
  EmoSatz s;
  ASSERT_EQ(0, schichtCursor.Read(&s));
  EXPECT_EQ("early", s.EmoTxt.view());
  EXPECT_EQ(360, s.EmoBeg);
  EXPECT_EQ(840, s.EmoEnd);
  EXPECT_EQ(1, s.EmoArt);
  ASSERT_EQ(0, schichtCursor.Read(&s));
  EXPECT_EQ("late", s.EmoTxt.view());
  EXPECT_EQ(1403, schichtCursor.Read(&s));
  EXPECT_EQ("late", s.EmoTxt.view());
  EXPECT_EQ(0, schichtCursor.Close());
}

void AddBreakPeriod(const char* num, int beg, int end) {
  PmsSatz p;
  p.PmsNum = num;
  p.PmsBeg = beg;
  p.PmsEnd = end;
  p.PmsPse = end - beg;
  ASSERT_EQ(0, Pms_PKeyIns(&p));
}

void LinkBreak(const char* pmo, const char* pms, const std::string& gvo, const std::string& gbi) {
  PmzSatz z;
  z.PmzPmo = pmo;
  z.PmzPms = pms;
  z.PmzGvo = gvo;
  z.PmzGbi = gbi;
  ASSERT_EQ(0, Pmz_PKeyIns(&z));
}

std::vector<std::string> BreaksOn(const char* emo, const char* ttp, const std::string& day) {
  std::vector<std::string> seen;
  Emo_Pausen breaks;
  EXPECT_EQ(0, breaks.Open(emo, ttp, day.c_str()));
  EmoPausenSatz p;
  int rc;
  while ((rc = breaks.Read(&p)) == 0)
    seen.push_back(p.EmoTxt.str() + ":" + p.PmsNum.str() + ":" + std::to_string(p.PmsBeg) + "-" +
                   std::to_string(p.PmsEnd));
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, breaks.Close());
  return seen;
}

TEST_P(ShiftCalendarTest, BreaksAreThoseOfLinksValidOnTheDay) {
  AddShift("SM1", "AT", "late", 840, 1320, "P2");
  AddShift("SM1", "AT", "early", 360, 840, "P1");
  AddShift("SM1", "AT", "nobreak", 1320, 1400, "P9");
  AddBreakPeriod("B1", 540, 555);
  AddBreakPeriod("B2", 720, 750);
  AddBreakPeriod("B3", 1080, 1110);
  LinkBreak("P1", "B2", ShiftDay(kDay, -10), kDay);      // ends on the day
  LinkBreak("P1", "B1", kDay, ShiftDay(kDay, 10));       // starts on the day
  LinkBreak("P2", "B3", ShiftDay(kDay, 1), "20271231");  // starts the day after

  EXPECT_EQ((std::vector<std::string>{"early:B1:540-555", "early:B2:720-750"}), BreaksOn("SM1", "AT", kDay));
  EXPECT_EQ((std::vector<std::string>{"early:B1:540-555", "late:B3:1080-1110"}),
            BreaksOn("SM1", "AT", ShiftDay(kDay, 1)));
  EXPECT_EQ((std::vector<std::string>{"early:B2:720-750"}), BreaksOn("SM1", "AT", ShiftDay(kDay, -1)));
  EXPECT_TRUE(BreaksOn("SM1", "FT", kDay).empty());
}

void AddTimeModel(const char* num, const std::string& gvo, std::int32_t sol) {
  AzvSatz a;
  a.AzvNum = num;
  a.AzvGvo = gvo;
  a.AzvPsm = "PS1";
  a.AzvSol = sol;
  a.AzvMav = 360;
  a.AzvMab = 960;
  ASSERT_EQ(0, Azv_PKeyIns(&a));
}

void AddDayModel(const char* pnr, const std::string& day, const char* azt) {
  ZtgSatz z;
  z.ZtgPnr = pnr;
  z.ZtgVon = day;
  z.ZtgAzt = azt;
  z.ZtgAgr = "AG1";
  z.ZtgTtp = "AT";
  ASSERT_EQ(0, Ztg_PKeyIns(&z));
}

TEST_P(ShiftCalendarTest, DayModelComesWithTheNewestTimeModelVersionFirst) {
  master::FillCalendar(ShiftDay(kDay, -1), ShiftDay(kDay, 1));
  AddTimeModel("T1", ShiftDay(kDay, -100), 480);
  AddTimeModel("T1", ShiftDay(kDay, -10), 450);
  AddTimeModel("T1", ShiftDay(kDay, 5), 400);  // not yet valid
  AddTimeModel("T2", ShiftDay(kDay, -10), 999);
  AddDayModel("00000042", kDay, "T1");
  AddDayModel("00000042", ShiftDay(kDay, 1), "T2");

  Ztg_Pnr cursor;
  ASSERT_EQ(0, cursor.Open("00000042", kDay));
  ZtgSatz z;
  ASSERT_EQ(0, cursor.Read(&z));
  EXPECT_EQ("00000042", z.ZtgPnr.view());
  EXPECT_EQ(kDay, z.ZtgVon.view());
  EXPECT_EQ("T1", z.ZtgAzt.view());
  EXPECT_EQ(450, z.AzvSol);
  EXPECT_EQ(360, z.AzvMav);
  EXPECT_EQ("AG1", z.ZtgAgr.view());
  EXPECT_EQ("AT", z.ZtgTtp.view());
  EXPECT_EQ(1, z.BakWtg);
  EXPECT_EQ(341, z.BakJtg);
  ASSERT_EQ(0, cursor.Read(&z));
  EXPECT_EQ(480, z.AzvSol);
  EXPECT_EQ(1403, cursor.Read(&z));
  EXPECT_EQ(0, cursor.Close());

  ASSERT_EQ(0, cursor.Open("00000042", ShiftDay(kDay, -1).c_str()));
  EXPECT_EQ(1403, cursor.Read(&z));
  cursor.Close();
}

TEST_P(ShiftCalendarTest, CalendarDaysBetweenTwoDatesInDateOrder) {
  master::FillCalendar(ShiftDay(kDay, -2), ShiftDay(kDay, 4));
  Bak_Von cursor;
  ASSERT_EQ(0, cursor.Open(ShiftDay(kDay, 3).c_str(), ShiftDay(kDay, 1).c_str()));
  BakSatz b;
  EXPECT_EQ(1403, cursor.Read(&b));
  cursor.Close();

  ASSERT_EQ(0, cursor.Open(ShiftDay(kDay, -1).c_str(), ShiftDay(kDay, 1).c_str()));
  std::vector<std::string> days;
  int rc;
  while ((rc = cursor.Read(&b)) == 0) days.push_back(b.BakDtm.str());
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ((std::vector<std::string>{"20261206", kDay, "20261208"}), days);
  EXPECT_EQ(2, b.BakWtg);  // the last day read stays in the record
}

TEST_P(ShiftCalendarTest, OneCalendarDayOrTheRecordUnchanged) {
  master::FillCalendar(kDay, kDay);
  BakSatz b;
  b.BakDtm = kDay;
  ASSERT_EQ(0, Bak_Datum(&b));
  EXPECT_EQ(2026, b.BakJhr);
  EXPECT_EQ(12, b.BakMon);
  EXPECT_EQ(7, b.BakTag);
  EXPECT_EQ(1, b.BakWtg);
  EXPECT_EQ(341, b.BakJtg);

  BakSatz missing = b;
  missing.BakDtm = "20261208";
  EXPECT_EQ(1403, Bak_Datum(&missing));
  EXPECT_EQ("20261208", missing.BakDtm.view());
  EXPECT_EQ(341, missing.BakJtg);
}

TEST_P(ShiftCalendarTest, DayStepsThroughTheCalendar) {
  master::FillCalendar(kDay, ShiftDay(kDay, 2));
  std::string second = kDay;
  EXPECT_EQ(0, Kalender_Tage(1, 0, kDay, second));
  second = ShiftDay(kDay, 1);
  EXPECT_EQ(1, Kalender_Tage(1, 0, kDay, second));
  second = ShiftDay(kDay, 2);
  EXPECT_EQ(2, Kalender_Tage(1, 0, kDay, second));

  std::string out;
  EXPECT_EQ(0, Kalender_Tage(2, 1, kDay, out));
  EXPECT_EQ("20261208", out);
  out = "junk";
  EXPECT_EQ(1403, Kalender_Tage(2, -1, kDay, out));
  EXPECT_EQ(kDay, out);
}

NzpSatz Parameters(std::int32_t akz, const std::string& gvn, const std::string& gbi) {
  NzpSatz n;
  n.NzpAkz = akz;
  n.NzpGvn = gvn;
  n.NzpGbi = gbi;
  n.NzpAak = 1;
  n.NzpMrk = 1;
  n.NzpAus = "X";
  return n;
}

TEST_P(ShiftCalendarTest, ParametersAreValidOnlyStrictlyInsideTheirRange) {
  NzpSatz inside = Parameters(1, DayFromToday(-1), DayFromToday(1));
  NzpSatz startsToday = Parameters(3, DayFromToday(0), DayFromToday(10));
  NzpSatz endsToday = Parameters(4, DayFromToday(-10), DayFromToday(0));
  ASSERT_EQ(0, Nzp_PKeyIns(&inside));
  ASSERT_EQ(0, Nzp_PKeyIns(&startsToday));
  ASSERT_EQ(0, Nzp_PKeyIns(&endsToday));

  NzpSatz r;
  r.NzpAkz = 1;
  ASSERT_EQ(0, Nzp_PKeyReadk(&r));
  EXPECT_EQ(1, r.NzpAak);
  EXPECT_EQ(1, r.NzpMrk);
  EXPECT_EQ("X", r.NzpAus.view());

  for (std::int32_t akz : {3, 4, 5}) {
    NzpSatz n = Parameters(akz, "19990101", "19991231");
    EXPECT_EQ(1403, Nzp_PKeyReadk(&n)) << akz;
    EXPECT_EQ("19990101", n.NzpGvn.view());
    EXPECT_EQ(1, n.NzpAak);
  }
}

INSTANTIATE_DB_TEST(ShiftCalendarTest);

}  // namespace
