// The person behind the badge of a telegram.
#pragma once

#include "db/tables/mel.h"
#include "db/tables/prv.h"
#include "booking/telegram.h"

// The person number "99999999" marks a person that could not be resolved.
inline constexpr const char* kUnbekannterPerson = "99999999";
// MelFnr of a booking whose badge is unknown or not valid today.
inline constexpr int kFehlerAusweis = 6001;

// Reads the badge assignment valid today for the badge at TelDta 1-8 (all
// eight characters, blanks included; within a drain once per badge, see
// db/pass_reads.h). Found: KeyPnr and MelAwn from the row, which is also
// copied to `prv`. Otherwise logged, KeyPnr "99999999", MelAwn the badge
// and MelFnr 6001. Returns the read's status.
int Person_Ermitteln(const TelSatz& tel, MelSatz* mel, PrvSatz* prv);
