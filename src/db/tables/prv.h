// Kvs510Prv: the persons and the badges assigned to them.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct PrvSatz {
  FixedText<9> PrvPnr;  // person number
  FixedText<9> PrvGvo;  // first day of validity yyyymmdd
  FixedText<9> PrvGbi;  // last day of validity yyyymmdd; empty: open-ended
  std::int32_t PrvBer = 0;
  FixedText<11> PrvKst;
  FixedText<11> PrvFbe;
  std::int32_t PrvMmb = 0;
  FixedText<31> PrvZf1;
  FixedText<31> PrvZf2;
  FixedText<31> PrvZf3;
  std::int16_t PrvSta = 0;
  FixedText<9> PrvErf;
  FixedText<4> PrvDna;
  FixedText<9> PrvDwn;
  FixedText<9> PrvAwn;  // badge number
  std::int32_t PrvAwa = 0;
  std::int32_t PrvAnw = 0;
  std::int32_t PrvApl = 0;
  std::int32_t PrvApp = 0;
  std::int32_t PrvPzm = 0;
  FixedText<15> PrvAvn;  // yyyymmddHH24MISS
  FixedText<15> PrvAbi;  // yyyymmddHH24MISS
  FixedText<51> PrvNam;
  FixedText<51> PrvStr;
  FixedText<51> PrvOrt;
};

// By PrvPnr; on failure the key stays and every other field is cleared.
int Prv_PKeyReadk(PrvSatz* prv);
// Every person, by PrvPnr: for a reader that answers Prv_PKeyReadk itself.
class Prv_Alle : public db::RecordCursor<PrvSatz> {
 public:
  Prv_Alle();
  int Open();
};
// The person whose badge PrvAwn is valid today (PrvGvo up to today, PrvGbi
// today or later or empty). Two valid rows for one badge fail with -1422.
// On failure PrvAwn stays and every other field is cleared.
int Awn_PKeyRead(PrvSatz* prv);
// Persons belong to another program; the demo, the tests and the benchmark
// load them with this.
int Prv_PKeyIns(const PrvSatz* prv);
