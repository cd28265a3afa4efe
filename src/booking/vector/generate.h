// Follow-up bookings generated for the persons and operations a booking touches.
#pragma once

#include "db/tables/mel.h"

// Chooses the generator of the booking's message code; codes without one
// generate nothing. Generated bookings leave no notes and, apart from those
// of a work-place interruption, no upload rows.
void MldGen(MelSatz mel);
