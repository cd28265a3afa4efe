// The PostgreSQL server goes down in the middle of a drain and comes back:
// the worker reconnects, takes the lease again and books the rest, nothing
// lost and nothing booked twice. The test runs its own private server
// (scripts/pg-test-server.sh, named by BDEMORVELT_PG_SCRIPT), so the
// server that the other test programs share never goes down.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "server_script.h"
#include "standby_support.h"

namespace {

using namespace intake_test;

constexpr int kTelegrams = 1000;

class ServerRestartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    if (const std::string missing = testdb::PrivateServersMissing(); !missing.empty()) GTEST_SKIP() << missing;
    serverDir_ = testdb::ScratchDir() + "/pg-restart";
    std::string uri;
    ASSERT_TRUE(testdb::RunServerScript({"start", serverDir_}, &uri)) << "cannot start a private server";
    started_ = true;
    Login login{"bde", "bde", testdb::AddressOf(uri) + "/bde_restart"};
    std::string error;
    service_ = testdb::CreateDatabase(uri, "bde_restart", &error);
    ASSERT_FALSE(service_.empty()) << error;
    LoadCodes();
    LoadPerson();
    SetInterval(1);
    site_ = std::make_unique<Site>(testdb::ScratchDir() + "/restart", login);
  }

  void TearDown() override {
    db::Session::get().disconnect();
    if (!started_) return;
    testdb::RunServerScript({"stop", serverDir_});
    std::filesystem::remove_all(serverDir_);
  }

  bool connect() {
    std::string error;
    return dbConnectWith("", "", service_, false, &error) == 0;
  }

  std::string serverDir_, service_;
  bool started_ = false;
  std::unique_ptr<Site> site_;
};

TEST_F(ServerRestartTest, WorkerReconnectsTakesTheLeaseAgainAndBooksTheRest) {
  QueueTelegrams(0, kTelegrams);
  auto worker = site_->startWorker("w");
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") >= 50; })) << site_->log("w");
  const std::int64_t bookedBefore = testdb::CountRows("Kvs571Rvs");
  ASSERT_TRUE(testdb::RunServerScript({"pause", serverDir_}));
  db::Session::get().disconnect();

  EXPECT_EQ(2, site_->status("w")) << site_->lastStatusOutput();
  ASSERT_TRUE(Eventually([&] { return site_->logHas("w", "fehlerhafter Connect mit der DB"); })) << site_->log("w");
  ASSERT_TRUE(testdb::RunServerScript({"resume", serverDir_}));

  ASSERT_TRUE(connect());
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") == kTelegrams; })) << site_->log("w");
  ExpectEachBookedOnce(kTelegrams);
  EXPECT_EQ(0, site_->status("w")) << site_->lastStatusOutput();
  EXPECT_NE(std::string::npos, site_->lastStatusOutput().find("worker: running, holds the lease"));
  EXPECT_EQ(0, site_->logCount("w", "Meldung bereits verarbeitet"));
  std::cout << "[ the server went down with about " << bookedBefore << " of " << kTelegrams
            << " telegrams booked ]" << std::endl;
}

}  // namespace
