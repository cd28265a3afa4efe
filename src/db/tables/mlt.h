// Kvs561Mlt: the scratch time line of one analysis call.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct MltSatz {
  FixedText<9> MltErf;   // creator: "Nza_MPA", "LzaStd", "DlzStd"
  FixedText<15> MltDat;  // run stamp yyyymmddHH24MISS, kept as text
  std::int32_t MltLfn = 0;
  FixedText<4> MltObj;   // event kind
  FixedText<9> MltPnr;
  FixedText<11> MltApl;
  FixedText<13> MltApk;
  FixedText<6> MltApp;
  FixedText<2> Mlt00E;
  FixedText<2> Mlt00R;
  FixedText<2> Mlt00A;
  FixedText<2> Mlt00U;
  FixedText<2> Mlt00S;
  FixedText<2> MltBkg;
  FixedText<2> MltPbe;
  FixedText<11> MltArg;
  FixedText<11> MltEmo;
  FixedText<4> MltTtp;
  std::int32_t MltWoc = 0;
  std::int32_t MltWtg = 0;
  std::int32_t MltJtg = 0;
  FixedText<5> MltJwo;
  FixedText<9> MltMdt;     // event moment, yyyymmdd
  FixedText<7> MltMdtUhr;  // event moment, HH24MISS
  FixedText<6> MltUbg;
};

// -1 when (MltErf, MltDat, MltLfn) exists.
int Mlt_PKeyIns(const MltSatz* mlt);
// Deletes the row of (MltErf, MltDat, MltLfn); 0 also when there is none.
int Mlt_PKeyDel(const MltSatz* mlt);
// The largest MltLfn of one creator and run stamp, 0 when it has no rows;
// delivered only when the statement succeeds.
int Mlt_MaxLfn(const char* erf, const char* dat, std::int32_t* maxLfn);

// The rows of one creator and run stamp in time order (MltMdt, then MltLfn).
class Mlt_MltErf : public db::RecordCursor<MltSatz> {
 public:
  Mlt_MltErf();
  int Open(const char* erf, const char* dat);
};
