#include "db/pms.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Pms_PKeyIns(const PmsSatz*) { return -3114; }
