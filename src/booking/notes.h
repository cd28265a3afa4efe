// Recalculation notes that a booking leaves for the time analyses.
#pragma once

#include "db/fzu.h"
#include "db/mel.h"

void MerkSaetze_Schreiben(MelSatz mel, FzuSatz fzu);
