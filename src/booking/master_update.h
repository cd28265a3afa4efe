// Order, operation and work-place updates that follow a booking.
#pragma once

#include "db/mel.h"

void StammTab_Akual(MelSatz* mel);       // "A01" .. "A07"
void Teilenummer_Holen(MelSatz* mel);    // "P05" .. "P08"
void Arbeitsplatz_Aktual(MelSatz* mel);  // "M03", "M04"
