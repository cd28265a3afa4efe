#include "db/err.h"
#include "db/status.h"

// Placeholder bodies; the statements follow.
int Err_PKeyIns(const ErrSatz*) { return status::kNotConnected; }
