// The stoppage analysis: for every pending "STG" note, the periods a work
// place stood still ("BS" to "ES" bookings), measured against its shift
// calendar. Only time inside a shift counts, split by breaks; each period
// becomes one row of kind 13.
#pragma once

#include <string>

#include "analysis/event_state.h"
#include "analysis/timeline.h"
#include "db/tables/mel.h"

// One note, given as its key booking (work place, KeyBnr, KeyDat/KeyUhr of
// the note, KeySek "99").
void Dlz_Laufzeit(MelSatz key, bool periodenZeilen);

// Walks the time line of one note.
void Dlz_Auswerten(TimeLine& line, bool periodenZeilen);

// Books the interval while inside a shift; returns its seconds.
std::int64_t Dlz_ZeitBuchen(LzaZustand& z);

void Nza_SA_M_Ins(const LzaZustand& z, const MltSatz& ende);
bool Get_MerkSTGLoeschen(const MelSatz& key);
