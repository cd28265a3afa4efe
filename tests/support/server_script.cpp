#include "server_script.h"

#include <cstdio>
#include <cstdlib>

#include "db/engine/dbdb.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"

namespace testdb {

std::string PrivateServersMissing() {
  const char* pg = std::getenv("BDEMORVELT_TEST_PG");
  const char* script = std::getenv("BDEMORVELT_PG_SCRIPT");
  if (!pg || !*pg) return "PostgreSQL tests skipped: BDEMORVELT_TEST_PG is not set";
  if (!script || !*script) return "BDEMORVELT_PG_SCRIPT is not set (ctest sets it)";
  return "";
}

bool RunServerScript(const std::vector<std::string>& args, std::string* out) {
  std::string line = "bash '" + std::string(std::getenv("BDEMORVELT_PG_SCRIPT")) + "'";
  for (const std::string& a : args) line += " '" + a + "'";
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return false;
  std::string text;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
  if (out) *out = text.substr(0, text.find('\n'));
  return pclose(pipe) == 0;
}

std::string AddressOf(const std::string& uri) {
  const std::size_t at = uri.find('@'), slash = uri.find('/', at);
  return at == std::string::npos ? "" : uri.substr(at + 1, slash - at - 1);
}

std::string CreateDatabase(const std::string& uri, const std::string& name, std::string* error) {
  if (dbConnectWith("", "", uri, false, error) != 0) return "";
  db::Connection& admin = db::Session::get().connection();
  admin.executeScript("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
  if (admin.executeScript("CREATE DATABASE " + name) != 0) {
    *error = admin.lastError();
    return "";
  }
  const std::string target = uri.substr(0, uri.rfind('/') + 1) + name;
  if (dbConnectWith("", "", target, false, error) != 0) return "";
  if (db::schema::create(db::Session::get().connection(), error) != 0) return "";
  return target;
}

}  // namespace testdb
