#include "db/aem.h"

// Not filled in yet; returns "not connected" so that no caller mistakes it for data.
int Aem_Schicht_Open(const char*, std::int32_t, const char*) { return -3114; }
int Aem_Schicht_Read(AemSatz*) { return -3114; }
int Aem_Schicht_Close() { return -3114; }
int Aem_Count(const char*, std::int32_t*) { return -3114; }
int Aem_PKeyIns(const AemSatz*, std::int32_t, const char*) { return -3114; }
