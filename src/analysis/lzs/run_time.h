// The run-time analysis: for every pending "LZS" note, the run time of the
// order operation at its work place since its newest start, split by shift,
// day, set-up, work, breaks and interruptions, added to the operation's
// totals per work place and over all work places.
#pragma once

#include <cstdint>
#include <string>

#include "db/tables/mel.h"
#include "db/tables/nza.h"

// One note, given as its key booking (keys, KeyBnr, KeyDat/KeyUhr of the
// note, KeySek "99").
void Lza_Laufzeit(MelSatz key, bool unterbrechungsZeilen);

// Adds the run record's 18 durations to the operation's total row of the
// work place (NzaSa 5) and of all work places (NzaSa 8).
void Add_LaufZt_Apl(NzaSatz run);
// Keeps the operation's run-time rows and totals for the note (note_rows.h).
void KeepRunRows(const NzaSatz& run);
void Add_LaufZt_Ges(NzaSatz run);

// Deletes the note about to be worked and every note of the same key;
// false when an earlier note of the key already took them.
bool Get_MerkLoeschen_Lzs(const MelSatz& key);
