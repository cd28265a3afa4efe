// Cursors whose rows come from the database as they are read: other
// statements in between, a walk ended early inside and outside a unit of
// work, and a connection lost in the middle of a walk.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/status.h"
#include "booking_builders.h"
#include "db/tables/booking_records.h"
#include "db/engine/access.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "db_fixture.h"

namespace {

using booking::Note;

class CursorStreamTest : public DbTest {
 protected:
  // Stores `count` notes of the kind with booking numbers from `first` on.
  static void AddNotes(const char* kind, int first, int count) {
    db::UnitOfWork unit;
    ASSERT_EQ(0, unit.beginStatus());
    for (int k = 0; k < count; ++k) {
      MerkSatz n = Note(kind, first + k);
      ASSERT_EQ(0, Mrk_PKeyIns(&n));
    }
    ASSERT_EQ(0, unit.commit().status);
  }

  static int ReadSome(Mrk_MrkKng& cursor, int rows) {
    MerkSatz n;
    int read = 0;
    while (read < rows && cursor.Read(&n) == 0) ++read;
    return read;
  }
};

constexpr int kNotes = 3000;

TEST_P(CursorStreamTest, OtherStatementsRunBetweenTheRowsOfOpenWalks) {
  AddNotes("STG", 1, kNotes);
  Mrk_MrkKng outer, inner;
  ASSERT_EQ(0, outer.Open("STG"));
  ASSERT_EQ(5, ReadSome(outer, 5));
  // A nested walk, a count and a write while the outer walk is open.
  ASSERT_EQ(0, inner.Open("STG"));
  ASSERT_EQ(2, ReadSome(inner, 2));
  std::int32_t count = 0;
  ASSERT_EQ(0, Mrk_CountKng("STG", &count));
  EXPECT_EQ(kNotes, count);
  MerkSatz added = Note("STG", 900000);
  ASSERT_EQ(0, Mrk_PKeyIns(&added));
  // Both walks deliver the notes of the moment they were opened.
  EXPECT_EQ(kNotes - 5, ReadSome(outer, kNotes + 10));
  EXPECT_EQ(kNotes - 2, ReadSome(inner, kNotes + 10));
}

TEST_P(CursorStreamTest, WalksEndedEarlyLeaveTheConnectionAndTheUnitUsable) {
  AddNotes("STG", 1, kNotes);
  {  // outside a unit of work
    Mrk_MrkKng cursor;
    ASSERT_EQ(0, cursor.Open("STG"));
    ASSERT_EQ(3, ReadSome(cursor, 3));
  }
  std::int32_t count = 0;
  ASSERT_EQ(0, Mrk_CountKng("STG", &count));
  EXPECT_EQ(kNotes, count);
  if (GetParam() == testdb::Backend::Postgres) {  // a rest long enough to be cancelled rather than read
    db::Query series("Test_Series", "select n from generate_series(1, 2000000) n");
    db::Cursor walk(series);
    ASSERT_EQ(0, walk.open({}));
    db::Row row;
    ASSERT_EQ(0, walk.fetchRow(row));
    EXPECT_EQ(0, walk.close());
    ASSERT_EQ(0, Mrk_CountKng("STG", &count));
    EXPECT_EQ(kNotes, count);
  }

  // Inside a unit the walk ended early must not cost the unit its writes.
  db::UnitOfWork unit;
  ASSERT_EQ(0, unit.beginStatus());
  MerkSatz before = Note("LZS", 1);
  ASSERT_EQ(0, Mrk_PKeyIns(&before));
  {
    Mrk_MrkKng cursor;
    ASSERT_EQ(0, cursor.Open("STG"));
    ASSERT_EQ(3, ReadSome(cursor, 3));
    EXPECT_EQ(0, cursor.Close());
  }
  MerkSatz after = Note("LZS", 2);
  ASSERT_EQ(0, Mrk_PKeyIns(&after));
  ASSERT_EQ(0, unit.commit().status);
  ASSERT_EQ(0, Mrk_CountKng("LZS", &count));
  EXPECT_EQ(2, count);
}

TEST_P(CursorStreamTest, ConnectionLostInTheMiddleOfAWalkEndsItNotConnected) {
  if (GetParam() != testdb::Backend::Postgres) GTEST_SKIP() << "an embedded database cannot be lost";
  const std::int64_t pid = testdb::QueryInt("select pg_backend_pid()");
  // More rows than the connection's buffers hold, so the end comes from the server.
  db::Query series("Test_Series", "select n from generate_series(1, 2000000) n");
  db::Cursor walk(series);
  ASSERT_EQ(0, walk.open({}));
  db::Row row;
  ASSERT_EQ(0, walk.fetchRow(row));

  std::unique_ptr<db::Connection> other;
  ASSERT_EQ(0, db::openConnection(testdb::CurrentLogin(), testdb::CurrentPassword(), testdb::CurrentService(), false,
                                  other));
  ASSERT_EQ(0, other->executeScript("select pg_terminate_backend(" + std::to_string(pid) + ")"));

  int rc = 0;
  while ((rc = walk.fetchRow(row)) == 0) {
  }
  EXPECT_EQ(status::kNotConnected, rc);
  EXPECT_FALSE(db::Session::get().alive());
  std::int32_t count = 0;
  EXPECT_EQ(status::kNotConnected, Mrk_CountKng("STG", &count));
}

INSTANTIATE_DB_TEST(CursorStreamTest);

}  // namespace
