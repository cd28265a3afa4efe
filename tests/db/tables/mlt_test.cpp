// The scratch time line (Kvs561Mlt) on both backends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/tables/mlt.h"
#include "db/engine/session.h"
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

INSTANTIATE_DB_TEST(MltTest);

}  // namespace
