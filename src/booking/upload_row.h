// Upload rows for the production planning system (Kvs580Pps).
#pragma once

#include <string_view>

#include "db/tables/mel.h"
#include "db/tables/pps.h"

// The upload row of a telegram's booking (numbers drawn as "MldToNza").
void PPS_SatzSchreiben(MelSatz mel);
// The upload row of a generated booking (numbers drawn as "MldGen").
void GenBdeToPps(MelSatz mel);

// The upload row of booking `mel` written at `now` (yyyymmddHHMMSS), without
// its upload number: the status number follows the function code ("A01" 1,
// "A02" 2, "A03" and "A05" 3, "A04" 4, "A07" 6 with the message code "AT"
// when MelAec is "0" and 9 otherwise, any other code 0).
PpsSatz UploadZeile(const MelSatz& mel, std::string_view now);
