// Kvs570Rcv: the receive queue of raw terminal telegrams.
#pragma once

#include <cstdint>
#include <string>

#include "base/fixed_text.h"
#include "db/engine/access.h"

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
// 1403 when the row is not there (any more): someone else has taken it.
int Rcv_PKeyDel(const RcvSatz* rcv);
// The number of queued rows itself; -1 when the count fails.
int Rcv_Count();
// Appends a telegram to the queue (what the receiving component does).
int Rcv_PKeyIns(const RcvSatz* rcv);

// The queue as a monitor sees it: its number of rows, the oldest row's
// RcvMdt and the database's clock, both yyyymmddHH24MISS (the oldest empty
// when the queue is).
struct RcvQueueState {
  std::int32_t rows = 0;
  std::string oldest, now;
};
int Rcv_State(RcvQueueState* state);
