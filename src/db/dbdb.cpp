#include "db/dbdb.h"

#include "db/session.h"
#include "main/config.h"

namespace {

std::string& configFile() {
  static std::string path = "../../../../files/korvantis.ini";
  return path;
}

constexpr std::size_t kConnectStringLimit = 100;

}  // namespace

void dbSetConfigFile(const std::string& path) { configFile() = path; }
const std::string& dbConfigFile() { return configFile(); }

int dbConnect() {
  // Each value is read from the file anew, in this order.
  std::string login = Get_IniWert("", "LOGIN", 0, configFile());
  std::string pass = Get_IniWert("", "PASS", 0, configFile());
  std::string net8 = Get_IniWert("", "NET8", 0, configFile());
  return dbConnectWith(login, pass, net8);
}

int dbConnectWith(const std::string& login, const std::string& pass, const std::string& net8, bool createMissing,
                  std::string* error) {
  // The connect string LOGIN/PASS@NET8 is limited as it always was; the
  // parts go to the backend separately so that a '/' or '@' inside a
  // password or a URI cannot be misread.
  std::string connectString = login + "/" + pass + "@" + net8;
  if (connectString.size() > kConnectStringLimit) return -12154;
  return db::Session::get().connect(login, pass, net8, createMissing, error);
}

void dbCommit() { db::Session::get().commit(); }

void dbRollback() { db::Session::get().rollback(); }
