// The scratch time line (Kvs561Mlt) on both backends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/mlt.h"
#include "db/session.h"
#include "db_fixture.h"
#include "fault_injection.h"

namespace {

class MltTest : public DbTest {};

constexpr const char* kRun = "20261207065131";

// An event of run kRun of the NZS analysis.
MltSatz Event(int lfn, const char* kind, const std::string& moment) {
  MltSatz m;
  m.MltErf = "Nza_MPA";
  m.MltDat = kRun;
  m.MltLfn = lfn;
  m.MltObj = kind;
  m.MltPnr = "00004711";
  m.MltApl = "APL0000001";
  m.MltApk = "400012345678";
  m.MltApp = "00010";
  m.MltMdt = moment.substr(0, 8);
  m.MltMdtUhr = moment.size() > 8 ? moment.substr(8) : std::string();
  return m;
}

// An event with a distinct value in every column.
MltSatz FullEvent() {
  MltSatz m = Event(7, "KM", "20261207060000");
  m.Mlt00E = "1";
  m.Mlt00R = "2";
  m.Mlt00A = "3";
  m.Mlt00U = "4";
  m.Mlt00S = "5";
  m.MltBkg = "6";
  m.MltPbe = "7";
  m.MltArg = "Fruehschi";
  m.MltEmo = "FRUEH01";
  m.MltTtp = "AT";
  m.MltWoc = 50;
  m.MltWtg = 1;
  m.MltJtg = 341;
  m.MltJwo = "2026";
  m.MltUbg = "U123";
  return m;
}

void Insert(const MltSatz& m) { ASSERT_EQ(0, Mlt_PKeyIns(&m)) << m.MltLfn; }

std::vector<MltSatz> ReadRun(const char* erf, const char* dat) {
  std::vector<MltSatz> rows;
  Mlt_MltErf run;
  if (run.Open(erf, dat) != 0) return rows;
  MltSatz m;
  while (run.Read(&m) == 0) rows.push_back(m);
  return rows;
}

std::vector<int> Numbers(const std::vector<MltSatz>& rows) {
  std::vector<int> out;
  for (const MltSatz& m : rows) out.push_back(m.MltLfn);
  return out;
}

TEST_P(MltTest, InsertAndCursorCarryEveryColumn) {
  const MltSatz want = FullEvent();
  Insert(want);
  std::vector<MltSatz> rows = ReadRun("Nza_MPA", kRun);
  ASSERT_EQ(1u, rows.size());
  const MltSatz& got = rows[0];
#define SAME_TEXT(f) EXPECT_EQ(want.f.view(), got.f.view()) << #f;
  SAME_TEXT(MltErf) SAME_TEXT(MltDat) SAME_TEXT(MltObj) SAME_TEXT(MltPnr) SAME_TEXT(MltApl) SAME_TEXT(MltApk)
  SAME_TEXT(MltApp) SAME_TEXT(Mlt00E) SAME_TEXT(Mlt00R) SAME_TEXT(Mlt00A) SAME_TEXT(Mlt00U) SAME_TEXT(Mlt00S)
  SAME_TEXT(MltBkg) SAME_TEXT(MltPbe) SAME_TEXT(MltArg) SAME_TEXT(MltEmo) SAME_TEXT(MltTtp) SAME_TEXT(MltJwo)
  SAME_TEXT(MltMdt) SAME_TEXT(MltMdtUhr) SAME_TEXT(MltUbg)
#undef SAME_TEXT
  EXPECT_EQ(want.MltLfn, got.MltLfn);
  EXPECT_EQ(want.MltWoc, got.MltWoc);
  EXPECT_EQ(want.MltWtg, got.MltWtg);
  EXPECT_EQ(want.MltJtg, got.MltJtg);
  // The run stamp stays a text column.
  EXPECT_EQ(kRun, testdb::QueryText("select MltDat from Kvs561Mlt where MltDat like '2026%'"));
}

TEST_P(MltTest, DuplicateKeyReturnsMinusOneAndKeepsTheFirstRow) {
  Insert(Event(999, "GH", "20261207140000"));
  MltSatz again = Event(999, "GH", "20261207150000");
  EXPECT_EQ(-1, Mlt_PKeyIns(&again));
  EXPECT_EQ(1, testdb::CountRows("Kvs561Mlt"));
  EXPECT_EQ("20261207140000", testdb::QueryText("select TO_CHAR(MltMdt,'yyyymmddHH24MISS') from Kvs561Mlt"));
  MltSatz otherRun = again;
  otherRun.MltDat = "20261207065132";
  EXPECT_EQ(0, Mlt_PKeyIns(&otherRun));
}

TEST_P(MltTest, CursorDeliversOneRunByMomentThenNumber) {
  Insert(Event(1, "PA", "20261207060000"));
  Insert(Event(2, "PE", "20261207140000"));
  Insert(Event(3, "BP", "20261207090000"));
  Insert(Event(4, "EP", "20261207091500"));
  Insert(Event(999, "GH", "20261207140000"));
  Insert(Event(5, "KM", "20261207140000"));
  MltSatz otherRun = Event(6, "KM", "20261207050000");
  otherRun.MltDat = "20261207065132";
  Insert(otherRun);
  MltSatz otherCreator = Event(7, "KM", "20261207050000");
  otherCreator.MltErf = "LzaStd";
  Insert(otherCreator);
  EXPECT_EQ((std::vector<int>{1, 3, 4, 2, 5, 999}), Numbers(ReadRun("Nza_MPA", kRun)));
  EXPECT_EQ((std::vector<int>{7}), Numbers(ReadRun("LzaStd", kRun)));
}

TEST_P(MltTest, EventWithoutMomentIsStoredAndComesLast) {
  // The end of an interruption that is still open.
  Insert(Event(1, "PU", "20261207100000"));
  Insert(Event(2, "  ", ""));
  Insert(Event(3, "PE", "20261207140000"));
  std::vector<MltSatz> rows = ReadRun("Nza_MPA", kRun);
  ASSERT_EQ((std::vector<int>{1, 3, 2}), Numbers(rows));
  EXPECT_TRUE(rows[2].MltMdt.empty());
  EXPECT_TRUE(rows[2].MltMdtUhr.empty());
  EXPECT_EQ("  ", rows[2].MltObj.view());
}

TEST_P(MltTest, CursorEndLeavesTheRecordAsItWas) {
  Insert(FullEvent());
  Mlt_MltErf cursor;
  ASSERT_EQ(0, cursor.Open("Nza_MPA", kRun));
  MltSatz m;
  ASSERT_EQ(0, cursor.Read(&m));
  EXPECT_EQ(1403, cursor.Read(&m));
  EXPECT_EQ(7, m.MltLfn);
  EXPECT_EQ("Fruehschi", m.MltArg.view());
  EXPECT_EQ(0, cursor.Close());
}

TEST_P(MltTest, DeleteRemovesOnlyTheKeyedRowWhileTheRunIsRead) {
  for (int k = 1; k <= 4; ++k) Insert(Event(k, "KM", "20261207060000"));
  MltSatz otherRun = Event(2, "KM", "20261207060000");
  otherRun.MltDat = "20261207065132";
  Insert(otherRun);
  Mlt_MltErf cursor;
  ASSERT_EQ(0, cursor.Open("Nza_MPA", kRun));
  MltSatz m;
  int deleted = 0;
  while (cursor.Read(&m) == 0) {
    EXPECT_EQ(0, Mlt_PKeyDel(&m));
    ++deleted;
  }
  cursor.Close();
  EXPECT_EQ(4, deleted);
  EXPECT_EQ(1, testdb::CountRows("Kvs561Mlt"));
  MltSatz gone = Event(1, "KM", "");
  EXPECT_EQ(0, Mlt_PKeyDel(&gone));
}

TEST_P(MltTest, LargestNumberOfARun) {
  std::int32_t max = 77;
  ASSERT_EQ(0, Mlt_MaxLfn("Nza_MPA", kRun, &max));
  EXPECT_EQ(0, max);  // no rows: the NULL maximum reads as 0

  Insert(Event(3, "KM", "20261207060000"));
  Insert(Event(12, "BP", "20261207090000"));
  MltSatz otherRun = Event(50, "KM", "20261207060000");
  otherRun.MltDat = "20261207065132";
  Insert(otherRun);
  ASSERT_EQ(0, Mlt_MaxLfn("Nza_MPA", kRun, &max));
  EXPECT_EQ(12, max);
  ASSERT_EQ(0, Mlt_MaxLfn("Nza_MPA", "", &max));
  EXPECT_EQ(0, max);
}

TEST_P(MltTest, LargestNumberIsNotDeliveredOnFailure) {
  std::int32_t max = 42;
  testdb::FaultInjection faults;
  faults.FailRoutine("Mlt_MaxLfn");
  EXPECT_EQ(-3114, Mlt_MaxLfn("Nza_MPA", kRun, &max));
  EXPECT_EQ(42, max);
}

TEST_P(MltTest, OverlongStoredTextIsCutToTheField) {
  Insert(Event(1, "KM", "20261207060000"));
  ASSERT_EQ(0, testdb::Exec("update Kvs561Mlt set MltArg='ABCDEFGHIJKLMNOP', MltObj='KMXY'"));
  std::vector<MltSatz> rows = ReadRun("Nza_MPA", kRun);
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ("ABCDEFGHIJ", rows[0].MltArg.view());
  EXPECT_EQ("KMX", rows[0].MltObj.view());
}

INSTANTIATE_DB_TEST(MltTest);

}  // namespace
