// The lease on PostgreSQL is freed by the server when the holder's session
// ends; when the holder's machine dies, keepalives end that session. Every
// connection asks for keepalives short enough to free the lease within
// 25 seconds. (Holding, waiting for and taking over the lease is what
// the two-worker tests of tests/intake show on both backends.)
#include <gtest/gtest.h>

#include <string>

#include "db_fixture.h"

namespace {

class LeaseTest : public DbTest {};

TEST_P(LeaseTest, ServerEndsTheSessionOfADeadPeerWithin25Seconds) {
  if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database has no peer";
  auto setting = [](const std::string& name) { return testdb::QueryInt("select current_setting('" + name + "')::int"); };
  const std::int64_t idle = setting("tcp_keepalives_idle"), interval = setting("tcp_keepalives_interval"),
                     count = setting("tcp_keepalives_count");
  EXPECT_GT(idle, 0);
  EXPECT_GT(count, 0);
  EXPECT_LE(idle + interval * count, 25);
  EXPECT_GT(setting("tcp_user_timeout"), 0);
  EXPECT_LE(setting("tcp_user_timeout"), 25000);
}

INSTANTIATE_DB_TEST(LeaseTest);

}  // namespace
