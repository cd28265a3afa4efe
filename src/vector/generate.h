// Follow-up bookings generated for the persons and operations a booking touches.
#pragma once

#include "db/mel.h"

void MldGen(MelSatz mel);
