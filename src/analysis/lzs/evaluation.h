// The evaluation of one run-time event list: order events and shift corner
// values of a work place, walked in time order. Flags say what is going on
// at every moment (shift, set-up, work, break, interruption); every event
// closes the interval since the previous one and books its seconds into
// counters the flags choose. Time inside shifts and time outside them are
// counted apart: the inside counters become a row per shift at every shift
// end, the outside counters a row per day ("00:0024:00").
#pragma once

#include <string>

#include "analysis/event_state.h"
#include "analysis/timeline.h"
#include "db/tables/nza.h"

// The Kvs590Nza column of each counter.
extern double NzaSatz::*const kLzaSpalten[kLzaZaehler];

// One evaluation: the inside record carries the flags and times, the
// outside record only its counters.
struct LzaAuswertung {
  LzaZustand innen;
  LzaZustand aussen;
  std::string tag;                   // the current day, yyyymmdd
  bool unterbrechungsZeilen = false; // interruption rows are switched on
};

// Walks the time line of the run; fills the 18 duration columns of the run
// record with the run time of the window. The run stamp's day is the day
// the walk starts on.
void Lza_Auswerten(const std::string& stamp, TimeLine& line, NzaSatz& run, bool unterbrechungsZeilen);

// Books the interval from intervallVon to intervallBis; returns its seconds.
std::int64_t Lza_ZeitBuchen(LzaAuswertung& a);

// The rows the evaluation writes.
void Nza_ArbeitsGangSatz(LzaAuswertung& a, const MltSatz& gehen);
void Nza_WriteDummy(LzaAuswertung& a, const NzaSatz& run, const std::string& day);
void Nza_SA_C_Ins(LzaAuswertung& a, const MltSatz& wiederAuf);

// The order's part number for NzaTnr; empty when the order cannot be read.
std::string AuftragTeilenummer(const FixedText<13>& apk);
