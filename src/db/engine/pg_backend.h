// The server backend: one libpq connection to PostgreSQL.
#pragma once

#include <memory>
#include <string>

#include "db/engine/backend.h"

namespace db {

// service: "host[:port]/dbname", several servers
// "host1[:port1],host2[:port2],.../dbname" (see server_list.h), or a
// postgresql:// URI. Of several servers the connection goes to the one
// that accepts writes; so does a URI, unless it asks otherwise.
int openPostgres(const std::string& user, const std::string& password, const std::string& service,
                 std::unique_ptr<Connection>& out, std::string* error);

}  // namespace db
