// Kvs531Apl: the work places.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct AplSatz {
  FixedText<11> AplApl;  // work-place number
  FixedText<31> AplBez;
  FixedText<11> AplTxt;
  FixedText<11> AplApg;  // work-place group
  FixedText<11> AplFbe;
  std::int16_t AplSts = 0;  // 3 while interrupted, 1 otherwise
  std::int16_t AplSis = 0;
  std::int32_t AplApr = 0;
  std::int32_t AplAaf = 0;
  FixedText<5> AplUbg;   // interruption reason
  FixedText<15> AplUdt;  // interruption moment yyyymmddHH24MISS
  std::int32_t AplTag = 0;
  double AplVrf = 0;
  double AplRsp = 0;
  double AplRsi = 0;
  double AplAfp = 0;
  double AplAfi = 0;
  double AplPau = 0;
  double AplUnt = 0;
  double AplIak = 0;
  std::int32_t AplAvt = 0;
  double AplKap = 0;
  double AplAvr = 0;
  double AplAvp = 0;
  FixedText<11> AplSt1;
  FixedText<11> AplSt2;
  FixedText<11> AplSt3;
  double AplSf1 = 0;
  double AplSf2 = 0;
  double AplSf3 = 0;
  FixedText<31> AplZf1;
  FixedText<31> AplZf2;
  FixedText<31> AplZf3;
  FixedText<4> AplDna;
  FixedText<9> AplDwn;
  std::int16_t AplSta = 0;
  FixedText<9> AplErf;
};

// By AplApl; on failure the key stays and every other field is cleared.
int Apl_PKeyReadk(AplSatz* apl);
// Every work place, by AplApl: for a reader that answers Apl_PKeyReadk itself.
class Apl_Alle : public db::RecordCursor<AplSatz> {
 public:
  Apl_Alle();
  int Open();
};
// Writes every field back and stamps AplDat; an empty AplUdt writes NULL.
int Apl_PKeyUpd(const AplSatz* apl);
// Work places belong to another program; the demo, the tests and the
// benchmark load them with this.
int Apl_PKeyIns(const AplSatz* apl);
