// What the day report reads: the work places, the bookings of one day and
// the period rows that begin on it. Read-only selections of their own; the
// report draws and sums them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_text.h"

struct RptArbeitsplatz {
  FixedText<11> AplApl;
  FixedText<31> AplBez;
  FixedText<11> AplApg;
};

// One booking of the day (telegram or generated), in time order.
struct RptBuchung {
  FixedText<4> ObjTyp;
  FixedText<11> KeyApl;
  FixedText<13> KeyApk;
  FixedText<6> KeyApp;
  FixedText<9> KeyPnr;
  FixedText<3> MelMsk;
  FixedText<6> KeyUbg;
  FixedText<7> KeyUhr;  // HH24MISS
  double MelGum = 0, MelFam = 0;  // good and reject quantity
};

// One period row (Kvs590Nza) that begins on the day.
struct RptPeriode {
  std::int16_t NzaSa = 0;
  FixedText<11> NzaApl;
  FixedText<13> NzaApk;
  FixedText<6> NzaApp;
  FixedText<11> NzaPnr;
  FixedText<15> NzaDtm;  // yyyymmddHH24MISS
  FixedText<15> NzaEdt;
  FixedText<6> NzaUbg;
  double NzaNza = 0, NzaBza = 0, NzaUza = 0, NzaPza = 0, NzaNzr = 0, NzaBzr = 0, NzaBzu = 0, NzaPzu = 0;
};

// Every work place, by number.
int Rpt_Arbeitsplaetze(std::vector<RptArbeitsplatz>& out);
// The bookings of the day (yyyymmdd) by time and KeySek.
int Rpt_Buchungen(const std::string& day, std::vector<RptBuchung>& out);
// The period rows of the kinds 1, 2, 4 and 13 that begin on the day.
int Rpt_Perioden(const std::string& day, std::vector<RptPeriode>& out);
