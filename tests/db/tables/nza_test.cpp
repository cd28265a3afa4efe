// Period rows of the analyses (Kvs590Nza) on both backends: every column
// travels, the key decides, windows select by start or by start or end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/tables/nza.h"
#include "db/engine/session.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "same_row.h"

namespace {

class NzaTest : public DbTest {};

constexpr const char* kPlace = "APL0000001";
constexpr const char* kOrder = "400012345678";
constexpr const char* kStep = "00010";
constexpr const char* kPerson = "00004711";

void SetStart(NzaSatz& n, const std::string& moment) {
  n.NzaDtm = moment.substr(0, 8);
  n.NzaDtmUhr = moment.size() > 8 ? moment.substr(8) : std::string();
}

void SetEnd(NzaSatz& n, const std::string& moment) {
  n.NzaEdt = moment.substr(0, 8);
  n.NzaEdtUhr = moment.size() > 8 ? moment.substr(8) : std::string();
}

std::string Start(const NzaSatz& n) { return n.NzaDtm.str() + n.NzaDtmUhr.str(); }

// A period of kind `sa` of the standard person on the standard operation.
NzaSatz Period(int sa, const std::string& start, const std::string& end) {
  NzaSatz n;
  n.NzaSa = static_cast<std::int16_t>(sa);
  n.NzaApl = kPlace;
  n.NzaApk = kOrder;
  n.NzaApp = kStep;
  n.NzaPnr = kPerson;
  SetStart(n, start);
  SetEnd(n, end);
  n.NzaErf = "MldToNza";
  return n;
}

// A closed work period with a distinct value in every column.
NzaSatz FullPeriod() {
  NzaSatz n = Period(1, "20261207061500", "20261207143010");
  n.NzaBeg = 1;
  n.NzaBbn = 1001;
  n.NzaBln = 2;
  n.NzaBmk = "PA";
  n.NzaEnd = 1;
  n.NzaEbn = 1002;
  n.NzaEln = 3;
  n.NzaEmk = "PE";
  n.NzaUbg = "U123";
  n.NzaRau = 4;
  n.NzaVar = 5;
  n.Nza00A = 6;
  n.Nza00U = 7;
  n.Nza00S = 8;
  n.NzaEmo = "FRUEH01";
  n.NzaWtg = 1;
  n.NzaJtg = 341;
  n.NzaTtp = "AT";
  n.NzaJwo = "2026";
  n.NzaWoc = 50;
  n.NzaPzm = 1;
  n.NzaMaz = 9;
  double* figures[] = {&n.NzaNzr, &n.NzaBzr, &n.NzaUzr, &n.NzaPzr, &n.NzaRbz, &n.NzaNza, &n.NzaBza,
                       &n.NzaUza, &n.NzaPza, &n.NzaAbz, &n.NzaNzu, &n.NzaBzu, &n.NzaPzu, &n.NzaUbz,
                       &n.NzaSol, &n.NzaIst, &n.NzaPau, &n.NzaRf1, &n.NzaRf2, &n.NzaRf3, &n.NzaGum,
                       &n.NzaAum};
  double value = 1.25;
  for (double* f : figures) *f = (value += 1.0);
  n.NzaFnr = 7004;
  n.NzaErf = "Nza_MPA";
  n.NzaTnr = "TEIL-4711-0815-ABCDE";
  return n;
}

// Reads a whole cursor; returns the start moments in delivery order.
template <class Cursor>
std::vector<std::string> Starts(const NzaSatz& window) {
  Cursor cursor;
  std::vector<std::string> starts;
  if (cursor.Open(&window) != 0) return {"open failed"};
  NzaSatz row;
  int rc;
  while ((rc = cursor.Read(&row)) == 0) starts.push_back(Start(row));
  if (rc != 1403) starts.push_back("read failed " + std::to_string(rc));
  return starts;
}

std::vector<std::string> StartWindow(const NzaSatz& w) { return Starts<Nza_PKeyVon>(w); }
std::vector<std::string> PersonWork(const NzaSatz& w) { return Starts<Nza_Sa1Pnr>(w); }
std::vector<std::string> PlaceInterruptions(const NzaSatz& w) { return Starts<Nza_Sa2Von>(w); }

void Insert(const NzaSatz& n) { ASSERT_EQ(0, Nza_PKeyIns(&n)) << Start(n); }

TEST_P(NzaTest, EmptyKeyTextsStillMakeADuplicate) {
  // A work-place period row carries no person; an operation total row may
  // carry no order. The key treats an empty text as one value.
  NzaSatz a = Period(13, "20261207100000", "20261207110000");
  a.NzaPnr = "";
  a.NzaApk = "";
  ASSERT_EQ(0, Nza_PKeyIns(&a));
  EXPECT_EQ(-1, Nza_PKeyIns(&a));
  NzaSatz later = a;
  SetStart(later, "20261207100001");
  EXPECT_EQ(0, Nza_PKeyIns(&later));
  NzaSatz otherPlace = a;
  otherPlace.NzaApl = "APL0000002";
  EXPECT_EQ(0, Nza_PKeyIns(&otherPlace));
  EXPECT_EQ(3, testdb::CountRows("Kvs590Nza"));
}

TEST_P(NzaTest, OpenPeriodWithoutEndIsStoredAndReadBackWithoutEnd) {
  NzaSatz open = Period(1, "20261207061500", "");
  open.NzaEmk = "  ";
  ASSERT_EQ(0, Nza_PKeyIns(&open));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs590Nza where NzaEdt is null"));
  NzaSatz read = Period(1, "20261207061500", "");
  read.NzaEdt = "junk";
  read.NzaEdtUhr = "junk";
  ASSERT_EQ(0, Nza_PKeyReadk(&read));
  EXPECT_TRUE(read.NzaEdt.empty());
  EXPECT_TRUE(read.NzaEdtUhr.empty());
  EXPECT_EQ("  ", read.NzaEmk.view());
}

TEST_P(NzaTest, HalfAnEndIsADateErrorAndWritesNothing) {
  NzaSatz n = Period(1, "20261207061500", "20261207");
  EXPECT_EQ(-1858, Nza_PKeyIns(&n));
  n = Period(1, "20261232061500", "");
  EXPECT_EQ(-1847, Nza_PKeyIns(&n));
  EXPECT_EQ(0, testdb::CountRows("Kvs590Nza"));
}

TEST_P(NzaTest, UpdateRewritesEveryColumnOfTheKeyedRowAndKeepsItsStart) {
  Insert(Period(1, "20261207061500", ""));
  NzaSatz neighbour = Period(1, "20261207061500", "");
  neighbour.NzaPnr = "00004712";
  Insert(neighbour);

  NzaSatz closed = FullPeriod();
  SetStart(closed, "20261207061500");
  ASSERT_EQ(0, Nza_PKeyUpd(&closed));
  NzaSatz read = Period(1, "20261207061500", "");
  ASSERT_EQ(0, Nza_PKeyReadk(&read));
  ExpectSameRow(db::tables::Nza(), closed, read);

  NzaSatz untouched = Period(1, "20261207061500", "");
  untouched.NzaPnr = "00004712";
  ASSERT_EQ(0, Nza_PKeyReadk(&untouched));
  EXPECT_EQ("MldToNza", untouched.NzaErf.view());
  EXPECT_TRUE(untouched.NzaEdt.empty());
}

TEST_P(NzaTest, UpdateOfAnotherStartChangesNothing) {
  Insert(Period(1, "20261207061500", ""));
  NzaSatz moved = FullPeriod();
  SetStart(moved, "20261207061501");
  EXPECT_EQ(0, Nza_PKeyUpd(&moved));
  EXPECT_EQ(1, testdb::CountRows("Kvs590Nza"));
  EXPECT_EQ("20261207061500", testdb::QueryText("select TO_CHAR(NzaDtm,'yyyymmddHH24MISS') from Kvs590Nza"));
  EXPECT_EQ("MldToNza", testdb::QueryText("select NzaErf from Kvs590Nza"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs590Nza where NzaEdt is null"));
}

TEST_P(NzaTest, UpdateCanReopenAPeriod) {
  Insert(FullPeriod());
  NzaSatz reopened = FullPeriod();
  SetEnd(reopened, "");
  reopened.NzaEnd = 0;
  ASSERT_EQ(0, Nza_PKeyUpd(&reopened));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs590Nza where NzaEdt is null and NzaEnd=0"));
}

TEST_P(NzaTest, FailedKeyedReadKeepsTheKeyAndClearsTheRest) {
  Insert(Period(1, "20261207061500", "20261207070000"));
  NzaSatz n = FullPeriod();
  SetStart(n, "20261207061459");
  EXPECT_EQ(1403, Nza_PKeyReadk(&n));
  EXPECT_EQ(1, n.NzaSa);
  EXPECT_EQ(kPlace, n.NzaApl.view());
  EXPECT_EQ(kOrder, n.NzaApk.view());
  EXPECT_EQ(kStep, n.NzaApp.view());
  EXPECT_EQ(kPerson, n.NzaPnr.view());
  EXPECT_EQ("20261207061459", Start(n));
  EXPECT_TRUE(n.NzaEdt.empty());
  EXPECT_TRUE(n.NzaEdtUhr.empty());
  EXPECT_TRUE(n.NzaErf.empty());
  EXPECT_TRUE(n.NzaTnr.empty());
  EXPECT_EQ(0, n.NzaEnd);
  EXPECT_EQ(0.0, n.NzaNzr);
  EXPECT_EQ(0.0, n.NzaAum);
}

TEST_P(NzaTest, KeyedReadWithEmptyKeyTextFindsNothing) {
  NzaSatz n = Period(13, "20261207100000", "20261207110000");
  n.NzaPnr = "";
  Insert(n);
  NzaSatz read = n;
  EXPECT_EQ(1403, Nza_PKeyReadk(&read));
}

TEST_P(NzaTest, ReadWithoutStartFindsTheOneTotalRow) {
  NzaSatz total = FullPeriod();
  total.NzaSa = 5;
  total.NzaPnr = "        ";
  Insert(total);
  NzaSatz read;
  read.NzaSa = 5;
  read.NzaApl = kPlace;
  read.NzaApk = kOrder;
  read.NzaApp = kStep;
  read.NzaPnr = "        ";
  ASSERT_EQ(0, Nza_ReadSA_EH(&read));
  ExpectSameRow(db::tables::Nza(), total, read);
}

TEST_P(NzaTest, ReadWithoutStartFailsWithMinus1422ForTwoRows) {
  NzaSatz total = FullPeriod();
  total.NzaSa = 8;
  Insert(total);
  SetStart(total, "20261208061500");
  Insert(total);
  NzaSatz read = FullPeriod();
  read.NzaSa = 8;
  EXPECT_EQ(-1422, Nza_ReadSA_EH(&read));
  EXPECT_EQ(8, read.NzaSa);
  EXPECT_EQ(kPlace, read.NzaApl.view());
  EXPECT_EQ(kPerson, read.NzaPnr.view());
  EXPECT_TRUE(read.NzaDtm.empty());
  EXPECT_TRUE(read.NzaErf.empty());
  EXPECT_EQ(0.0, read.NzaNzr);

  read.NzaSa = 5;
  EXPECT_EQ(1403, Nza_ReadSA_EH(&read));
}

TEST_P(NzaTest, StartWindowTakesBothBoundsInStartOrder) {
  for (const char* s : {"20261207120000", "20261207060000", "20261207055959", "20261207120001",
                        "20261207090000"})
    Insert(Period(1, s, ""));
  NzaSatz otherKind = Period(2, "20261207080000", "");
  Insert(otherKind);
  NzaSatz otherPerson = Period(1, "20261207080000", "");
  otherPerson.NzaPnr = "00004712";
  Insert(otherPerson);
  // Started before the window, ended inside it: the start decides.
  Insert(Period(1, "20261206220000", "20261207070000"));

  const NzaSatz window = Period(1, "20261207060000", "20261207120000");
  EXPECT_EQ((std::vector<std::string>{"20261207060000", "20261207090000", "20261207120000"}), StartWindow(window));
}

TEST_P(NzaTest, StartWindowWithoutEndSelectsNothing) {
  Insert(Period(1, "20261207060000", ""));
  EXPECT_TRUE(StartWindow(Period(1, "20261207000000", "")).empty());
}

TEST_P(NzaTest, NestedWalksOfTheStartWindowWhileRowsAreRewritten) {
  Insert(Period(1, "20261207060000", "20261207100000"));
  Insert(Period(1, "20261207110000", "20261207120000"));
  Insert(Period(2, "20261207070000", "20261207073000"));
  const NzaSatz day = Period(1, "20261207000000", "20261207235959");
  Nza_PKeyVon works;
  ASSERT_EQ(0, works.Open(&day));
  NzaSatz work, pause;
  int worked = 0;
  while (works.Read(&work) == 0) {
    ++worked;
    NzaSatz window = work;
    window.NzaSa = 2;
    Nza_PKeyVon pauses;
    ASSERT_EQ(0, pauses.Open(&window));
    int paused = 0;
    while (pauses.Read(&pause) == 0) ++paused;
    EXPECT_EQ(0, pauses.Close());
    EXPECT_EQ(Start(work) == "20261207060000" ? 1 : 0, paused);
    work.NzaErf = "Nza_MPA";
    EXPECT_EQ(0, Nza_PKeyUpd(&work));
  }
  const NzaSatz last = work;
  EXPECT_EQ(1403, works.Read(&work));
  ExpectSameRow(db::tables::Nza(), last, work);
  EXPECT_EQ(0, works.Close());
  EXPECT_EQ(2, worked);
  EXPECT_EQ(2, testdb::QueryInt("select count(*) from Kvs590Nza where NzaErf='Nza_MPA'"));
}

TEST_P(NzaTest, PersonWindowTakesWorkStartingOrEndingInsideAcrossPlaces) {
  const NzaSatz window = Period(1, "20261207080000", "20261207160000");
  Insert(Period(1, "20261207060000", "20261207080000"));  // ends on the lower bound
  Insert(Period(1, "20261207160000", "20261207200000"));  // starts on the upper bound
  NzaSatz elsewhere = Period(1, "20261207100000", "20261207110000");
  elsewhere.NzaApl = "APL0000002";
  elsewhere.NzaApk = "400099999999";
  Insert(elsewhere);
  Insert(Period(1, "20261207055959", "20261207075959"));  // ends just before
  Insert(Period(1, "20261207160001", "20261207170000"));  // starts just after
  Insert(Period(2, "20261207090000", "20261207091000"));  // an interruption
  NzaSatz colleague = Period(1, "20261207090000", "20261207100000");
  colleague.NzaPnr = "00004712";
  Insert(colleague);
  EXPECT_EQ((std::vector<std::string>{"20261207060000", "20261207100000", "20261207160000"}), PersonWork(window));
}

TEST_P(NzaTest, PersonWindowInsideOneLongPeriodFindsNothing) {
  Insert(Period(1, "20261206220000", "20261208060000"));
  Insert(Period(1, "20261207090000", ""));  // still open: only its start counts
  EXPECT_EQ((std::vector<std::string>{"20261207090000"}), PersonWork(Period(1, "20261207080000", "20261207160000")));
  EXPECT_TRUE(PersonWork(Period(1, "20261207093000", "20261207160000")).empty());
}

TEST_P(NzaTest, PlaceWindowTakesInterruptionsOfTheOperationOnly) {
  const NzaSatz window = Period(2, "20261207080000", "20261207160000");
  Insert(Period(2, "20261207150000", "20261207170000"));
  Insert(Period(2, "20261207070000", "20261207081500"));
  Insert(Period(2, "20261207065900", "20261207075959"));
  Insert(Period(1, "20261207090000", "20261207100000"));
  NzaSatz otherStep = Period(2, "20261207090000", "20261207100000");
  otherStep.NzaApp = "00020";
  Insert(otherStep);
  Insert(Period(2, "20261207060000", "20261207180000"));  // spans the whole window
  EXPECT_EQ((std::vector<std::string>{"20261207070000", "20261207150000"}), PlaceInterruptions(window));
}

TEST_P(NzaTest, LostConnectionIsReportedByEveryRoutine) {
  NzaSatz n = FullPeriod();
  db::Session::get().disconnect();
  EXPECT_EQ(-3114, Nza_PKeyIns(&n));
  EXPECT_EQ(-3114, Nza_PKeyUpd(&n));
  EXPECT_EQ(-3114, Nza_PKeyReadk(&n));
  EXPECT_EQ(-3114, Nza_ReadSA_EH(&n));
  Nza_Sa1Pnr cursor;
  EXPECT_EQ(-3114, cursor.Open(&n));
}

INSTANTIATE_DB_TEST(NzaTest);

}  // namespace
