// A real worker process killed with SIGKILL at many moments of a drain on
// the embedded database: after a clean pass every telegram is booked once,
// backed up once and out of the queue.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "db/tables/bnr.h"
#include "db/engine/dbdb.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "intake_support.h"
#include "base/config.h"
#include "program.h"

namespace {

using namespace intake_test;
namespace fs = std::filesystem;

constexpr int kTelegrams = 400;

// Every fourth telegram is of an unknown code, every third an upload.
std::string TelegramNumber(int k) {
  char time[32];
  std::snprintf(time, sizeof time, "%02d%02d%02d", 6 + k / 3600, k / 60 % 60, k % 60);
  if (k % 4 == 3) return Telegram("X99", time, OrderData());
  return Telegram(k % 3 == 0 ? "A01" : "P01", time, k % 3 == 0 ? OrderData() : "B0001001WP00000010");
}

int ExpectedBookings() {
  int n = 0;
  for (int k = 0; k < kTelegrams; ++k) n += k % 4 != 3;
  return n;
}

int ExpectedUploads() {
  int n = 0;
  for (int k = 0; k < kTelegrams; ++k) n += k % 4 != 3 && k % 3 == 0;
  return n;
}

class WorkerKillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    dir_ = testdb::ScratchDir() + "/kill";
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/ipc");
    fs::create_directories(dir_ + "/Msg");
    service_ = "sqlite:" + dir_ + "/bde.db";
    std::ofstream(dir_ + "/korvantis.ini", std::ios::binary)
        << "[db];BDE;\n1;LOGIN;\n[db];BDE;\n2;PASS;\n[db];BDE;\n3;NET8;" << Wert_Verschluesseln("sqlite:bde.db", kIniKey)
        << "\n";
    std::string error;
    ASSERT_EQ(0, dbConnectWith("", "", service_, true, &error)) << error;
    ASSERT_EQ(0, db::schema::create(db::Session::get().connection(), &error)) << error;
    LoadCodes();
    LoadPerson();
    BnrSatz interval;
    interval.BnrKey = "BDBER";
    ASSERT_EQ(0, Bnr_PKeyIns(&interval));
    db::UnitOfWork unit;
    for (int k = 0; k < kTelegrams; ++k) {
      char moment[32];
      std::snprintf(moment, sizeof moment, "20261207%02d%02d%02d", 7 + k / 3600, k / 60 % 60, k % 60);
      Queue(moment, k + 1, TelegramNumber(k));
    }
    ASSERT_EQ(0, unit.commit().status);
    db::Session::get().disconnect();
  }

  void TearDown() override {
    db::Session::get().disconnect();
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
  }

  std::unique_ptr<Program> startPass() {
    return std::make_unique<Program>(dir_, dir_ + "/ipc",
                                     std::vector<std::string>{"--once", "--config", dir_ + "/korvantis.ini", "--log",
                                                              dir_ + "/Msg/BdeMorvelt.txt"},
                                     "", dir_ + "/worker.out");
  }

  std::int64_t queued() {
    std::string error;
    EXPECT_EQ(0, dbConnectWith("", "", service_, false, &error)) << error;
    std::int64_t n = testdb::CountRows("Kvs570Rcv");
    db::Session::get().disconnect();
    return n;
  }

  std::string dir_, service_;
};

TEST_F(WorkerKillTest, KilledAnywhereInADrainNothingIsLostOrBookedTwice) {
  int killedMidway = 0;
  std::int64_t left = kTelegrams;
  for (int delayMs = 20; delayMs <= 400 && left > 0; delayMs += 15) {
    auto worker = startPass();
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    worker->kill9();
    const std::int64_t now = queued();
    if (now > 0 && now < left) ++killedMidway;
    left = now;
  }
  EXPECT_GT(killedMidway, 0) << "no kill hit a running drain";
  EXPECT_EQ(0, startPass()->wait());

  std::string error;
  ASSERT_EQ(0, dbConnectWith("", "", service_, false, &error)) << error;
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(kTelegrams, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(ExpectedBookings(), Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ(ExpectedBookings(), testdb::QueryInt("select count(*) from (select distinct TO_CHAR(KeyUhr,'HH24MISS') "
                                                 "from Kvs560Mel where KeyLfn=0) t"));
  EXPECT_EQ(ExpectedBookings(), testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
  EXPECT_EQ(ExpectedUploads(), testdb::CountRows("Kvs580Pps"));
  std::cout << "[ " << killedMidway << " kills hit a running drain ]" << std::endl;
}

}  // namespace
