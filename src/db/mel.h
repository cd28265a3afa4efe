// Kvs560Mel: the booking rows, one per telegram and per generated booking.
#pragma once

#include <cstdint>

#include "db/fixed_text.h"

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
