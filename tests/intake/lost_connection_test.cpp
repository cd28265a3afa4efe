// A lost database connection: the telegrams wait in the queue, the worker
// reconnects at the top of the next pass (logging every failed attempt) and
// then books each of them once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "db/engine/backend.h"
#include "app/login.h"
#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "app/loop.h"

namespace {

using namespace intake_test;
using scenario::LogCapture;

class LostConnectionTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    config_ = testdb::ScratchDir() + "/lost-connection.ini";
    // The worker's connect reads the configuration, whose values are too
    // short for an absolute path: work from the directory of the database.
    cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(testdb::ScratchDir());
    net8_ = LoginFrom(testdb::ScratchDir()).net8;
    writeConfig(net8_);
    LoadCodes();
    LoadPerson();
    for (int k = 1; k <= 3; ++k)
      Queue("2026120706100" + std::to_string(k), k, Telegram("A01", "06000" + std::to_string(k), OrderData(),
                                                              "T" + std::to_string(k)));
  }

  void TearDown() override {
    dbSetConfigFile("../../../../files/korvantis.ini");
    if (!cwd_.empty()) std::filesystem::current_path(cwd_);
    DbTest::TearDown();
  }

  void writeConfig(const std::string& net8) {
    Login l = LoginFrom(testdb::ScratchDir());
    l.net8 = net8;
    WriteConfig(config_, l);
    dbSetConfigFile(config_);
  }

  // Ends the worker's connection the way a server restart or a network
  // failure does.
  void loseConnection() {
    db::Session& s = db::Session::get();
    if (GetParam() == testdb::Backend::Sqlite) {
      s.disconnect();
      return;
    }
    const std::int64_t pid = testdb::QueryInt("select pg_backend_pid()");
    std::unique_ptr<db::Connection> other;
    std::string error;
    ASSERT_EQ(0, db::openConnection(testdb::CurrentLogin(), testdb::CurrentPassword(), testdb::CurrentService(),
                                    false, other, &error))
        << error;
    ASSERT_EQ(0, other->executeScript("select pg_terminate_backend(" + std::to_string(pid) + ")"));
  }

  void expectEachTelegramBookedOnce() {
    EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
    EXPECT_EQ(3, testdb::CountRows("Kvs571Rvs"));
    for (int k = 1; k <= 3; ++k)
      EXPECT_EQ(1, Count("Kvs560Mel", "KeyLfn=0 and MelTrm='T" + std::to_string(k) + "'")) << k;
    EXPECT_EQ(3, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
  }

  std::string config_, net8_;
  std::filesystem::path cwd_;
};

TEST_P(LostConnectionTest, TelegramsWaitUntilTheWorkerHasReconnected) {
  LogCapture log;
  loseConnection();
  Input_Buchung();  // cannot even open the queue: nothing happens, nothing is logged
  EXPECT_EQ("", log.Text());
  EXPECT_FALSE(db::Session::get().alive());

  writeConfig("nowhere.invalid:1/none");
  EXPECT_FALSE(EnsureConnected());
  EXPECT_FALSE(EnsureConnected());
  EXPECT_EQ(2, log.Count("dbConnect", "fehlerhafter Connect mit der DB"));

  writeConfig(net8_);
  ASSERT_TRUE(EnsureConnected());
  EXPECT_EQ(3, testdb::CountRows("Kvs570Rcv"));
  Input_Buchung();
  expectEachTelegramBookedOnce();
  EXPECT_EQ(2, log.Count("dbConnect", "fehlerhafter Connect mit der DB"));
}

TEST_P(LostConnectionTest, ConnectionLostInTheMiddleOfATelegramTakesNothingOfItAlong) {
  if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database has no connection to lose";
  LogCapture log;
  // The backup of the second telegram ends the server process serving the worker.
  db::Connection& conn = db::Session::get().connection();
  ASSERT_EQ(0, conn.executeScript("update Kvs570Rcv set RcvEsb='kill' where RcvLfn=2"));
  ASSERT_EQ(0, conn.executeScript(
                   "create or replace function intake_test_kill() returns trigger language plpgsql as "
                   "'begin if new.RvsEsb = ''kill'' then perform pg_terminate_backend(pg_backend_pid()); end if; "
                   "return new; end'"));
  ASSERT_EQ(0, conn.executeScript("drop trigger if exists intake_test_kill on Kvs571Rvs"));
  ASSERT_EQ(0, conn.executeScript("create trigger intake_test_kill before insert on Kvs571Rvs for each row "
                                  "execute function intake_test_kill()"));
  Input_Buchung();
  EXPECT_FALSE(db::Session::get().alive());
  EXPECT_EQ(1, log.Count("Input-Buchung", "Verbindung weg, Meldung wartet")) << log.Text();

  ASSERT_TRUE(EnsureConnected());
  // The first telegram shared the second one's group: it went back with it.
  EXPECT_EQ(3, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(0, testdb::CountRows("Kvs571Rvs"));
  ASSERT_EQ(0, db::Session::get().connection().executeScript("drop trigger intake_test_kill on Kvs571Rvs"));
  Input_Buchung();
  expectEachTelegramBookedOnce();
}

INSTANTIATE_DB_TEST(LostConnectionTest);

}  // namespace
