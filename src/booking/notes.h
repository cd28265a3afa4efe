// Recalculation notes that a booking leaves for the time analyses.
//
// "NZS" (person on an order operation), "LZS" (run time of an order
// operation) and "STG" (work-place interruptions) are written once per
// booking; "NZM" (a person's day), "NZA" (an order operation) and "LZM" (a
// work place) only while no such note is pending, and only when their
// analysis kind asks for notes.
#pragma once

#include "db/tables/fzu.h"
#include "db/tables/mel.h"
#include "db/tables/switches.h"

void MerkSaetze_Schreiben(MelSatz mel, FzuSatz fzu, const NzpSchalter& schalter);

void MerkSatz_NZS(MelSatz mel);
void MerkSatz_LZS(MelSatz mel);
void MerkSatz_NZM(MelSatz mel);
void MerkSatz_NZA(MelSatz mel);
void MerkSatz_LZM(MelSatz mel);
void MerkSatz_STG(MelSatz mel);
