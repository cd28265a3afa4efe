// A server that no longer accepts writes (a primary fenced after a
// failover) is no server to book on: its connection is given up like a
// lost one, whether a write finds out or the lease's check at a pass.
#include <gtest/gtest.h>

#include <string>

#include "base/status.h"
#include "db/lease.h"
#include "db/session.h"
#include "db_fixture.h"

namespace {

class ReadOnlyServerTest : public DbTest {
 protected:
  void SetUp() override {
    if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database is never read-only";
    DbTest::SetUp();
  }

  // The server turns read-only for this connection alone.
  void fence() { ASSERT_EQ(0, db::Session::get().connection().executeScript("SET default_transaction_read_only = on")); }
};

TEST_P(ReadOnlyServerTest, AWriteRefusedAsReadOnlyGivesUpTheConnection) {
  fence();
  EXPECT_EQ(status::kNotConnected, testdb::Exec("insert into Kvs552Bnr (BnrKey, BnrBnr) values ('X', 1)"));
  EXPECT_FALSE(db::Session::get().alive());
}

TEST_P(ReadOnlyServerTest, TheLeaseIsLostWithTheServersWrites) {
  bool held = false;
  ASSERT_EQ(0, db::TakeLease("test", held));
  ASSERT_TRUE(held);
  ASSERT_EQ(0, db::TakeLease("test", held));
  EXPECT_TRUE(held);
  fence();
  EXPECT_EQ(status::kNotConnected, db::TakeLease("test", held));
  EXPECT_FALSE(held);
  EXPECT_FALSE(db::Session::get().alive());
}

INSTANTIATE_DB_TEST(ReadOnlyServerTest);

}  // namespace
