// The worker's login: the credentials of the configuration file.
#pragma once

#include <string>

// The configuration file dbConnect reads its login from.
void dbSetConfigFile(const std::string& path);
const std::string& dbConfigFile();

// What became of a login with the configuration file.
struct LoginResult {
  int status = 0;  // 0, or the status the login failed with
  // The file cannot be read, or lacks a value the target needs: trying
  // again will not help until someone mends the file.
  bool badConfiguration = false;
  std::string target;  // NET8 as it may be shown: a password in it blanked out
  std::string user;
  std::string reason;  // why it failed, in words
};

// Reads LOGIN, PASS and NET8 (each from the file anew, in this order) and
// connects. A missing NET8 is a bad configuration, and so is a missing LOGIN
// or PASS for a server target (an SQLite target does not use them). A value
// that does not decipher to printable text fails the login without a
// connect. createMissing lets initdb create an SQLite file.
LoginResult dbLogin(bool createMissing = false);

// Composes LOGIN/PASS@NET8 and connects: 0 or the database's status code.
int dbConnect();

// One line for people: the configuration file, the target and the user,
// and why the login failed. Never the password.
std::string LoginFailureText(const LoginResult& result);

// A connect target as it may be shown: the password of a URI blanked out.
std::string ShownTarget(const std::string& net8);
