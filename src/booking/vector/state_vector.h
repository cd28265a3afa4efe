// The state vector of every booked object: start codes create its row,
// change codes flip its flags, end codes delete it, and every booking keeps
// a copy of the flags its object was left with.
#pragma once

#include "db/tables/map.h"
#include "db/tables/mel.h"

// Moves the vector of the booking's object by its message code and copies
// the resulting 16 flags into the booking; may set MelFnr.
//
// A booking whose ObjTyp is none of the five object kinds (a booking
// function code without decoder leaves it empty) has no object to keep a
// state for: its vector step is skipped and its flags are all "0". Sharing
// one row under an empty key is not possible here, since an empty key part
// is stored as NULL and could never be read back.
void AktiveZstd_Aktual(MelSatz* mel);

// Transition of an existing row (`map` as read). On success `map` holds the
// written row; after a failed write, or when an end code deleted the row,
// it keeps the row as read.
void Yes_AktivZusatand(MelSatz* mel, MapSatz* map);

// Creation when the object has no row (`map` holds the key). `map` always
// receives the vector that was built, whether it could be inserted or not.
void Not_AktivZusatand(MelSatz* mel, MapSatz* map);

// Copies the flags Map00E .. Map00S of the "M_A" vector with the record's
// MapApl, MapApk, MapApp into the record. 0, or the read's code (logged).
int Upd_Vektor(MapSatz* map);
