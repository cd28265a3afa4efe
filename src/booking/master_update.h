// Order, operation and work-place updates that follow a booking.
#pragma once

#include "db/tables/app.h"
#include "db/tables/mel.h"

// "A01" .. "A07": moves the status of the order and of the operation,
// stamps their start and end, adds the quantities, counts finished
// operations and closes the order when its completion rule is met. Read
// failures are marked in MelFnr (1001 order, 2001 operation); failed writes
// are logged.
void StammTab_Akual(MelSatz* mel);
// "P05" .. "P08": the order's part number into KeyTnr (1001 when unread).
void Teilenummer_Holen(MelSatz* mel);
// "M03", "M04": the interruption of the work place and its end (4001 when
// the work place cannot be read).
void Arbeitsplatz_Aktual(MelSatz* mel);

// A package is a leading operation (AppZf2 starting with "*PKT_KOPF*" or
// "*PKT_PROG*") whose members carry its package key in their AppZf2. The
// leading operation's state passes on to every member, each of them
// uploaded with the booking copy `mel`.
void Put_Pakete(MelSatz mel, AppSatz head);
// Counts a finished member operation on its own order and closes that
// order when its completion rule is met.
void Put_PaketeAPK(AppSatz member);
// True when the operation leads a package.
bool IsPackageHead(const AppSatz& app);
