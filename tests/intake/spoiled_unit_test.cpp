// A telegram whose unit of work cannot be committed for a reason of its own
// (not a lost connection) must not stay in the queue for ever: it is moved
// to the backup and then booked statement by statement as far as it goes.
#include <gtest/gtest.h>

#include "db/engine/session.h"
#include "intake/receive.h"
#include "intake_support.h"

namespace {

using namespace intake_test;
using scenario::LogCapture;

class SpoiledUnitTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "needs a check that runs at commit";
    LoadCodes();
    LoadPerson();
    // Bookings from terminal "XX" are refused when their transaction commits.
    db::Connection& conn = db::Session::get().connection();
    ASSERT_EQ(0, conn.executeScript("create or replace function intake_test_refuse() returns trigger language plpgsql "
                                    "as 'begin if new.MelTrm = ''XX'' then raise exception ''refused''; end if; "
                                    "return new; end'"));
    ASSERT_EQ(0, conn.executeScript("drop trigger if exists intake_test_refuse on Kvs560Mel"));
    ASSERT_EQ(0, conn.executeScript("create constraint trigger intake_test_refuse after insert on Kvs560Mel "
                                    "deferrable initially deferred for each row execute function intake_test_refuse()"));
  }

  void TearDown() override {
    if (GetParam() == testdb::Backend::Postgres && db::Session::get().connected())
      db::Session::get().connection().executeScript("drop trigger if exists intake_test_refuse on Kvs560Mel");
    DbTest::TearDown();
  }
};

TEST_P(SpoiledUnitTest, TelegramLeavesTheQueueAndTheOthersAreBookedAsUsual) {
  LogCapture log;
  Queue("20261207100001", 1, Telegram("A01", "100001", OrderData(), "T1"));
  Queue("20261207100002", 2, Telegram("A01", "100002", OrderData(), "XX"));
  Queue("20261207100003", 3, Telegram("A01", "100003", OrderData(), "T3"));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(3, testdb::CountRows("Kvs571Rvs"));
  // The three shared a group: its commit failed, and each was booked alone.
  EXPECT_EQ(1, log.Count("Input-Buchung", "Gruppe wird einzeln gebucht"));
  EXPECT_EQ(1, log.Count("Input-Buchung", "Fehler bei Commit"));
  EXPECT_EQ(1, log.Count("Input-Buchung", "Einzelbuchung nach Abbruch"));
  // Booked as far as it goes: its upload row is there, its booking row is refused again.
  EXPECT_EQ(1, log.Count("Buchungssatz_Schreiben", "Mel_PKeyIns"));
  EXPECT_EQ(0, Count("Kvs560Mel", "MelTrm='XX'"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelTrm='T1'"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelTrm='T3'"));
  EXPECT_EQ(3, testdb::CountRows("Kvs580Pps"));
  Input_Buchung();
  EXPECT_EQ(3, testdb::CountRows("Kvs580Pps"));
}

INSTANTIATE_DB_TEST(SpoiledUnitTest);

}  // namespace
