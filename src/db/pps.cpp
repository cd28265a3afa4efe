#include "db/pps.h"
#include "db/status.h"

// Placeholder bodies; the statements follow.
int Pps_PKeyIns(const PpsSatz*) { return status::kNotConnected; }
