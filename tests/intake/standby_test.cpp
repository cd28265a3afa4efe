// Two installations on one database: two real worker processes with their
// own process objects. Only the one holding the lease books; the other is a
// standby that takes over when the holder is killed. However the telegrams
// arrive and whoever books them, each is booked exactly once. The status
// command tells each installation's state by its exit code.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <string>

#include "standby_support.h"

namespace {

using namespace intake_test;

constexpr int kFirstWave = 300, kSecondWave = 200;

class StandbyTest : public DbTest {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    DbTest::SetUp();
    if (IsSkipped()) return;
    const std::string dir = testdb::ScratchDir() + "/standby-" + backend();
    site_ = std::make_unique<Site>(dir, LoginFrom(dir));
    LoadCodes();
    LoadPerson();
    SetInterval(1);
  }

  std::string backend() const { return GetParam() == testdb::Backend::Sqlite ? "sqlite" : "postgres"; }

  std::unique_ptr<Site> site_;
};

TEST_P(StandbyTest, StandbyTakesOverFromAKilledHolderAndEveryTelegramIsBookedOnce) {
  auto first = site_->startWorker("a");
  ASSERT_TRUE(Eventually([&] { return site_->holdsLease("a"); })) << site_->log("a");
  auto second = site_->startWorker("b");
  ASSERT_TRUE(Eventually([&] { return site_->logHas("b", "Standby: andere Installation bucht"); }))
      << site_->log("b");
  EXPECT_EQ(0, site_->status("a")) << site_->lastStatusOutput();
  EXPECT_NE(std::string::npos, site_->lastStatusOutput().find("lease: held by ")) << site_->lastStatusOutput();
  EXPECT_EQ(3, site_->status("b")) << site_->lastStatusOutput();

  // The holder dies in the middle of a drain.
  QueueTelegrams(0, kFirstWave);
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") >= 20; }));
  first->kill9();
  const auto killed = std::chrono::steady_clock::now();
  const std::int64_t backedUpByFirst = testdb::CountRows("Kvs571Rvs");
  ASSERT_TRUE(Eventually([&] { return testdb::CountRows("Kvs571Rvs") > backedUpByFirst || site_->holdsLease("b"); }));
  const auto tookOver = std::chrono::steady_clock::now();

  // Telegrams go on arriving; the new holder books the rest.
  QueueTelegrams(kFirstWave, kSecondWave);
  const int total = kFirstWave + kSecondWave;
  ASSERT_TRUE(Eventually([&] { return testdb::CountRows("Kvs571Rvs") == total; })) << site_->log("b");
  ExpectEachBookedOnce(total);
  EXPECT_EQ(1, site_->logCount("b", "Lease uebernommen, Worker bucht")) << site_->log("b");
  EXPECT_EQ(0, site_->logCount("a", "Meldung bereits verarbeitet"));
  EXPECT_EQ(0, site_->logCount("b", "Meldung bereits verarbeitet"));
  EXPECT_EQ(1, site_->status("a"));
  EXPECT_EQ(0, site_->status("b")) << site_->lastStatusOutput();
  std::cout << "[ " << backend() << ": the standby took over "
            << std::chrono::duration_cast<std::chrono::milliseconds>(tookOver - killed).count()
            << " ms after the holder was killed, at a pass interval of 1 s; " << backedUpByFirst
            << " of the first " << kFirstWave << " telegrams were booked by the holder ]" << std::endl;
}

INSTANTIATE_DB_TEST(StandbyTest);

}  // namespace
