#include "db/apl.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Apl_PKeyReadk(AplSatz*) { return -3114; }
int Apl_PKeyUpd(const AplSatz*) { return -3114; }
int Apl_PKeyIns(const AplSatz*) { return -3114; }
