#include "db/tag.h"

#include "db/status.h"

// Placeholder bodies until the statements are in.
int Tag_PKeyReadk(TagSatz*, const char*) { return status::kNotConnected; }
int Tag_Von_Open(const char*, const char*, const char*) { return status::kNotConnected; }
int Tag_Von_Read(TagSatz*) { return status::kNotConnected; }
int Tag_Von_Close() { return status::kNotConnected; }
int Tag_PKeyIns(const TagSatz*, const char*) { return status::kNotConnected; }
