// The database-wide lease: held by one connection at a time, visible to
// others with its holder's name, and free again once the holder's
// connection is gone.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "db/backend.h"
#include "db_fixture.h"

namespace {

class LeaseTest : public DbTest {
 protected:
  std::unique_ptr<db::Connection> open() {
    std::unique_ptr<db::Connection> conn;
    std::string error;
    EXPECT_EQ(0, db::openConnection(testdb::CurrentLogin(), testdb::CurrentPassword(), testdb::CurrentService(),
                                    false, conn, &error))
        << error;
    return conn;
  }
};

TEST_P(LeaseTest, OneConnectionHoldsTheLeaseUntilItIsGone) {
  auto first = open(), second = open();
  ASSERT_TRUE(first && second);
  std::string holder;
  ASSERT_EQ(0, second->leaseHolder(holder));
  EXPECT_EQ("", holder);

  bool held = false;
  ASSERT_EQ(0, first->takeLease("first pid 1", held));
  EXPECT_TRUE(held);
  ASSERT_EQ(0, first->takeLease("first pid 1", held));  // asked again, still its own
  EXPECT_TRUE(held);
  ASSERT_EQ(0, second->takeLease("second pid 2", held));
  EXPECT_FALSE(held);
  ASSERT_EQ(0, second->leaseHolder(holder));
  EXPECT_EQ(0u, holder.rfind("first pid 1", 0)) << holder;

  first.reset();
  // The server lets go of a closed session's locks a moment after the close.
  for (int tries = 0; tries < 500 && !held; ++tries) {
    ASSERT_EQ(0, second->takeLease("second pid 2", held));
    if (!held) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(held);
  ASSERT_EQ(0, second->leaseHolder(holder));
  EXPECT_EQ(0u, holder.rfind("second pid 2", 0)) << holder;
}

TEST_P(LeaseTest, ServerEndsTheSessionOfADeadPeerWithinAMinute) {
  if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database has no peer";
  // The session's own settings, as every connection of the worker gets them.
  auto setting = [](const std::string& name) { return testdb::QueryInt("select current_setting('" + name + "')::int"); };
  const std::int64_t idle = setting("tcp_keepalives_idle"), interval = setting("tcp_keepalives_interval"),
                     count = setting("tcp_keepalives_count");
  EXPECT_GT(idle, 0);
  EXPECT_GT(count, 0);
  EXPECT_LE(idle + interval * count, 60);
}

INSTANTIATE_DB_TEST(LeaseTest);

}  // namespace
