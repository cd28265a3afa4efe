// Kvs563Mrk: recalculation notes left by booking for the analyses.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct MerkSatz {
  FixedText<4> MrkKng;  // note kind: "NZS", "LZS", "STG", ...
  FixedText<11> MrkApl;
  FixedText<13> MrkApk;
  FixedText<6> MrkApp;
  FixedText<9> MrkPnr;
  std::int32_t MrkBnr = 0;  // booking number
  FixedText<15> MrkMdt;     // yyyymmddHH24MISS of the booking
  FixedText<4> MrkObj;
  FixedText<9> MrkEsb;  // never written by the worker
};

// The note key is (MrkKng, MrkApl, MrkApk, MrkApp, MrkPnr, MrkBnr); it is
// not unique: two notes may differ only in MrkMdt.

// Inserts the note with MrkDat = sysdate; MrkEsb is not written.
int Mrk_PKeyIns(const MerkSatz* mrk);
// Deletes every note of the key, whatever its MrkMdt.
int Mrk_PKeyDel(const MerkSatz* mrk);
// The same, but 1403 when no note of the key was there any more.
int Mrk_PKeyDelPending(const MerkSatz* mrk);
// Reads the note of the key; -1422 when several notes share it. On failure
// the record stays as it was.
int Mrk_PKeyReadk(MerkSatz* mrk);

// Number of notes of one kind ("NZS", "LZS", "STG"); delivered only on success.
int Mrk_CountKng(const char* kind, std::int32_t* count);

// All notes of one kind, ordered by MrkApl, MrkApk, MrkApp, MrkMdt.
class Mrk_MrkKng : public db::RecordCursor<MerkSatz> {
 public:
  Mrk_MrkKng();
  int Open(const char* kind);
};
