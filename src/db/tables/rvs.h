// Kvs571Rvs: the backup of every telegram the worker has taken.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct RvsSatz {
  FixedText<15> RvsMdt;  // the telegram's own moment, written into RvsMdt and RvsMzt
  std::int32_t RvsLfn = 0;
  FixedText<4> RvsVkz;
  FixedText<513> RvsDta;
  FixedText<9> RvsEsb;
};

int Rvs_PKeyIns(const RvsSatz* rvs);
// Reads a backup row by its key (RvsMdt, RvsLfn); the record is unchanged on failure.
// A key moment that is no valid date fails with its date error, as a write would.
int Rvs_PKeyReadk(RvsSatz* rvs);
