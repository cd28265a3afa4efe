// The running numbers of bookings and upload rows (counters "MELNR" and
// "PPSNR" of Kvs552Bnr). A number drawn inside a telegram's unit of work is
// given up again, together with everything that used it, when the unit is
// rolled back.
#pragma once

#include <string_view>

#include "db/tables/mel.h"
#include "db/tables/pps.h"

// Sets KeyBnr to the next booking number; leaves it unchanged and logs
// when no number could be drawn. Returns the counter's status.
int BuchungsNummer(MelSatz* mel);

// Sets PpsLfn to the next upload number, drawn under `creator` ("MldToNza"
// for telegram bookings, "MldGen" for generated ones); leaves it unchanged
// and logs when none could be drawn. Returns the counter's status.
int UploadNummer(PpsSatz* pps, std::string_view creator);
