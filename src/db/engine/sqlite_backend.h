// The embedded backend: one SQLite database file in WAL mode.
#pragma once

#include <memory>
#include <string>

#include "db/engine/backend.h"

namespace db {

int openSqlite(const std::string& path, bool createMissing, std::unique_ptr<Connection>& out,
               std::string* error);

}  // namespace db
