// Kvs590Nza: the period rows and time figures the analyses compute.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

// The start moment NzaDtm and the end moment NzaEdt are each one date
// column, carried as a date field and a time field.
struct NzaSatz {
  std::int16_t NzaSa = 0;  // row kind: 1 work, 2 interruption, 4/5/8 run time, 13 work-place period
  FixedText<11> NzaApl;
  FixedText<13> NzaApk;
  FixedText<6> NzaApp;
  FixedText<11> NzaPnr;
  FixedText<9> NzaDtm;     // start, yyyymmdd
  FixedText<7> NzaDtmUhr;  // start, HH24MISS
  std::int32_t NzaBeg = 0;
  std::int32_t NzaBbn = 0;
  std::int32_t NzaBln = 0;
  FixedText<4> NzaBmk;
  FixedText<9> NzaEdt;     // end, yyyymmdd
  FixedText<7> NzaEdtUhr;  // end, HH24MISS
  std::int32_t NzaEnd = 0;
  std::int32_t NzaEbn = 0;
  std::int32_t NzaEln = 0;
  FixedText<4> NzaEmk;
  FixedText<6> NzaUbg;
  std::int32_t NzaRau = 0;
  std::int32_t NzaVar = 0;
  std::int32_t Nza00A = 0;
  std::int32_t Nza00U = 0;
  std::int32_t Nza00S = 0;
  FixedText<11> NzaEmo;
  std::int32_t NzaWtg = 0;
  std::int32_t NzaJtg = 0;
  FixedText<4> NzaTtp;
  FixedText<5> NzaJwo;
  std::int32_t NzaWoc = 0;
  std::int32_t NzaPzm = 0;
  std::int32_t NzaMaz = 0;
  double NzaNzr = 0;
  double NzaBzr = 0;
  double NzaUzr = 0;
  double NzaPzr = 0;
  double NzaRbz = 0;
  double NzaNza = 0;
  double NzaBza = 0;
  double NzaUza = 0;
  double NzaPza = 0;
  double NzaAbz = 0;
  double NzaNzu = 0;
  double NzaBzu = 0;
  double NzaPzu = 0;
  double NzaUbz = 0;
  double NzaSol = 0;
  double NzaIst = 0;
  double NzaPau = 0;
  double NzaRf1 = 0;
  double NzaRf2 = 0;
  double NzaRf3 = 0;
  std::int32_t NzaFnr = 0;
  FixedText<9> NzaErf;
  double NzaGum = 0;
  double NzaAum = 0;
  FixedText<21> NzaTnr;
};

// Inserts every column; NzaDat becomes sysdate. -1 when the key
// (NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr, NzaDtm) exists.
int Nza_PKeyIns(const NzaSatz* nza);
// Sets every column of the row with the record's key and start moment; the
// start moment itself therefore never changes. 0 also when no row matched.
int Nza_PKeyUpd(const NzaSatz* nza);
// The writes of Nza_PKeyIns and Nza_PKeyUpd for a caller that sends them
// later, together with others (db::writeAll).
db::QueuedWrite Nza_PKeyInsQueued(const NzaSatz* nza);
db::QueuedWrite Nza_PKeyUpdQueued(const NzaSatz* nza);
// Deletes the row of the six key fields; 0 also when none matched.
int Nza_PKeyDel(const NzaSatz* nza);
// The row of the six key fields; on failure the key fields stay and every
// other field is cleared.
int Nza_PKeyReadk(NzaSatz* nza);
// The one row of NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr whatever its start;
// -1422 when there are several. On failure these five fields stay and every
// other field, the start included, is cleared.
int Nza_ReadSA_EH(NzaSatz* nza);

// Period cursors. The record passed to Open gives the key fields and the
// window: from NzaDtm/NzaDtmUhr to NzaEdt/NzaEdtUhr, both included, compared
// as yyyymmddHH24MISS texts; an empty bound selects nothing. Read fills the
// record (1403 at the end, record unchanged). Walks of the same selection
// may be open at once, one object each.

// Rows of the five keys whose start lies in the window, by start.
class Nza_PKeyVon : public db::RecordCursor<NzaSatz> {
 public:
  Nza_PKeyVon();
  int Open(const NzaSatz* window);
};
// Work periods (NzaSa 1) of NzaPnr whose start or end lies in the window.
class Nza_Sa1Pnr : public db::RecordCursor<NzaSatz> {
 public:
  Nza_Sa1Pnr();
  int Open(const NzaSatz* window);
};
// Work and interruption periods (NzaSa 1 and 2) of NzaApl, NzaApk, NzaApp,
// NzaPnr whose start is at or after NzaDtm/NzaDtmUhr, by kind and start.
class Nza_MpaAb : public db::RecordCursor<NzaSatz> {
 public:
  Nza_MpaAb();
  int Open(const NzaSatz* from);
};
// The run-time rows (NzaSa 3 and 4) and totals (5 and 8) of the operation
// NzaApk, NzaApp at the work place of `atPlace` or of `overAll` (the blank
// work place of the totals over all work places), whatever their start.
class Nza_LaufZeilen : public db::RecordCursor<NzaSatz> {
 public:
  Nza_LaufZeilen();
  int Open(const NzaSatz* atPlace, const NzaSatz* overAll);
};
// Interruption periods (NzaSa 2) of NzaApl, NzaApk, NzaApp, NzaPnr whose
// start or end lies in the window.
class Nza_Sa2Von : public db::RecordCursor<NzaSatz> {
 public:
  Nza_Sa2Von();
  int Open(const NzaSatz* window);
};
