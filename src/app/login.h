// The worker's login: the credentials of the configuration file.
#pragma once

#include <string>

// The configuration file dbConnect reads its login from.
void dbSetConfigFile(const std::string& path);
const std::string& dbConfigFile();

// Reads LOGIN, PASS and NET8, composes LOGIN/PASS@NET8 and connects.
// 0 or the database's status code.
int dbConnect();
