#include "db/ztg.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Ztg_Pnr_Open(const char*, const char*) { return -3114; }
int Ztg_Pnr_Read(ZtgSatz*) { return -3114; }
int Ztg_Pnr_Close() { return -3114; }
int Ztg_PKeyIns(const ZtgSatz*) { return -3114; }
