// Exactly once: whatever statement of a drain fails as if the connection
// had been lost, a clean pass afterwards leaves every telegram booked once,
// backed up once and out of the queue.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "db/engine/failure.h"
#include "db/engine/session.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "fault_injection.h"

namespace {

using namespace intake_test;

// One telegram of the drain and what booking it leaves behind.
struct Sent {
  std::string telegram;
  std::string terminal;  // tells the bookings apart
  int bookings;          // rows with KeyLfn 0
  int uploads;
};

std::vector<Sent> DayOfTelegrams() {
  std::vector<Sent> day = {
      {Telegram("A01", "060001", OrderData(), "T1"), "T1", 1, 1},
      {Telegram("A02", "060002", OrderData() + scenario::Quantity(12.5) + scenario::Quantity(1), "T2"), "T2", 1, 1},
      {Telegram("P01", "060003", "B0009999WP00000010", "T3"), "T3", 1, 0},  // unknown badge
      {Telegram("X99", "060004", OrderData(), "T4"), "T4", 0, 0},            // unknown code
      {Telegram("X04", "0600xx", OrderData(), "T5"), "T5", 0, 0},            // time that is no time
      {Telegram("A07", "060006", OrderData() + scenario::Quantity(3) + std::string(33, '0') + "0 R001", "T6"),
       "T6", 1, 1},
  };
  return day;
}

class ExactlyOnceTest : public CodesAndPersonTest {
 protected:
  // The master data stays; whatever booking writes goes, and the day's
  // telegrams are queued again.
  bool prepare() {
    for (const char* table : {"Kvs570Rcv", "Kvs571Rvs", "Kvs560Mel", "Kvs565Map", "Kvs563Mrk", "Kvs554Err",
                              "Kvs580Pps", "Kvs552Bnr"})
      EXPECT_EQ(0, testdb::Exec(std::string("delete from ") + table)) << table;
    int lfn = 0;
    for (const Sent& s : DayOfTelegrams()) {
      ++lfn;
      Queue("2026120706" + std::to_string(1000 + lfn), lfn, s.telegram);
    }
    return !HasFailure();
  }

