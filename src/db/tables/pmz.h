// Kvs536Pmz: which break periods a break model has, and from when to when.
#pragma once

#include "base/fixed_text.h"

struct PmzSatz {
  FixedText<11> PmzPmo;  // break model (EmoPmo of the shifts)
  FixedText<6> PmzPms;   // break period (PmsNum)
  FixedText<9> PmzGvo;   // valid from yyyymmdd
  FixedText<9> PmzGbi;   // valid up to and including yyyymmdd
};

// Break models belong to another program; the demo, the tests and the
// benchmark load them with this.
int Pmz_PKeyIns(const PmzSatz* pmz);
