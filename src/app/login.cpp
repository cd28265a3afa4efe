#include "app/login.h"

#include "base/config.h"
#include "db/dbdb.h"

namespace {

std::string& configFile() {
  static std::string path = "../../../../files/korvantis.ini";
  return path;
}

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