  void expectEveryTelegramBookedOnce(long n) {
    const std::vector<Sent> day = DayOfTelegrams();
    EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv")) << "failure at statement " << n;
    EXPECT_EQ(static_cast<std::int64_t>(day.size()), testdb::CountRows("Kvs571Rvs")) << "failure at statement " << n;
    int bookings = 0, uploads = 0;
    for (const Sent& s : day) {
      EXPECT_EQ(s.bookings, Count("Kvs560Mel", "KeyLfn=0 and MelTrm='" + s.terminal + "'"))
          << s.terminal << ", failure at statement " << n;
      bookings += s.bookings;
      uploads += s.uploads;
    }
    EXPECT_EQ(uploads, testdb::CountRows("Kvs580Pps")) << "failure at statement " << n;
    // Numbers taken back with their unit are given out again: no gaps, no twins.
    EXPECT_EQ(bookings, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'")) << n;
    EXPECT_EQ(bookings, testdb::QueryInt("select count(distinct KeyBnr) from Kvs560Mel where KeyLfn=0")) << n;
  }

  // After a pass that failed: each telegram is either still queued with
  // nothing booked, or backed up with all its bookings.
  void expectEachTelegramQueuedOrBooked(long n) {
    const std::vector<Sent> day = DayOfTelegrams();
    for (std::size_t k = 0; k < day.size(); ++k) {
      const std::string lfn = std::to_string(k + 1);
      const bool queued = Count("Kvs570Rcv", "RcvLfn=" + lfn) == 1;
      const int booked = static_cast<int>(Count("Kvs560Mel", "KeyLfn=0 and MelTrm='" + day[k].terminal + "'"));
      EXPECT_EQ(queued ? 0 : 1, Count("Kvs571Rvs", "RvsLfn=" + lfn)) << day[k].terminal << ", statement " << n;
      EXPECT_EQ(queued ? 0 : day[k].bookings, booked) << day[k].terminal << ", statement " << n;
    }
  }

  // Fails each statement of a drain in turn with `status`, then makes a
  // clean pass; returns the number of statements a drain runs.
  long failEachStatementInTurn(int status, const GroupLimits& groups) {
    long n = 1;
    for (;; ++n) {
      if (!prepare()) return n;
      bool happened = false;
      scenario::LogCapture log;
      {
        testdb::FaultInjection faults;
        faults.FailStatement(n, status);
        Input_Buchung(groups);
        happened = faults.Fired();
      }
      expectEachTelegramQueuedOrBooked(n);
      EXPECT_EQ(0, log.Count("Input-Buchung", "Einzelbuchung nach Abbruch")) << "statement " << n;
      Input_Buchung(groups);  // the clean pass
      expectEveryTelegramBookedOnce(n);
      if (!happened || HasFailure()) return n;
    }
  }
};

// Groups of four: the six telegrams are booked in two transactions, the
// first committed when full, the second when the queue is empty.
const GroupLimits kGroupsOfFour{4, std::chrono::hours(1)};
const GroupLimits kOneByOne{1, std::chrono::milliseconds(0)};

TEST_P(ExactlyOnceTest, LostConnectionAtAnyStatementOfADrainBooksEveryTelegramOnce) {
  for (const GroupLimits& groups : {kOneByOne, kGroupsOfFour}) {
    const long n = failEachStatementInTurn(status::kNotConnected, groups);
    EXPECT_GT(n, 60) << "a drain of six telegrams runs more statements than that";
    std::cout << "[ groups of " << groups.telegrams << ": drained with a failure at each of " << n - 1
              << " statements ]" << std::endl;
  }
}

TEST_P(ExactlyOnceTest, FullDiskAtAnyStatementOfADrainBooksEveryTelegramOnce) {
  const int diskFull =
      GetParam() == testdb::Backend::Sqlite ? db::SqliteStatus(SQLITE_FULL) : db::PostgresStatus("53100");
  EXPECT_GT(failEachStatementInTurn(diskFull, kGroupsOfFour), 60);
}

// A read of the second telegram fails on the server and takes the whole
// transaction with it: the group goes back to the queue and its telegrams
// are booked one by one, the second as far as it goes.
TEST_P(ExactlyOnceTest, ATelegramThatSpoilsItsGroupSendsTheGroupToBeBookedAlone) {
  if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "a failed read spoils a transaction on a server";
  ASSERT_TRUE(prepare());
  scenario::LogCapture log;
  {
    testdb::FaultInjection faults;
    faults.FailRoutine("App_PKeyReadk", db::PostgresStatus("22008"), 2);
    faults.SpoilTransaction();
    Input_Buchung(kGroupsOfFour);
    EXPECT_TRUE(faults.Fired());
  }
  EXPECT_EQ(1, log.Count("Input-Buchung", "Gruppe wird einzeln gebucht")) << log.Text();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(6, testdb::CountRows("Kvs571Rvs"));
  for (const Sent& s : DayOfTelegrams())
    EXPECT_EQ(s.bookings, Count("Kvs560Mel", "KeyLfn=0 and MelTrm='" + s.terminal + "'")) << s.terminal;
  Input_Buchung(kGroupsOfFour);
  EXPECT_EQ(6, testdb::CountRows("Kvs571Rvs"));
}

TEST_P(ExactlyOnceTest, ALoneTelegramIsCommittedWithoutWaitingForItsGroup) {
  ASSERT_TRUE(prepare());
  ASSERT_EQ(0, testdb::Exec("delete from Kvs570Rcv where RcvLfn > 1"));
  Input_Buchung(GroupLimits{50, std::chrono::hours(1)});
  EXPECT_FALSE(db::Session::get().connection().inTransaction());
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, Count("Kvs560Mel", "KeyLfn=0 and MelTrm='T1'"));
}

TEST_P(ExactlyOnceTest, TwoPassesAfterEachOtherBookNothingTwice) {
  ASSERT_TRUE(prepare());
  Input_Buchung();
  Input_Buchung();
  expectEveryTelegramBookedOnce(0);
}

INSTANTIATE_DB_TEST(ExactlyOnceTest);

}  // namespace
