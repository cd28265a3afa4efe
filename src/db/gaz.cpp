#include "db/gaz.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Gaz_PKeyReadk(GazSatz*) { return status::kNotConnected; }
int Gaz_PKeyIns(const GazSatz*) { return status::kNotConnected; }
