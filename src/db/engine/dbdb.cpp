#include "db/engine/dbdb.h"

#include "base/status.h"
#include "db/engine/session.h"

namespace {

constexpr std::size_t kConnectStringLimit = 100;

}  // namespace

int dbConnectWith(const std::string& login, const std::string& pass, const std::string& net8, bool createMissing,
                  std::string* error) {
  // The connect string LOGIN/PASS@NET8 is limited as it always was; the
  // parts go to the backend separately so that a '/' or '@' inside a
  // password or a URI cannot be misread.
  std::string connectString = login + "/" + pass + "@" + net8;
  if (connectString.size() > kConnectStringLimit) return status::kUnknownService;
  return db::Session::get().connect(login, pass, net8, createMissing, error);
}

void dbCommit() { db::Session::get().commit(); }

void dbTidyUp() { db::Session::get().tidyUp(); }

void dbRollback() { db::Session::get().rollback(); }
