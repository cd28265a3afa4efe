#include "db/bup.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Bup_AbrTag_Open(const char*, const char*, const char*) { return status::kNotConnected; }
int Bup_AbrTag_Read(BupSatz*) { return status::kNotConnected; }
int Bup_AbrTag_Close() { return status::kNotConnected; }
int Bup_PKeyIns(const BupSatz*) { return status::kNotConnected; }
