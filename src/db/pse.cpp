#include "db/pse.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Pse_PKey_Open(const char*) { return status::kNotConnected; }
int Pse_PKey_Read(PseSatz*) { return status::kNotConnected; }
int Pse_PKey_Close() { return status::kNotConnected; }
int Pse_PKeyIns(const PseSatz*) { return status::kNotConnected; }
