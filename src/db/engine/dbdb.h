// The connection module: login with given credentials, and the commit of
// the main loop.
#pragma once

#include <string>

// Composes LOGIN/PASS@NET8 (at most 100 characters) and connects.
// createMissing lets an SQLite file be created (initdb).
int dbConnectWith(const std::string& login, const std::string& pass, const std::string& net8,
                  bool createMissing = false, std::string* error = nullptr);
void dbCommit();
// Between passes: the database's housekeeping.
void dbTidyUp();
void dbRollback();
