// The state of an event-list evaluation (run time and stoppages): flags
// that say what is going on at every moment, the open interval, the
// current shift and interruption, and second counters. Every event closes
// the interval since the previous one; the analysis books its seconds into
// the counters its flags choose.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "db/tables/mlt.h"
#include "db/tables/nza.h"

inline constexpr int kLzaZaehler = 18;
inline constexpr int kLzaUnterbrechungen = 7;

using LzaZaehler = std::array<std::int32_t, kLzaZaehler>;

// The counters by the figure column each one fills (LzaZaehler, in this
// order), and the interruption counters I0 to I6.
namespace zaehler {
enum : int { Nza, Bza, Uza, Abz, Pza, Nzr, Bzr, Uzr, Rbz, Pzr, Ist, Sol, Pau, Nzu, Bzu, Ubz, Pzu, Rf1 };
enum : int { I0, I1, I2, I3, I4, I5, I6 };
}  // namespace zaehler

// The Kvs590Nza column each counter fills.
inline double NzaSatz::*const kLzaSpalten[kLzaZaehler] = {
    &NzaSatz::NzaNza, &NzaSatz::NzaBza, &NzaSatz::NzaUza, &NzaSatz::NzaAbz, &NzaSatz::NzaPza, &NzaSatz::NzaNzr,
    &NzaSatz::NzaBzr, &NzaSatz::NzaUzr, &NzaSatz::NzaRbz, &NzaSatz::NzaPzr, &NzaSatz::NzaIst, &NzaSatz::NzaSol,
    &NzaSatz::NzaPau, &NzaSatz::NzaNzu, &NzaSatz::NzaBzu, &NzaSatz::NzaUbz, &NzaSatz::NzaPzu, &NzaSatz::NzaRf1};

struct LzaZustand {
  std::string schichtBeginn, schichtEnde;  // yyyymmddHHMMSS
  std::string intervallVon, intervallBis;
  std::string unterbrechungVon, unterbrechungBis;
  std::string unterbrechungGrund;
  LzaZaehler periode{};
  LzaZaehler summe{};
  std::array<std::int32_t, kLzaUnterbrechungen> unterbrechung{};
  bool ruesten = false, arbeit = false, schicht = false, unterbrochen = false, pause = false;

  bool IrgendeinFlag() const { return ruesten || arbeit || schicht || unterbrochen || pause; }
};

// The moment of an event row as yyyymmddHHMMSS.
inline std::string EventZeit(const MltSatz& row) { return row.MltMdt.str() + row.MltMdtUhr.str(); }

// The first step of a start event: the interval opens at the event, and
// what was going on up to it is booked first.
template <class Book>
void IntervallBeginnen(LzaZustand& z, const std::string& t, Book book) {
  if (z.IrgendeinFlag()) {
    z.intervallBis = t;
    book();
  }
  z.intervallVon = t;
}

// The first step of an end event: with nothing going on, the interval
// opens at the event itself (and has length 0).
inline void IntervallOhneFlag(LzaZustand& z, const std::string& t, bool LzaZustand::*flag) {
  if (z.IrgendeinFlag()) return;
  z.intervallVon = t;
  z.*flag = true;
}

// A shift begins: what went on up to it is booked, the shift flag is set.
template <class Book>
void SchichtBeginnt(LzaZustand& z, const std::string& t, Book book) {
  z.schichtBeginn = z.schichtEnde = t;
  IntervallBeginnen(z, t, book);
  z.schicht = true;
}

// A shift ends: the interval up to it is booked; with nothing going on, it
// is one of no length at the event, inside the shift.
template <class Book>
void SchichtEndeBuchen(LzaZustand& z, const std::string& t, Book book) {
  z.schichtEnde = t;
  if (!z.IrgendeinFlag()) {
    z.schichtBeginn = t;
    z.intervallVon = t;
    z.schicht = true;
  }
  z.intervallBis = t;
  book();
}

// Books the interval up to the event and opens the next one there.
template <class Book>
void IntervallBuchen(LzaZustand& z, const std::string& t, Book book) {
  z.intervallBis = t;
  book();
  z.intervallVon = t;
}
