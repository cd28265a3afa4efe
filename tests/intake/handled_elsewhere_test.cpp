// A telegram whose queue row is gone by the time its unit of work deletes it
// has been handled by someone else: its unit is rolled back, so nothing of
// it is booked here, and one log line says so.
#include <gtest/gtest.h>

#include <string>

#include "db/engine/session.h"
#include "intake/receive.h"
#include "intake_support.h"

namespace {

using namespace intake_test;
using scenario::LogCapture;

class HandledElsewhereTest : public CodesAndPersonTest {
 protected:
  void SetUp() override {
    CodesAndPersonTest::SetUp();
    if (IsSkipped()) return;
    for (int k = 1; k <= 3; ++k)
      Queue("2026120710000" + std::to_string(k), k,
            Telegram("A01", "10000" + std::to_string(k), OrderData(), "T" + std::to_string(k)));
  }

  // The backup of the second telegram takes its queue row away inside the
  // unit, as a second worker that committed it first would have.
  void takeSecondRowAwayAtItsBackup() {
    db::Connection& conn = db::Session::get().connection();
    if (testdb::IsSqlite()) {
      ASSERT_EQ(0, conn.executeScript("create trigger intake_test_gone before insert on Kvs571Rvs "
                                      "when new.RvsLfn = 2 begin delete from Kvs570Rcv where RcvLfn = 2; end"));
      return;
    }
    ASSERT_EQ(0, conn.executeScript(
                     "create or replace function intake_test_gone() returns trigger language plpgsql as "
                     "'begin if new.RvsLfn = 2 then delete from Kvs570Rcv where RcvLfn = 2; end if; "
                     "return new; end'"));
    ASSERT_EQ(0, conn.executeScript("create trigger intake_test_gone before insert on Kvs571Rvs for each row "
                                    "execute function intake_test_gone()"));
  }

  void dropTrigger() {
    const std::string on = testdb::IsSqlite() ? "" : " on Kvs571Rvs";
    ASSERT_EQ(0, db::Session::get().connection().executeScript("drop trigger intake_test_gone" + on));
  }
};

TEST_P(HandledElsewhereTest, UnitOfATelegramWhoseQueueRowIsGoneIsRolledBack) {
  takeSecondRowAwayAtItsBackup();
  LogCapture log;
  Input_Buchung();
  EXPECT_EQ(0, Count("Kvs560Mel", "MelTrm='T2'"));
  EXPECT_EQ(0, Count("Kvs571Rvs", "RvsLfn=2"));
  EXPECT_EQ(2, testdb::CountRows("Kvs580Pps"));  // no upload row of its own
  EXPECT_EQ(1, Count("Kvs560Mel", "MelTrm='T1'"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelTrm='T3'"));
  EXPECT_EQ(2, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));  // its number given back
  EXPECT_EQ(1, log.Count("Input-Buchung", "Meldung bereits verarbeitet"));
  EXPECT_EQ(0, log.Count("MeldungToSicherung", "Fehler bei Rcv_PKeyDel"));
  EXPECT_EQ(0, log.Count("Input-Buchung", "Einzelbuchung nach Abbruch"));

  // Rolled back whole, the queue row too: here it is booked once, later.
  dropTrigger();
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(3, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelTrm='T2' and KeyLfn=0"));
  EXPECT_EQ(3, testdb::CountRows("Kvs580Pps"));
  EXPECT_EQ(3, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
}

INSTANTIATE_DB_TEST(HandledElsewhereTest);

}  // namespace
