// Kvs504App: the operations of an order.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct AppSatz {
  FixedText<13> AppApk;  // order number
  FixedText<6> AppApp;   // operation number
  FixedText<6> AppVaf;   // predecessor operation
  FixedText<6> AppNaf;   // successor operation; "00000" for the last one
  FixedText<31> AppBz1;
  FixedText<31> AppBz2;
  FixedText<11> AppTxt;
  std::int16_t AppSts = 0;
  std::int16_t AppSis = 0;
  // Each moment is one date column read as a date part (yyyymmdd) and a
  // time part (HH24MISS).
  FixedText<9> AppBdi;
  FixedText<7> AppBdiUhr;
  FixedText<9> AppBds;
  FixedText<7> AppBdsUhr;
  FixedText<9> AppSbd;
  FixedText<7> AppSbdUhr;
  FixedText<9> AppEdi;
  FixedText<7> AppEdiUhr;
  FixedText<9> AppEds;
  FixedText<7> AppEdsUhr;
  FixedText<9> AppSed;
  FixedText<7> AppSedUhr;
  FixedText<9> AppRad;
  FixedText<7> AppRadUhr;
  FixedText<9> AppRed;
  FixedText<7> AppRedUhr;
  std::int32_t AppAgs = 0;
  std::int32_t AppAbs = 0;
  std::int32_t AppAes = 0;
  double AppSme = 0;
  double AppIme = 0;  // good quantity so far
  double AppAme = 0;  // reject quantity so far
  FixedText<4> AppMee;
  double AppSza = 0;
  double AppStr = 0;
  double AppSte = 0;
  double AppIta = 0;
  double AppItr = 0;
  double AppIte = 0;
  FixedText<11> AppApg;
  FixedText<11> AppApl;
  FixedText<16> AppKt1;
  FixedText<4> AppKz1;
  FixedText<16> AppKt2;
  FixedText<4> AppKz2;
  FixedText<16> AppKt3;
  FixedText<4> AppKz3;
  FixedText<16> AppKt4;
  FixedText<4> AppKz4;
  FixedText<11> AppFbe;
  FixedText<11> AppKst;
  FixedText<31> AppZf1;
  FixedText<31> AppZf2;  // package marker or the package key of the leading operation
  FixedText<31> AppZf3;
  FixedText<2> AppKnz;
  std::int16_t AppSsn = 0;
  FixedText<4> AppDna;
  FixedText<9> AppDwn;
  std::int16_t AppSta = 0;
  FixedText<15> AppDat;  // yyyymmddHH24MISS, stamped by every update
  FixedText<9> AppErf;
};

// By AppApk and AppApp; on failure the key stays and every other field is cleared.
int App_PKeyReadk(AppSatz* app);
// Writes every field back except AppDat, which becomes the database time.
int App_PKeyUpd(const AppSatz* app);

// The operations whose AppZf2 equals `zf2` (the members of a package).
class App_Zf2 : public db::RecordCursor<AppSatz> {
 public:
  App_Zf2();
  int Open(const char* zf2);
};

// Operations belong to another program; the demo, the tests and the
// benchmark load them with this.
int App_PKeyIns(const AppSatz* app);
