// A server that no longer accepts writes (a primary fenced after a
// failover) is no server to book on: a write it refuses gives up the
// connection like a lost one. (The lease's check at every pass finds out
// without a write: the fenced primary of tests/drills.)
#include <gtest/gtest.h>

#include <string>

#include "base/status.h"
#include "db/engine/session.h"
#include "db_fixture.h"

namespace {

class ReadOnlyServerTest : public DbTest {
 protected:
  void SetUp() override {
    if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database is never read-only";
    DbTest::SetUp();
  }
};

TEST_P(ReadOnlyServerTest, AWriteRefusedAsReadOnlyGivesUpTheConnection) {
  // Read-only for this connection alone, as the whole server is once fenced.
  ASSERT_EQ(0, db::Session::get().connection().executeScript("SET default_transaction_read_only = on"));
  EXPECT_EQ(status::kNotConnected, testdb::Exec("insert into Kvs552Bnr (BnrKey, BnrBnr) values ('X', 1)"));
  EXPECT_FALSE(db::Session::get().alive());
}

INSTANTIATE_DB_TEST(ReadOnlyServerTest);

}  // namespace
