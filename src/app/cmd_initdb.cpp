#include <cstdio>
#include <string>

#include "app/login.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "app/commands.h"

LoginResult LoginWithConfiguration(const Options& options, bool createMissing) {
  dbSetConfigFile(options.configFile);
  return dbLogin(createMissing);
}

bool ConnectForCommand(const Options& options, bool createMissing) {
  const LoginResult login = LoginWithConfiguration(options, createMissing);
  if (login.status != 0) {
    std::fprintf(stderr, "%s\n", LoginFailureText(login).c_str());
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
