#include "db/engine/backend.h"
#include "base/status.h"
#include "db/engine/pg_backend.h"
#include "db/engine/sqlite_backend.h"

namespace db {

// One command at a time, then the statement: for a backend in the same
// process, where a round trip costs nothing.
int Connection::executeAfter(std::span<const std::string> commands, PreparedStatement& stmt,
                             std::span<const Value> params, Written* written, bool* commandsDone) {
  *commandsDone = false;
  for (const std::string& command : commands) {
    int rc = executeScript(command);
    if (rc != status::kOk) return rc;
  }
  *commandsDone = true;
  return execute(stmt, params, written);
}

BatchEnd Connection::executeBatch(std::span<const BatchWrite> writes) {
  BatchEnd end;
  for (; end.done < writes.size(); ++end.done) {
    const BatchWrite& w = writes[end.done];
    end.status = executeAfter(w.commands, *w.stmt, w.params, nullptr, &end.commandsDone);
    if (end.status != status::kOk) return end;
  }
  end.commandsDone = false;
  return end;
}

int openConnection(const std::string& user, const std::string& password, const std::string& service,
                   bool createMissing, std::unique_ptr<Connection>& out, std::string* error) {
  static const std::string kSqlitePrefix = "sqlite:";
  if (service.rfind(kSqlitePrefix, 0) == 0) {
    std::string path = service.substr(kSqlitePrefix.size());
    if (path.empty()) return status::kUnknownService;
    return openSqlite(path, createMissing, out, error);
  }
  return openPostgres(user, password, service, out, error);
}

}  // namespace db
