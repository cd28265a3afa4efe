// The person-time inputs of the analyses on both backends: day summaries
// (Kvs327Tag), person periods (Kvs328Bup), break models (Kvs143Pse), break
// overrides (Kvs323Gps) and day values (Kvs322Gaz).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/tables/bup.h"
#include "db/tables/gaz.h"
#include "db/tables/gps.h"
#include "db/tables/pse.h"
#include "db/tables/tag.h"
#include "db_fixture.h"

namespace {

class PersonTimeTest : public DbTest {};

constexpr const char* kPerson = "00004711";

// The summary of `day`: present from `come` to `go` (HHMMSS) that day.
TagSatz Day(const std::string& day, const char* come, const char* go, int one = 0) {
  TagSatz t;
  t.TagPnr = kPerson;
  t.TagVon = day;
  t.TagUhr = come;
  t.TagBis = day;
  t.TagEnd = go;
  t.TagTgb = "AT";
  t.TagOne = one;
  return t;
}

void InsertDay(const TagSatz& t, const std::string& day) { ASSERT_EQ(0, Tag_PKeyIns(&t, day.c_str())) << day; }

std::vector<std::string> Days(const char* pnr, const char* from, const char* to) {
  std::vector<std::string> out;
  Tag_Von days;
  if (days.Open(pnr, from, to) != 0) return {"open failed"};
  TagSatz t;
  while (days.Read(&t) == 0) out.push_back(t.TagVon.str() + t.TagUhr.str());
  return out;
}

// A period of the person from `start` to `end` (yyyymmddHHMMSS).
BupSatz Booked(const std::string& start, const std::string& end, int fkt = 1) {
  BupSatz b;
  b.BupPnr = kPerson;
  b.BupVon = start.substr(0, 8);
  b.BupUhr = start.substr(8);
  b.BupFkt = fkt;
  b.BupBis = end.substr(0, 8);
  b.BupEnd = end.substr(8);
  b.BupTvo = 360;
  b.BupTbi = 840;
  return b;
}

void InsertBooked(const BupSatz& b) { ASSERT_EQ(0, Bup_PKeyIns(&b)) << b.BupVon.view() << b.BupUhr.view(); }

std::vector<std::string> BookedStarts(const char* pnr, const char* from, const char* to) {
  std::vector<std::string> out;
  Bup_AbrTag periods;
  if (periods.Open(pnr, from, to) != 0) return {"open failed"};
  BupSatz b;
  while (periods.Read(&b) == 0) out.push_back(b.BupVon.str() + b.BupUhr.str());
  return out;
}

PseSatz Break(const char* model, int lfd, int from, int to) {
  PseSatz p;
  p.PseNum = model;
  p.PseLfd = lfd;
  p.PseVon = from;
  p.PseBis = to;
  p.PseMin = 15;
  p.PseMax = 30;
  p.PseInt = 1;
  p.PsePse = 2;
  return p;
}

TEST_P(PersonTimeTest, DaySummaryIsReadByPersonAndDay) {
  InsertDay(Day("20261207", "061500", "143000"), "20261207");
  InsertDay(Day("20261208", "220000", "060000"), "20261208");
  TagSatz t;
  t.TagPnr = kPerson;
  ASSERT_EQ(0, Tag_PKeyReadk(&t, "20261207"));
  EXPECT_EQ("20261207", t.TagVon.view());
  EXPECT_EQ("061500", t.TagUhr.view());
  EXPECT_EQ("20261207", t.TagBis.view());
  EXPECT_EQ("143000", t.TagEnd.view());
  EXPECT_EQ("AT", t.TagTgb.view());
  EXPECT_EQ(0, t.TagOne);
}

TEST_P(PersonTimeTest, MissingDaySummaryLeavesTheRecord) {
  InsertDay(Day("20261207", "061500", "143000"), "20261207");
  TagSatz t = Day("19990101", "000001", "000002", 3);
  t.TagPnr = kPerson;
  EXPECT_EQ(1403, Tag_PKeyReadk(&t, "20261206"));
  EXPECT_EQ("19990101", t.TagVon.view());
  EXPECT_EQ("000002", t.TagEnd.view());
  EXPECT_EQ(3, t.TagOne);
  t.TagPnr = "";
  EXPECT_EQ(1403, Tag_PKeyReadk(&t, "20261207"));
}

TEST_P(PersonTimeTest, CountingDaysOfBothBoundsInAttendanceOrder) {
  InsertDay(Day("20261206", "060000", "140000"), "20261206");
  InsertDay(Day("20261207", "061500", "143000"), "20261207");
  InsertDay(Day("20261208", "050000", "130000", 1), "20261208");  // does not count
  // A night summary booked on the 9th that begins on the 8th sorts by its start.
  InsertDay(Day("20261208", "220000", "235959"), "20261209");
  InsertDay(Day("20261210", "060000", "140000"), "20261210");
  InsertDay(Day("20261211", "060000", "140000"), "20261211");
  TagSatz colleague = Day("20261207", "060000", "140000");
  colleague.TagPnr = "00004712";
  InsertDay(colleague, "20261207");
  EXPECT_EQ((std::vector<std::string>{"20261207061500", "20261208220000", "20261210060000"}),
            Days(kPerson, "20261207", "20261210"));
  EXPECT_TRUE(Days(kPerson, "20261212", "20261231").empty());
}

TEST_P(PersonTimeTest, PersonPeriodsLyingWhollyInsideTheBounds) {
  InsertBooked(Booked("20261207120000", "20261207143000"));
  InsertBooked(Booked("20261207061500", "20261207113000"));
  InsertBooked(Booked("20261206220000", "20261207060000"));  // starts before
  InsertBooked(Booked("20261207150000", "20261208010000"));  // ends after
  BupSatz colleague = Booked("20261207080000", "20261207090000");
  colleague.BupPnr = "00004712";
  InsertBooked(colleague);
  EXPECT_EQ((std::vector<std::string>{"20261207061500", "20261207120000"}),
            BookedStarts(kPerson, "20261207061500", "20261207235959"));
  EXPECT_EQ((std::vector<std::string>{"20261207120000"}), BookedStarts(kPerson, "20261207061501", "20261207143000"));
  EXPECT_EQ((std::vector<std::string>{"20261207061500"}), BookedStarts(kPerson, "20261207061500", "20261207142959"));
}

TEST_P(PersonTimeTest, BareDateBoundsCompareAsText) {
  // Date-only bounds: the start may lie on the lower date, but a period
  // ending on the upper date itself is above it as a text.
  InsertBooked(Booked("20261207061500", "20261207113000"));
  InsertBooked(Booked("20261208061500", "20261208113000"));
  EXPECT_EQ((std::vector<std::string>{"20261207061500"}), BookedStarts(kPerson, "20261207", "20261208"));
  BupSatz b;
  b.BupPnr = "stale";
  Bup_AbrTag cursor;
  ASSERT_EQ(0, cursor.Open(kPerson, "20261207", "20261208"));
  ASSERT_EQ(0, cursor.Read(&b));
  EXPECT_EQ("20261207", b.BupBis.view());
  EXPECT_EQ("113000", b.BupEnd.view());
  EXPECT_EQ(360, b.BupTvo);
  EXPECT_EQ(840, b.BupTbi);
  EXPECT_EQ(1403, cursor.Read(&b));
  EXPECT_EQ("20261207", b.BupVon.view());
  EXPECT_EQ(0, cursor.Close());
}

TEST_P(PersonTimeTest, BreakModelInBreakOrder) {
  const PseSatz breaks[] = {Break("M1", 2, 720, 750), Break("M1", 3, 900, 915), Break("M1", 1, 540, 555),
                            Break("M2", 1, 600, 630)};
  for (const PseSatz& p : breaks) ASSERT_EQ(0, Pse_PKeyIns(&p));
  Pse_PKey cursor;
  ASSERT_EQ(0, cursor.Open("M1"));
  PseSatz p;
  std::vector<int> order;
  while (cursor.Read(&p) == 0) order.push_back(p.PseLfd);
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ((std::vector<int>{1, 2, 3}), order);
  EXPECT_EQ(900, p.PseVon);  // the end of the cursor left the last break
  EXPECT_EQ(915, p.PseBis);
  EXPECT_EQ(15, p.PseMin);
  EXPECT_EQ(30, p.PseMax);
  EXPECT_EQ(1, p.PseInt);
  EXPECT_EQ(2, p.PsePse);
  EXPECT_EQ(-1, Pse_PKeyIns(&breaks[0]));
}

TEST_P(PersonTimeTest, BreakOverrideIsReadByPersonDayAndNumber) {
  GpsSatz g;
  g.GpsPnr = kPerson;
  g.GpsDtm = "20261207";
  g.GpsLfd = 2;
  g.GpsVon = 735;
  g.GpsBis = 765;
  g.GpsMin = 1;
  g.GpsMax = 2;
  g.GpsInt = 3;
  g.GpsPse = 4;
  ASSERT_EQ(0, Gps_PKeyIns(&g));
  EXPECT_EQ(-1, Gps_PKeyIns(&g));

  GpsSatz read;
  read.GpsPnr = kPerson;
  read.GpsDtm = "20261207";
  read.GpsLfd = 2;
  ASSERT_EQ(0, Gps_PKeyReadk(&read));
  EXPECT_EQ(735, read.GpsVon);
  EXPECT_EQ(765, read.GpsBis);
  EXPECT_EQ(1, read.GpsMin);
  EXPECT_EQ(2, read.GpsMax);
  EXPECT_EQ(3, read.GpsInt);
  EXPECT_EQ(4, read.GpsPse);

  GpsSatz missing = read;
  missing.GpsLfd = 1;
  EXPECT_EQ(1403, Gps_PKeyReadk(&missing));
  EXPECT_EQ(735, missing.GpsVon);  // unchanged
  EXPECT_EQ(1, missing.GpsLfd);
  missing.GpsLfd = 2;
  missing.GpsDtm = "20261208";
  EXPECT_EQ(1403, Gps_PKeyReadk(&missing));
}

TEST_P(PersonTimeTest, DayValuesAreReadByPersonAndDay) {
  GazSatz g;
  g.GazPnr = kPerson;
  g.GazDtm = "20261207";
  std::int32_t* values[] = {&g.GazMav, &g.GazMab, &g.GazNov, &g.GazNob, &g.GazKev,
                            &g.GazGlv, &g.GazGlb, &g.GazKeb, &g.GazSol};
  int v = 100;
  for (std::int32_t* f : values) *f = ++v;
  ASSERT_EQ(0, Gaz_PKeyIns(&g));
  EXPECT_EQ(-1, Gaz_PKeyIns(&g));

  GazSatz read;
  read.GazPnr = kPerson;
  read.GazDtm = "20261207";
  ASSERT_EQ(0, Gaz_PKeyReadk(&read));
  EXPECT_EQ(101, read.GazMav);
  EXPECT_EQ(102, read.GazMab);
  EXPECT_EQ(103, read.GazNov);
  EXPECT_EQ(104, read.GazNob);
  EXPECT_EQ(105, read.GazKev);
  EXPECT_EQ(106, read.GazGlv);
  EXPECT_EQ(107, read.GazGlb);
  EXPECT_EQ(108, read.GazKeb);
  EXPECT_EQ(109, read.GazSol);

  GazSatz missing = read;
  missing.GazDtm = "20261206";
  EXPECT_EQ(1403, Gaz_PKeyReadk(&missing));
  EXPECT_EQ("20261206", missing.GazDtm.view());
  EXPECT_EQ(103, missing.GazNov);  // unchanged
}

TEST_P(PersonTimeTest, InvalidDayTextIsADateError) {
  GazSatz g;
  g.GazPnr = kPerson;
  g.GazDtm = "20261301";
  EXPECT_EQ(-1843, Gaz_PKeyIns(&g));
  TagSatz t = Day("20261207", "061500", "143000");
  EXPECT_EQ(-1847, Tag_PKeyIns(&t, "20261131"));
  EXPECT_EQ(0, testdb::CountRows("Kvs322Gaz") + testdb::CountRows("Kvs327Tag"));
}

INSTANTIATE_DB_TEST(PersonTimeTest);

}  // namespace
