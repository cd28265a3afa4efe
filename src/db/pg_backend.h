// The server backend: one libpq connection to PostgreSQL.
#pragma once

#include <memory>
#include <string>

#include "db/backend.h"

namespace db {

// service: "host[:port]/dbname" or a postgresql:// URI.
int openPostgres(const std::string& user, const std::string& password, const std::string& service,
                 std::unique_ptr<Connection>& out, std::string* error);

}  // namespace db
