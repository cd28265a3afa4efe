#include "db/azv.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Azv_PKeyIns(const AzvSatz*) { return -3114; }
