#include "db/mlt.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Mlt_PKeyIns(const MltSatz*) { return status::kNotConnected; }
int Mlt_PKeyDel(const MltSatz*) { return status::kNotConnected; }
int Mlt_MaxLfn(const char*, const char*, std::int32_t*) { return status::kNotConnected; }
int Mlt_MltErf_Open(const char*, const char*) { return status::kNotConnected; }
int Mlt_MltErf_Read(MltSatz*) { return status::kNotConnected; }
int Mlt_MltErf_Close() { return status::kNotConnected; }
