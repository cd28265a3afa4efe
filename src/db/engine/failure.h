// Whose fault a failed statement is. A telegram (or a note) whose work
// failed because of its own data can be dealt with on its own; a failure of
// the environment (disk or database full, I/O error, read-only or locked
// database, out of memory, server going down, connection lost) says nothing
// about the telegram and must leave it untouched for a later pass.
//
// The backends turn codes without a number of their own into status numbers
// here, so that the numbers and their kind are decided in one place.
#pragma once

#include <string_view>

namespace db {

enum class FailureKind {
  kNone,         // success, or no row
  kOwnData,      // the statement's own values were refused
  kEnvironment,  // the database or what it runs on failed
};

FailureKind KindOfFailure(int status);
inline bool IsEnvironmentFailure(int status) { return KindOfFailure(status) == FailureKind::kEnvironment; }

// The status of an SQLite primary result code: -(10000 + code).
int SqliteStatus(int primaryCode);
// The status of a PostgreSQL SQLSTATE class (its first two characters):
// -(20000 + the class read as a base-36 number).
int PostgresStatus(std::string_view sqlState);

}  // namespace db
