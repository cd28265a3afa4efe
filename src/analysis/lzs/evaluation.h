// The evaluation of one run-time event list: order events and shift corner
// values of a work place, walked in time order. Flags say what is going on
// at every moment (shift, set-up, work, break, interruption); every event
// closes the interval since the previous one and books its seconds into
// counters the flags choose. Time inside shifts and time outside them are
// counted apart: the inside counters become a row per shift at every shift
// end, the outside counters a row per day ("00:0024:00").
#pragma once

#include <string>
#include <vector>

#include "analysis/event_state.h"
#include "analysis/timeline.h"
#include "db/tables/nza.h"


// A row the evaluation gives. A row of a shift or of a day outside shifts
// is added to the row stored under its key (its counters added to the
// stored durations), or written with them when there is none; an
// interruption row is written as it stands. The function names are those
// of the log entries a failed write leaves.
struct LzaZeile {
  NzaSatz row;
  LzaZaehler counters{};
  bool addToStored = false;
  const char* insertFunction = "";
  const char* updateFunction = "";
};

// One evaluation: the inside record carries the flags and times, the
// outside record only its counters.
struct LzaAuswertung {
  LzaZustand innen;
  LzaZustand aussen;
  std::string tag;                   // the current day, yyyymmdd
  bool unterbrechungsZeilen = false; // interruption rows are switched on
  std::vector<LzaZeile> zeilen;      // the rows given so far, in order
};

// Walks the time line of the run and gives its rows, in the order they are
// to be written; fills the 18 duration columns of the run record with the
// run time of the window. The run stamp's day is the day the walk starts
// on. Reads and writes nothing.
std::vector<LzaZeile> Lza_Auswerten(const std::string& stamp, TimeLine& line, NzaSatz& run,
                                    bool unterbrechungsZeilen);

// Writes the rows of an evaluation.
void Lza_ZeilenSchreiben(std::vector<LzaZeile> rows);

// Books the interval from intervallVon to intervallBis; returns its seconds.
std::int64_t Lza_ZeitBuchen(LzaAuswertung& a);

// The rows the evaluation gives.
void Nza_ArbeitsGangSatz(LzaAuswertung& a, const MltSatz& gehen);
void Nza_WriteDummy(LzaAuswertung& a, const NzaSatz& run, const std::string& day);
void Nza_SA_C_Ins(LzaAuswertung& a, const MltSatz& wiederAuf);

// The order's part number for NzaTnr; empty when the order cannot be read.
std::string AuftragTeilenummer(const FixedText<13>& apk);
