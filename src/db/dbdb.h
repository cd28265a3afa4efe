// The connection module: login with the credentials of the configuration
// file, and the commit of the main loop.
#pragma once

#include <string>

// The configuration file dbConnect reads its login from.
void dbSetConfigFile(const std::string& path);
const std::string& dbConfigFile();

// Reads LOGIN, PASS and NET8, composes LOGIN/PASS@NET8 and connects.
// 0 or the database's status code.
int dbConnect();
// Connects with explicit credentials (initdb and the helper commands).
int dbConnectWith(const std::string& login, const std::string& pass, const std::string& net8,
                  bool createMissing = false, std::string* error = nullptr);
void dbCommit();
void dbRollback();
