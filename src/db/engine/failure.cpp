#include "db/engine/failure.h"

#include <sqlite3.h>

#include <array>

#include "base/status.h"

namespace db {
namespace {

constexpr int kSqliteBase = 10000;
constexpr int kPostgresBase = 20000;

int base36(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 0;
}

// SQLite codes a statement gets for the values it carries: a constraint,
// a text or blob too big, a value of the wrong type.
constexpr std::array<int, 3> kSqliteOwnData = {SQLITE_CONSTRAINT, SQLITE_TOOBIG, SQLITE_MISMATCH};

// SQLSTATE classes caused by a statement's values: cardinality (21), data
// exception (22), integrity constraint (23), a transaction spoiled by such
// a failure before (25), a check option (44), a value beyond a limit (54),
// a check of a trigger that refuses the row (P0).
constexpr std::array<const char*, 7> kPostgresOwnData = {"21", "22", "23", "25", "44", "54", "P0"};

bool isDateTextError(int status) { return status <= -1800 && status >= -1899; }

}  // namespace

int SqliteStatus(int primaryCode) { return -(kSqliteBase + (primaryCode & 0xff)); }

int PostgresStatus(std::string_view sqlState) {
  if (sqlState.size() < 2) return status::kNotConnected;
  return -(kPostgresBase + base36(sqlState[0]) * 36 + base36(sqlState[1]));
}

// Everything that is not known to come from the statement's own values
// counts as the environment's: a telegram is then kept, never dropped for
// a fault it did not cause (a missing table, a locked file, a full disk).
FailureKind KindOfFailure(int status) {
  if (status == status::kOk || status == status::kNoRow) return FailureKind::kNone;
  if (status == status::kDuplicate || status == status::kNullValue || status == status::kTooManyRows ||
      status == status::kNullFetched || isDateTextError(status))
    return FailureKind::kOwnData;
  for (int code : kSqliteOwnData)
    if (status == SqliteStatus(code)) return FailureKind::kOwnData;
  for (const char* cls : kPostgresOwnData)
    if (status == PostgresStatus(cls)) return FailureKind::kOwnData;
  return FailureKind::kEnvironment;
}

}  // namespace db
