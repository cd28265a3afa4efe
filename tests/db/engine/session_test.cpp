// The shared mechanics of the access layer on both backends: write
// discipline, units of work, cursors, NULLs, cutting and status codes.
#include <gtest/gtest.h>

#include "db/engine/access.h"
#include "db/tables/bnr.h"
#include "db/tables/nza.h"
#include "db/tables/rcv.h"
#include "db/tables/rvs.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "db_fixture.h"
#include "fault_injection.h"

namespace {

class SessionTest : public DbTest {};

RcvSatz Telegram(const char* moment, int lfn, const char* data) {
  RcvSatz r;
  r.RcvMdt = moment;
  r.RcvLfn = lfn;
  r.RcvDta = data;
  r.RcvEsb = "test";
  return r;
}

TEST_P(SessionTest, InvalidDateTextGivesTheDateErrors) {
  RcvSatz r = Telegram("20261307065131", 1, "x");
  EXPECT_EQ(-1843, Rcv_PKeyIns(&r));
  r.RcvMdt = "20260230065131";
  EXPECT_EQ(-1847, Rcv_PKeyIns(&r));
  r.RcvMdt = "2026020a065131";
  EXPECT_EQ(-1858, Rcv_PKeyIns(&r));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(SessionTest, UnitOfWorkCommitsAllOrNothing) {
  RcvSatz a = Telegram("20261207065131", 1, "a"), b = Telegram("20261207065132", 2, "b");
  {
    db::UnitOfWork unit;
    ASSERT_EQ(0, unit.beginStatus());
    ASSERT_EQ(0, Rcv_PKeyIns(&a));
    EXPECT_EQ(-1, Rcv_PKeyIns(&a));  // fails alone, the unit goes on
    ASSERT_EQ(0, Rcv_PKeyIns(&b));
  }  // not committed: rolled back
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));

