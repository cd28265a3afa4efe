// Which failures are the data's own and which the environment's, for the
// codes of both backends as they arrive as status numbers.
#include "db/engine/failure.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "base/status.h"

namespace {

using db::FailureKind;

struct Case {
  const char* what;
  int status;
  FailureKind kind;
};

TEST(FailureKind, EveryCodeHasItsKind) {
  const FailureKind own = FailureKind::kOwnData, env = FailureKind::kEnvironment, none = FailureKind::kNone;
  const Case cases[] = {
      {"success", status::kOk, none},
      {"no row", status::kNoRow, none},
      {"duplicate key", status::kDuplicate, own},
      {"NULL into NOT NULL", status::kNullValue, own},
      {"several rows for one", status::kTooManyRows, own},
      {"NULL aggregate", status::kNullFetched, own},
      {"invalid month", status::kBadDate, own},
      {"day out of range", status::kBadDay, own},
      {"not a digit", status::kBadDateText, own},
      {"connection lost", status::kNotConnected, env},
      {"cursor not open", status::kInvalidCursor, env},
      // SQLite primary codes
      {"sqlite constraint", db::SqliteStatus(SQLITE_CONSTRAINT), own},
      {"sqlite too big", db::SqliteStatus(SQLITE_TOOBIG), own},
      {"sqlite type mismatch", db::SqliteStatus(SQLITE_MISMATCH), own},
      {"sqlite disk full", db::SqliteStatus(SQLITE_FULL), env},
      {"sqlite I/O error", db::SqliteStatus(SQLITE_IOERR), env},
      {"sqlite read-only", db::SqliteStatus(SQLITE_READONLY), env},
      {"sqlite out of memory", db::SqliteStatus(SQLITE_NOMEM), env},
      {"sqlite busy", db::SqliteStatus(SQLITE_BUSY), env},
      {"sqlite locked", db::SqliteStatus(SQLITE_LOCKED), env},
      {"sqlite corrupt", db::SqliteStatus(SQLITE_CORRUPT), env},
      {"sqlite cannot open", db::SqliteStatus(SQLITE_CANTOPEN), env},
      {"sqlite no such table", db::SqliteStatus(SQLITE_ERROR), env},
      {"sqlite extended disk full", db::SqliteStatus(SQLITE_IOERR_WRITE), env},
      // PostgreSQL SQLSTATEs
      {"pg data exception", db::PostgresStatus("22001"), own},
      {"pg foreign key", db::PostgresStatus("23503"), own},
      {"pg cardinality", db::PostgresStatus("21000"), own},
      {"pg spoiled transaction", db::PostgresStatus("25P02"), own},
      {"pg trigger refuses", db::PostgresStatus("P0001"), own},
      {"pg index row too big", db::PostgresStatus("54000"), own},
      {"pg disk full", db::PostgresStatus("53100"), env},
      {"pg out of memory", db::PostgresStatus("53200"), env},
      {"pg too many connections", db::PostgresStatus("53300"), env},
      {"pg lock not available", db::PostgresStatus("55P03"), env},
      {"pg admin shutdown", db::PostgresStatus("57P01"), env},
      {"pg query canceled", db::PostgresStatus("57014"), env},
      {"pg I/O error", db::PostgresStatus("58030"), env},
      {"pg deadlock", db::PostgresStatus("40P01"), env},
      {"pg serialization", db::PostgresStatus("40001"), env},
      {"pg undefined table", db::PostgresStatus("42P01"), env},
      {"pg no privilege", db::PostgresStatus("42501"), env},
      {"pg internal error", db::PostgresStatus("XX000"), env},
  };
  for (const Case& c : cases) EXPECT_EQ(c.kind, db::KindOfFailure(c.status)) << c.what << " (" << c.status << ")";
}

}  // namespace
