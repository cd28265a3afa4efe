// Decoding the telegram data of the 17 booking function codes.
//
// Each code has its own layout of the data area (TelDta, 1-based positions,
// of which the first 106 characters count): the badge at 1-8 (read by
// Person_Ermitteln, not here), the object keys, up to four quantities of
// 11 digits with 3 implied decimals, and a 4-character reason. The decoders
// validate nothing: fields are stored as they stand, blanks included, and
// a field beyond the end of the data stays empty.
#pragma once

#include <string_view>

#include "db/tables/mel.h"
#include "booking/telegram.h"

// Stores the object kind, the sort key within the second, the keys,
// quantities and reason of the code into the booking; fields the code does
// not carry stay as they are. False, with the booking untouched, for a code
// that has no decoder.
bool Daten_Zerlegen(std::string_view fcd, const TelSatz& tel, MelSatz* mel);
