// Upload rows for the production planning system.
#pragma once

#include "db/mel.h"

// The upload row of a telegram's booking (numbers drawn as "MldToNza").
void PPS_SatzSchreiben(MelSatz mel);
// The upload row of a generated booking (numbers drawn as "MldGen").
void GenBdeToPps(MelSatz mel);
