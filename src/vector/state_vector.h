// The state vector of every booked object.
#pragma once

#include "db/mel.h"

// Moves the vector of the booking's object by its message code and copies
// the resulting 16 flags into the booking; may set MelFnr.
void AktiveZstd_Aktual(MelSatz* mel);
