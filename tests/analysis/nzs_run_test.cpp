// The person-time run over a day of bookings on both backends: period rows
// opened and closed from the bookings, work periods evaluated against the
// shift's breaks, interruption figures, notes deleted, nothing left in the
// scratch table; and a lost connection or a full disk at any statement of
// a note leaves the note pending with nothing written.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "analysis/analyses.h"
#include "base/status.h"
#include "db/engine/failure.h"
#include "db_fixture.h"
#include "fault_injection.h"
#include "nzs_floor.h"
#include "scenario_support.h"

namespace {

using namespace nzs_floor;

constexpr const char* kWithoutLogOn = "00001002";

class NzsRunTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShiftFloor();
    AddPerson(kPnr, 2);
  }

  // Log-on 08:00, interruption 10:00-10:45, log-off 16:00.
  void BookTheDay() {
    Book(Booking(1, "P05", "PA", kDay, "080000"));
    Book(Booking(2, "P06", "PU", kDay, "100000"));
    Book(Booking(3, "P07", "PW", kDay, "104500"));
    Book(Booking(4, "P08", "PE", kDay, "160000"));
  }
};

TEST_P(NzsRunTest, DayOfBookingsBecomesEvaluatedWorkAndInterruptionPeriods) {
  scenario::SetNoteSwitch(5, false);  // interruption periods are kept
  BookTheDay();
  // A second note of the log-off, booked a little later under the same number.
  MelSatz late = Booking(4, "P08", "PE", kDay, "160030");
  NoteFor(late);
  // A log-off without any log-on before it.
  Book(Booking(10, "P08", "PE", kDay, "090000", kWithoutLogOn));
  scenario::LogCapture log;

  EXPECT_EQ(0, Nzs_Abarbeiten());

  std::vector<NzaSatz> work = Periods(1);
  ASSERT_EQ(1u, work.size());
  const NzaSatz& w = work[0];
  EXPECT_EQ("20261207080000", Start(w));
  EXPECT_EQ("20261207160000", End(w));
  EXPECT_EQ("PA", w.NzaBmk.view());
  EXPECT_EQ("PE", w.NzaEmk.view());
  EXPECT_EQ(1, w.NzaEnd);
  EXPECT_EQ(1, w.NzaBbn);
  EXPECT_EQ(4, w.NzaEbn);
  EXPECT_EQ(3, w.NzaRau);
  EXPECT_EQ(1, w.NzaVar);
  EXPECT_EQ("EARLY", w.NzaEmo.view());
  EXPECT_EQ("AT", w.NzaTtp.view());
  EXPECT_EQ("2026", w.NzaJwo.view());
  EXPECT_EQ(1, w.NzaWtg);
  EXPECT_EQ(341, w.NzaJtg);
  EXPECT_EQ(49, w.NzaWoc);
  EXPECT_EQ(2, w.NzaMaz);
  EXPECT_EQ(2, w.NzaPzm);
  EXPECT_EQ(5004, w.NzaFnr);  // every later window met its start again
  EXPECT_EQ("Nza_MPA", w.NzaErf.view());
  // 8 hours less the break (30 min) and the interruption (45 min); no attendance.
  EXPECT_DOUBLE_EQ(405.00, w.NzaNza);
  EXPECT_DOUBLE_EQ(435.00, w.NzaBza);
  EXPECT_DOUBLE_EQ(30.00, w.NzaPza);
  EXPECT_DOUBLE_EQ(0.00, w.NzaAbz);
  EXPECT_DOUBLE_EQ(45.00, w.NzaUza);
  EXPECT_DOUBLE_EQ(45.00, w.NzaNzu);
  EXPECT_DOUBLE_EQ(45.00, w.NzaBzu);
  EXPECT_DOUBLE_EQ(0.00, w.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, w.NzaPzu);

  std::vector<NzaSatz> interruptions = Periods(2);
  ASSERT_EQ(1u, interruptions.size());
  const NzaSatz& u = interruptions[0];
  EXPECT_EQ("20261207100000", Start(u));
  EXPECT_EQ("20261207104500", End(u));
  EXPECT_EQ("PU", u.NzaBmk.view());
  EXPECT_EQ("PW", u.NzaEmk.view());
  EXPECT_EQ(3, u.NzaEbn);
  EXPECT_DOUBLE_EQ(45.00, u.NzaUza);
  EXPECT_DOUBLE_EQ(45.00, u.NzaNzu);
  EXPECT_DOUBLE_EQ(45.00, u.NzaBzu);
  EXPECT_DOUBLE_EQ(0.00, u.NzaUbz);
  EXPECT_DOUBLE_EQ(0.00, u.NzaPzu);
  EXPECT_DOUBLE_EQ(0.00, u.NzaUzr);
  EXPECT_EQ("MldToNza", u.NzaErf.view());

  EXPECT_TRUE(Periods(1, kWithoutLogOn).empty());
  EXPECT_EQ(1, log.Count("Mel_PrfRdBck_MPA_Read", "Cursor-Read fehlgeschlagen "));
  EXPECT_EQ(0, log.Count("Get_MerkLoeschen", "Mrk_PKeyReadk"));
  EXPECT_EQ(0, testdb::CountRows("Kvs563Mrk"));
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
  EXPECT_EQ(0, testdb::CountRows("Kvs554Err"));
}

