// Several servers in the connect target: the worker books on the one that
// accepts writes wherever it stands in the list, past a server that is down
// and past a hot standby, and `status` names that server.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "db/engine/session.h"
#include "replicated_pair.h"
#include "server_script.h"
#include "standby_support.h"

namespace {

using namespace intake_test;

TEST(ServerOrder, TheWorkerBooksOnThePrimaryWhereverItStands) {
  if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
  if (const std::string missing = testdb::PrivateServersMissing(); !missing.empty()) GTEST_SKIP() << missing;
  drill::ReplicatedPair pair(testdb::ScratchDir() + "/order", drill::Replication::Asynchronous);
  ASSERT_EQ("", pair.failure());
  std::string error;
  ASSERT_NE("", testdb::CreateDatabase(pair.primaryUri("postgres"), "bde_o", &error)) << error;
  LoadCodes();
  LoadPerson();

  const std::string primary = pair.primary(), standby = pair.standby(), down = "127.0.0.1:1";
  struct Case {
    std::string what, net8;
    bool books;
  };
  const Case cases[] = {
      {"a server down, then the primary", down + "," + primary + "/bde_o", true},
      {"the primary, then a server down", primary + "," + down + "/bde_o", true},
      {"the standby, then the primary", standby + "," + primary + "/bde_o", true},
      {"the primary, then the standby", primary + "," + standby + "/bde_o", true},
      {"a URI, the standby first", "postgresql://" + standby + "," + primary + "/bde_o", true},
      {"no server that accepts writes", down + "," + standby + "/bde_o", false},
  };
  int queued = 0, booked = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what + ": " + c.net8);
    QueueTelegrams(queued++, 1);
    Site site(testdb::ScratchDir() + "/order-site", Login{"bde", "bde", c.net8});
    // No server to book on is a failed login: the unit restarts the worker.
    EXPECT_EQ(c.books ? 0 : 69, site.runOnce("w"));
    if (c.books) ++booked;
    EXPECT_EQ(booked, testdb::CountRows("Kvs571Rvs")) << site.log("w");
    EXPECT_EQ(queued - booked, testdb::CountRows("Kvs570Rcv"));

    EXPECT_EQ(1, site.status("w"));  // no worker runs now
    const std::string reached = c.books ? "server: " + primary + "\n" : "database: not reachable (-12541)\n";
    EXPECT_NE(std::string::npos, site.lastStatusOutput().find(reached)) << site.lastStatusOutput();
    if (!c.books) {
      EXPECT_TRUE(site.logHas("w", "fehlerhafter Connect mit der DB")) << site.log("w");
    }
  }
  db::Session::get().disconnect();
}

}  // namespace
