// The stoppage analysis: for every pending "STG" note, the periods a work
// place stood still ("BS" to "ES" bookings), measured against its shift
// calendar. Only time inside a shift counts, split by breaks; each period
// becomes one row of kind 13.
#pragma once

#include <string>
#include <vector>

#include "analysis/event_state.h"
#include "analysis/timeline.h"
#include "db/tables/mel.h"
#include "db/tables/nza.h"

// One note, given as its key booking (work place, KeyBnr, KeyDat/KeyUhr of
// the note, KeySek "99").
void Dlz_Laufzeit(MelSatz key, bool periodenZeilen);

// Walks the time line of one note and gives the stoppage periods it
// closes (rows of kind 13), none unless `periodenZeilen`. Reads and writes
// nothing.
std::vector<NzaSatz> Dlz_Auswerten(TimeLine& line, bool periodenZeilen);

// Books the interval while inside a shift; returns its seconds.
std::int64_t Dlz_ZeitBuchen(LzaZustand& z);

// The row of a stoppage period that ends at the event `ende`.
NzaSatz StoppageRow(const LzaZustand& z, const MltSatz& ende);
bool Get_MerkSTGLoeschen(const MelSatz& key);
