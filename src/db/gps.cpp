#include "db/gps.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Gps_PKeyReadk(GpsSatz*) { return status::kNotConnected; }
int Gps_PKeyIns(const GpsSatz*) { return status::kNotConnected; }
