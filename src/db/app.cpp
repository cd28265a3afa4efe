#include "db/app.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int App_PKeyReadk(AppSatz*) { return -3114; }
int App_PKeyUpd(const AppSatz*) { return -3114; }
int App_Zf2_Open(const char*) { return -3114; }
int App_Zf2_Read(AppSatz*) { return -3114; }
int App_Zf2_Close() { return -3114; }
int App_PKeyIns(const AppSatz*) { return -3114; }
