// Kvs570Rcv: the receive queue of raw terminal telegrams.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/access.h"

struct RcvSatz {
  FixedText<15> RcvMdt;  // yyyymmddHH24MISS, set by the receiving component
  std::int32_t RcvLfn = 0;
  FixedText<513> RcvDta;  // the raw telegram
  FixedText<9> RcvEsb;
};

// Delivers the queue in ascending RcvMdt as it was when opened.
class Rcv_Cursor : public db::RecordCursor<RcvSatz> {
 public:
  Rcv_Cursor();
  int Open();
};
int Rcv_PKeyDel(const RcvSatz* rcv);
// The number of queued rows itself; -1 when the count fails.
int Rcv_Count();
// Appends a telegram to the queue (what the receiving component does).
int Rcv_PKeyIns(const RcvSatz* rcv);
