#include "db/prv.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Prv_PKeyReadk(PrvSatz*) { return -3114; }
int Awn_PKeyRead(PrvSatz*) { return -3114; }
int Prv_PKeyIns(const PrvSatz*) { return -3114; }
