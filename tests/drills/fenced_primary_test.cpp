// A primary fenced in a failover: it keeps running and keeps its sessions
// but accepts no writes any more, and the standby is promoted. The worker
// on the old primary notices at its next pass, though nothing is queued
// there, connects anew to the server that accepts writes, takes the lease
// there and books what arrives.
#include <gtest/gtest.h>

#include <string>

#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "replicated_pair.h"
#include "server_script.h"
#include "standby_support.h"

namespace {

using namespace intake_test;

TEST(FencedPrimary, TheWorkerLeavesAServerThatTurnedReadOnly) {
  if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
  if (const std::string missing = testdb::PrivateServersMissing(); !missing.empty()) GTEST_SKIP() << missing;
  drill::ReplicatedPair pair(testdb::ScratchDir() + "/fenced", drill::Replication::Synchronous);
  ASSERT_EQ("", pair.failure());
  std::string error;
  ASSERT_NE("", testdb::CreateDatabase(pair.primaryUri("postgres"), "bde_f", &error)) << error;
  LoadCodes();
  LoadPerson();
  SetInterval(1);
  Site site(testdb::ScratchDir() + "/fenced-site", Login{"bde", "bde", pair.primary() + "," + pair.standby() + "/bde_f"});
  QueueTelegrams(0, 100);
  auto worker = site.startWorker("w");
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") == 100; })) << site.log("w");

  db::Connection& primary = db::Session::get().connection();
  ASSERT_EQ(0, primary.executeScript("ALTER SYSTEM SET default_transaction_read_only = on")) << primary.lastError();
  ASSERT_EQ(0, primary.executeScript("select pg_reload_conf()"));
  ASSERT_TRUE(pair.promoteStandby());
  ASSERT_EQ(0, dbConnectWith("", "", pair.standbyUri("bde_f"), false, &error)) << error;
  QueueTelegrams(100, 100);
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") == 200; })) << site.log("w");
  ExpectEachBookedOnce(200);
  // The lease is taken at the start and once more on the new primary.
  EXPECT_EQ(2, site.logCount("w", "Lease uebernommen, Worker bucht")) << site.log("w");
  EXPECT_EQ(1, site.logCount("w", "Lease verloren")) << site.log("w");
  EXPECT_EQ(0, site.status("w")) << site.lastStatusOutput();
  EXPECT_NE(std::string::npos, site.lastStatusOutput().find("server: " + pair.standby() + "\n"))
      << site.lastStatusOutput();
  db::Session::get().disconnect();
}

}  // namespace