TEST_P(NzsRunTest, InterruptionWithoutItsAnalysisStaysOutOfTheRows) {
  BookTheDay();
  Nzs_Abarbeiten();
  EXPECT_TRUE(Periods(2).empty());
  std::vector<NzaSatz> work = Periods(1);
  ASSERT_EQ(1u, work.size());
  // Without an interruption row nothing marks the interruption on the time line.
  EXPECT_DOUBLE_EQ(450.00, work[0].NzaNza);
  EXPECT_DOUBLE_EQ(480.00, work[0].NzaBza);
  EXPECT_DOUBLE_EQ(30.00, work[0].NzaPza);
  EXPECT_DOUBLE_EQ(0.00, work[0].NzaUza);
}

// Every row the analysis touches, as one text.
std::string Snapshot() {
  std::string out;
  for (const db::Row& row :
       testdb::Query("select NzaSa,NzaDtm,NzaEdt,NzaEnd,NzaFnr,NzaErf,NzaNza,NzaBza from Kvs590Nza order by NzaSa,NzaDtm"))
    for (const db::Value& v : row) out += v.asText() + "|";
  out += "\nMlt " + std::to_string(testdb::CountRows("Kvs561Mlt"));
  for (const db::Row& row : testdb::Query("select MrkBnr from Kvs563Mrk order by MrkBnr"))
    out += " note " + row[0].asText();
  return out;
}

// The open work period of the log-on, and the note of the log-off.
void PrepareLogOff() {
  testdb::Exec("delete from Kvs590Nza");
  testdb::Exec("delete from Kvs563Mrk");
  NoteFor(Booking(1, "P05", "PA", kDay, "080000"));
  Nzs_Abarbeiten();
  NoteFor(Booking(4, "P08", "PE", kDay, "160000"));
}

void ExpectLogOffWorked() {
  EXPECT_EQ(0, testdb::CountRows("Kvs563Mrk"));
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
  std::vector<NzaSatz> work = Periods(1);
  ASSERT_EQ(1u, work.size());
  EXPECT_EQ(1, work[0].NzaEnd);
  EXPECT_DOUBLE_EQ(450.00, work[0].NzaNza);
  EXPECT_EQ("Nza_MPA", work[0].NzaErf.view());
}

// Makes each statement of the log-off's note fail in turn with `status`;
// returns how often the note was kept pending.
long FailEachStatementInTurn(int status) {
  Insert(Booking(1, "P05", "PA", kDay, "080000"));
  Insert(Booking(4, "P08", "PE", kDay, "160000"));
  PrepareLogOff();
  const std::string before = Snapshot();
  long kept = 0;
  for (long failing = 1;; ++failing) {
    EXPECT_LT(failing, 500);
    if (failing >= 500) return kept;
    bool unused = false;
    {
      testdb::FaultInjection faults;
      faults.FailStatement(failing, status);
      Nzs_Abarbeiten();
      unused = !faults.Fired();
    }
    if (unused) break;
    if (testdb::CountRows("Kvs563Mrk") == 0) {
      // A read before the note's unit (the analysis switches) failed unnoticed.
      ExpectLogOffWorked();
      PrepareLogOff();
      continue;
    }
    EXPECT_EQ(before, Snapshot()) << "statement " << failing << " failed";
    ++kept;
    Nzs_Abarbeiten();  // the next pass
    ExpectLogOffWorked();
    PrepareLogOff();
  }
  ExpectLogOffWorked();
  return kept;
}

TEST_P(NzsRunTest, NoteIsWorkedWhollyOrNotAtAllWhenTheConnectionIsLost) {
  EXPECT_GT(FailEachStatementInTurn(status::kNotConnected), 8);
}

TEST_P(NzsRunTest, NoteIsWorkedWhollyOrNotAtAllWhenTheDiskIsFull) {
  const int diskFull =
      GetParam() == testdb::Backend::Sqlite ? db::SqliteStatus(SQLITE_FULL) : db::PostgresStatus("53100");
  EXPECT_GT(FailEachStatementInTurn(diskFull), 8);
}

INSTANTIATE_DB_TEST(NzsRunTest);

}  // namespace
