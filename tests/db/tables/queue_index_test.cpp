// The queue delete of every booked telegram is served by the queue's key.
#include <gtest/gtest.h>

#include "db_fixture.h"

namespace {

class QueueIndexTest : public DbTest {};

TEST_P(QueueIndexTest, DeleteOfOneTelegramUsesTheKey) {
  const std::string plan = testdb::QueryPlan(
      "delete  from Kvs570Rcv  where (RcvMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RcvLfn=:b1)",
      {db::Value::text("20261207065131"), db::Value::integer(1)});
  ASSERT_FALSE(plan.empty());
  EXPECT_EQ(std::string::npos, plan.find(GetParam() == testdb::Backend::Sqlite ? "SCAN " : "Seq Scan")) << plan;
}

INSTANTIATE_DB_TEST(QueueIndexTest);

}  // namespace
