// Booking one telegram of class 1.
#pragma once

#include "db/tables/fzu.h"
#include "db/tables/switches.h"
#include "booking/telegram.h"

// Why a telegram was not booked when the number it drew was 0.
inline constexpr int kNoBookingNumber = -1;

// Creator id of bookings made directly from a telegram.
inline constexpr const char* kErfasserTelegramm = "MldToNza";

// Draws a booking number, resolves the person, decodes the data, updates
// the master data, moves the state vector, writes the booking row, the
// generated bookings, the upload row and the notes, in this order. Only a
// missing booking number stops it; every other failure is recorded in the
// booking (MelFnr) or the log and the later steps still run. Returns 0, or
// the reason the telegram got no booking number: then nothing was booked
// and its unit of work must not be committed.
int Meldung_Buchen(TelSatz tel, FzuSatz fzu, const NzpSchalter& schalter);