  db::UnitOfWork unit;
  ASSERT_EQ(0, unit.beginStatus());
  ASSERT_EQ(0, Rcv_PKeyIns(&a));
  EXPECT_EQ(-1, Rcv_PKeyIns(&a));
  ASSERT_EQ(0, Rcv_PKeyIns(&b));
  ASSERT_EQ(0, unit.commit().status);
  EXPECT_EQ(2, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(SessionTest, GuardsRollBackWhatIsNotCommittedAndUnitsOfAGroupEndAlone) {
  RcvSatz a = Telegram("20261207065131", 1, "a"), b = Telegram("20261207065132", 2, "b"),
          c = Telegram("20261207065133", 3, "c");
  {
    db::UnitOfWork unit;
    ASSERT_TRUE(unit.open());
    ASSERT_EQ(0, Rcv_PKeyIns(&a));
  }  // left without a commit
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  {
    db::UnitOfWork unit;
    ASSERT_EQ(0, Rcv_PKeyIns(&a));
    EXPECT_TRUE(unit.commit().committed());
  }
  EXPECT_EQ(1, testdb::CountRows("Kvs570Rcv"));

  for (const bool commitGroup : {false, true}) {
    SCOPED_TRACE(commitGroup ? "group committed" : "group left without a commit");
    db::GroupOfUnits group;
    ASSERT_TRUE(group.open());
    {
      db::UnitOfWork kept;
      ASSERT_EQ(0, Rcv_PKeyIns(&b));
      EXPECT_TRUE(kept.commit().committed());
    }
    {
      db::UnitOfWork undone;
      ASSERT_EQ(0, Rcv_PKeyIns(&c));
      const db::UnitEnd end = undone.rollback(7);
      EXPECT_FALSE(end.committed());
      EXPECT_FALSE(end.environment());
      EXPECT_EQ(7, end.status);
    }
    {
      db::UnitOfWork undoneByItsEnd;
      ASSERT_EQ(0, Rcv_PKeyIns(&c));
    }
    EXPECT_FALSE(group.broken());
    if (commitGroup) {
      EXPECT_TRUE(group.commit().committed());
    }
  }
  EXPECT_EQ(2, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs570Rcv where RcvLfn=2"));

  db::UnitOfWork unit;
  ASSERT_EQ(0, Rcv_PKeyIns(&c));
  testdb::FaultInjection faults;
  faults.FailRoutine("COMMIT");
  const db::UnitEnd end = unit.commit();
  EXPECT_TRUE(end.environment());
  EXPECT_EQ(-3114, end.status);
}

NzaSatz Period(const char* start) {
  NzaSatz n;
  n.NzaSa = 1;
  n.NzaApl = "APL1";
  n.NzaApk = "A1";
  n.NzaApp = "00010";
  n.NzaPnr = "00004711";
  n.NzaDtm = "20261207";
  n.NzaDtmUhr = start;
  return n;
}

// Writes sent together: on a server in one round trip, each under its own
// savepoint, so that a failed one is undone alone and the unit goes on.
TEST_P(SessionTest, WritesSentTogetherStopAtTheFirstFailureWhichAloneIsUndone) {
  NzaSatz a = Period("060000"), b = Period("070000"), c = Period("080000");
  db::UnitOfWork unit;
  ASSERT_TRUE(unit.open());
  ASSERT_EQ(0, Nza_PKeyIns(&a));  // every statement prepared before the count
  ASSERT_EQ(0, Nza_PKeyUpd(&a));
  std::size_t failed = 99;
  const std::uint64_t trips = db::Session::get().connection().roundTrips();
  const db::QueuedWrite together[] = {Nza_PKeyInsQueued(&b), Nza_PKeyUpdQueued(&a)};
  EXPECT_EQ(0, db::writeAll(together, &failed));
  if (GetParam() == testdb::Backend::Postgres) {
    EXPECT_EQ(1u, db::Session::get().connection().roundTrips() - trips);
  }

  b.NzaBzr = 5;
  const db::QueuedWrite brokenInTheMiddle[] = {Nza_PKeyUpdQueued(&b), Nza_PKeyInsQueued(&a), Nza_PKeyInsQueued(&c)};
  EXPECT_EQ(-1, db::writeAll(brokenInTheMiddle, &failed));
  EXPECT_EQ(1u, failed);
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs590Nza where NzaDtm > '2026-12-07 07:30:00'"));

  ASSERT_EQ(0, Nza_PKeyIns(&c));  // the unit goes on
  const db::QueuedWrite none[] = {Nza_PKeyUpdQueued(&c)};
  EXPECT_EQ(0, db::writeAll(std::span(none).first(0), &failed));
  ASSERT_TRUE(unit.commit().committed());
  EXPECT_EQ(3, testdb::CountRows("Kvs590Nza"));
  EXPECT_EQ(5, testdb::QueryInt("select NzaBzr from Kvs590Nza where NzaBzr > 0"));
}

TEST_P(SessionTest, LostConnectionInsideUnitTakesTheUnitBack) {
  db::UnitOfWork unit;
  ASSERT_EQ(0, unit.beginStatus());
  RcvSatz a = Telegram("20261207065131", 1, "a");
  ASSERT_EQ(0, Rcv_PKeyIns(&a));
  testdb::FaultInjection faults;
  faults.FailRoutine("COMMIT");
  EXPECT_EQ(-3114, unit.commit().status);
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(SessionTest, UnitWithALostReadCannotBeCommitted) {
  RcvSatz a = Telegram("20261207065131", 1, "a");
  {
    db::UnitOfWork unit;
    ASSERT_EQ(0, unit.beginStatus());
    BnrSatz b;
    b.BnrKey = "MELNR";
    testdb::FaultInjection faults;
    faults.FailRoutine("Bnr_PKeyReadk");
    EXPECT_EQ(-3114, Bnr_PKeyReadk(&b));  // looks like "no counter yet" to a careless caller
    ASSERT_EQ(0, Rcv_PKeyIns(&a));
    EXPECT_EQ(-3114, unit.commit().status);
  }
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  db::UnitOfWork next;  // the next unit starts clean
  ASSERT_EQ(0, next.beginStatus());
  ASSERT_EQ(0, Rcv_PKeyIns(&a));
  EXPECT_EQ(0, next.commit().status);
  EXPECT_EQ(1, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(SessionTest, CounterAtItsTopHandsOutNothing) {
  BnrSatz b;
  b.BnrKey = "MELNR";
  b.BnrBnr = 2147483647;
  ASSERT_EQ(0, Bnr_PKeyIns(&b));
  std::int32_t n = 0;
  EXPECT_EQ(-1438, Bnr_NextNumber("MELNR", "MldToNza", &n));
  EXPECT_EQ(0, n);
  EXPECT_EQ(2147483647, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
}

TEST_P(SessionTest, CursorKeepsItsViewWhileTheQueueIsDeleted) {
  for (int k = 1; k <= 5; ++k) {
    RcvSatz r = Telegram("20261207065131", k, "t");
    ASSERT_EQ(0, Rcv_PKeyIns(&r));
  }
  RcvSatz late = Telegram("20261207065135", 9, "late");
  Rcv_Cursor cursor;
  ASSERT_EQ(0, cursor.Open());
  ASSERT_EQ(0, Rcv_PKeyIns(&late));  // arrives while the drain runs
  RcvSatz r;
  int seen = 0, rc;
  while ((rc = cursor.Read(&r)) == 0) {
    ++seen;
    EXPECT_EQ(0, Rcv_PKeyDel(&r));
  }
  EXPECT_EQ(1403, rc);
  EXPECT_EQ(0, cursor.Close());
  EXPECT_EQ(5, seen);
  EXPECT_EQ(1, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(SessionTest, QueueIsReadInArrivalOrder) {
  RcvSatz b = Telegram("20261207070000", 1, "b"), a = Telegram("20261207065959", 2, "a");
  ASSERT_EQ(0, Rcv_PKeyIns(&b));
  ASSERT_EQ(0, Rcv_PKeyIns(&a));
  ASSERT_EQ(2, Rcv_Count());
  Rcv_Cursor cursor;
  ASSERT_EQ(0, cursor.Open());
  RcvSatz r;
  ASSERT_EQ(0, cursor.Read(&r));
  EXPECT_EQ("a", r.RcvDta.view());
  EXPECT_EQ("20261207065959", r.RcvMdt.view());
  ASSERT_EQ(0, cursor.Read(&r));
  EXPECT_EQ("b", r.RcvDta.view());
  RcvSatz before = r;
  EXPECT_EQ(1403, cursor.Read(&r));
  EXPECT_EQ(before.RcvDta.view(), r.RcvDta.view());  // end of cursor leaves the record
  cursor.Close();
}

TEST_P(SessionTest, CounterAllocationCreatesThenCounts) {
  std::int32_t n = 0;
  ASSERT_EQ(0, Bnr_NextNumber("MELNR", "MldToNza", &n));
  EXPECT_EQ(1, n);
  ASSERT_EQ(0, Bnr_NextNumber("MELNR", "MldToNza", &n));
  EXPECT_EQ(2, n);
  BnrSatz b;
  b.BnrKey = "MELNR";
  ASSERT_EQ(0, Bnr_PKeyReadk(&b));
  EXPECT_EQ(2, b.BnrBnr);
  EXPECT_EQ("MldToNza", b.BnrEsb.view());
}

TEST_P(SessionTest, FailedKeyedReadKeepsOnlyTheKey) {
  BnrSatz b;
  b.BnrKey = "BDBER";
  b.BnrBnr = 77;
  b.BnrEsb = "stale";
  EXPECT_EQ(1403, Bnr_PKeyReadk(&b));
  EXPECT_EQ("BDBER", b.BnrKey.view());
  EXPECT_EQ(0, b.BnrBnr);
  EXPECT_TRUE(b.BnrEsb.empty());
}

TEST_P(SessionTest, BackupWritesTheTelegramMomentIntoBothMomentColumns) {
  RvsSatz v;
  v.RvsMdt = "20261207065131";
  v.RvsLfn = 4;
  v.RvsVkz = "   ";
  v.RvsDta = "telegram";
  v.RvsEsb = "recv";
  ASSERT_EQ(0, Rvs_PKeyIns(&v));
  EXPECT_EQ("20261207065131",
            testdb::QueryText("select TO_CHAR(RvsMzt,'yyyymmddHH24MISS') from Kvs571Rvs where RvsLfn=4"));
}

TEST_P(SessionTest, NotConnectedGivesMinus3114) {
  db::Session::get().disconnect();
  BnrSatz b;
  b.BnrKey = "MELNR";
  EXPECT_EQ(-3114, Bnr_PKeyReadk(&b));
  EXPECT_EQ(-3114, Bnr_PKeyIns(&b));
}

INSTANTIATE_DB_TEST(SessionTest);

}  // namespace

#include "db/tables/map.h"
#include "db/engine/unit_of_work.h"

namespace {

class MomentTest : public DbTest {};

TEST_P(MomentTest, UnsetMomentIsStoredAsNull) {
  MapSatz m;
  m.MapObj = "M__";
  m.MapApl = "APL1";
  ASSERT_EQ(0, Map_PKeyIns(&m));
  EXPECT_EQ(1, testdb::QueryInt("select count(*) from Kvs565Map where MapMdt is null and MapMzt is null"));
}

INSTANTIATE_DB_TEST(MomentTest);

}  // namespace
