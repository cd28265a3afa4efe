#include <cstdio>
#include <string>

#include "app/login.h"
#include "db/dbdb.h"
#include "db/schema.h"
#include "db/session.h"
#include "app/commands.h"
#include "base/config.h"

int ConnectWithConfiguration(const Options& options, bool createMissing, std::string* error) {
  dbSetConfigFile(options.configFile);
  const std::string& file = options.configFile;
  std::string login = Get_IniWert("", "LOGIN", 0, file), pass = Get_IniWert("", "PASS", 0, file),
              net8 = Get_IniWert("", "NET8", 0, file);
  return dbConnectWith(login, pass, net8, createMissing, error);
}

bool ConnectForCommand(const Options& options, bool createMissing) {
  std::string error;
  int rc = ConnectWithConfiguration(options, createMissing, &error);
  if (rc != 0) {
    std::fprintf(stderr, "bdemorvelt: cannot connect to the database (%d)%s%s\n", rc, error.empty() ? "" : ": ",
                 error.c_str());
    return false;
  }
  return true;
}

int RunInitdb(const Options& options) {
  if (!ConnectForCommand(options, true)) return 1;
  std::string error;
  int rc = db::schema::create(db::Session::get().connection(), &error);
  if (rc != 0) {
    std::fprintf(stderr, "bdemorvelt: initdb failed (%d): %s\n", rc, error.c_str());
    return 1;
  }
  std::printf("database ready\n");
  return 0;
}
