#include "db/apk.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Apk_PKeyReadk(ApkSatz*) { return -3114; }
int Apk_PKeyUpd(const ApkSatz*) { return -3114; }
int Apk_PKeyIns(const ApkSatz*) { return -3114; }
