// Kvs560Mel: the booking rows, one per telegram and per generated booking.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct MelSatz {
  std::int32_t KeyBnr = 0;  // booking number
  std::int32_t KeyLfn = 0;  // running number within it; 0 for the telegram's own booking
  FixedText<4> ObjTyp;      // "M_A", "MP_", "MPA", "M__", "__A"
  FixedText<9> KeyPnr;
  FixedText<11> KeyApl;
  FixedText<13> KeyApk;
  FixedText<6> KeyApp;
  FixedText<2> Sts00E;  // the 16 state flags of the booked object after the booking
  FixedText<2> Sts00R;
  FixedText<2> Sts00A;
  FixedText<2> Sts00U;
  FixedText<2> Sts00S;
  FixedText<2> Sts006;
  FixedText<2> Sts007;
  FixedText<2> Sts008;
  FixedText<2> Sts009;
  FixedText<2> Sts010;
  FixedText<2> Sts011;
  FixedText<2> Sts012;
  FixedText<2> Sts013;
  FixedText<2> Sts014;
  FixedText<2> Sts015;
  FixedText<2> Sts016;
  FixedText<9> KeyDat;  // yyyymmdd
  FixedText<7> KeyUhr;  // HH24MISS
  FixedText<3> KeySek;  // orders bookings of the same second
  FixedText<6> KeyUbg;
  FixedText<5> KeyAug;
  FixedText<4> MelMsk;
  FixedText<9> MelAwn;
  FixedText<4> MelFcd;
  FixedText<3> MelTrm;
  FixedText<2> MelOff;
  std::int16_t MelFnr = 0;
  double MelGum = 0;
  double MelFam = 0;
  double MelMam = 0;
  double MelNam = 0;
  double MelZt1 = 0;
  double MelZt2 = 0;
  double MelZt3 = 0;
  FixedText<4> MelMee;
  FixedText<2> MelAec;
  FixedText<2> MelTrc;
  FixedText<9> MelErf;
  FixedText<9> MelKsb;
  FixedText<15> MelKdt;  // yyyymmddHH24MISS
  FixedText<4> MelKfc;
  double MelKgm = 0;
  double MelKfm = 0;
  double MelKmm = 0;
  double MelKnm = 0;
  FixedText<21> KeyTnr;
};

// Writes commit at once when they succeed (see access.h). KeyDat and KeyUhr
// are written as one moment into both date columns; MelDat becomes sysdate.
int Mel_PKeyIns(const MelSatz* mel);
// Sets every column of the row (KeyBnr, KeyLfn).
int Mel_PKeyUpd(const MelSatz* mel);
// Reads the row (KeyBnr, KeyLfn); on failure every field is cleared, the key too.
int Mel_PKeyReadk(MelSatz* mel);

// Booking cursors: Open evaluates the selection with the given values,
// Read delivers one row per call (1403 at the end, record unchanged),
// Close ends it. Each object is a walk of its own: two objects of one
// selection can be open at the same time.
//
// Window cursors: the rows of the record's keys whose moment lies between
// (KeyDat, KeyUhr) of the record and (toDate, toTime), ordered by date, time
// and KeySek. Dates are 'yyyymmdd', times 'HH24MISS' texts.

// ObjTyp, KeyApl; both bounds excluded.
class Mel_MVon : public db::RecordCursor<MelSatz> {
 public:
  Mel_MVon();
  int Open(const MelSatz* params, const char* toDate, const char* toTime);
};

// ObjTyp, KeyApl, KeyApk, KeyApp; both bounds included.
class Mel_MAVon : public db::RecordCursor<MelSatz> {
 public:
  Mel_MAVon();
  int Open(const MelSatz* params, const char* toDate, const char* toTime);
};

// ObjTyp, KeyApl, KeyApk, KeyApp, KeyPnr; both bounds included.
class Mel_MPAVon : public db::RecordCursor<MelSatz> {
 public:
  Mel_MPAVon();
  int Open(const MelSatz* params, const char* toDate, const char* toTime);
};

// Read-back cursors: the newest row at or before the reference (refDate,
// refTime, refSek) -- earlier, or in the same second with KeySek <= refSek --
// by date, time and KeySek. They deliver that one row only: it is all the
// analyses read, and the older history grows with the table.

// ObjTyp, MelFcd, KeyApl.
class Mel_PrfRdBck_M : public db::RecordCursor<MelSatz> {
 public:
  Mel_PrfRdBck_M();
  int Open(const MelSatz* params, const char* refDate, const char* refTime, const char* refSek);
};

// ObjTyp, KeyApl, KeyApk, KeyApp and MelFcd equal to fcd1 or fcd2 (the
// record's MelFcd is not used).
class Mel_PrfRdBck_MA : public db::RecordCursor<MelSatz> {
 public:
  Mel_PrfRdBck_MA();
  int Open(const MelSatz* params, const char* fcd1, const char* fcd2, const char* refDate, const char* refTime, const char* refSek);
};

// ObjTyp, MelFcd, KeyApl, KeyApk, KeyApp, KeyPnr.
class Mel_PrfRdBck_MPA : public db::RecordCursor<MelSatz> {
 public:
  Mel_PrfRdBck_MPA();
  int Open(const MelSatz* params, const char* refDate, const char* refTime, const char* refSek);
};
