// The database-wide lease of the worker's connection: at most one worker
// books against one database at a time, whatever machine it runs on. The
// lease goes with the connection; after a reconnect it must be taken again.
#pragma once

#include <string>

namespace db {

// Takes the lease for the current connection when it is free. 0 with
// `held` telling whether the connection holds it now; `holder` names this
// worker to whoever asks LeaseHolder.
int TakeLease(const std::string& holder, bool& held);

// 0 with the name of whoever holds the lease of the connected database,
// or an empty name when it is free.
int LeaseHolder(std::string& holder);

}  // namespace db
