// What decides whether a telegram's unit of work may be committed.
//
// A telegram's booking writes, its backup row and its queue delete are one
// unit of work. Two kinds of failure must keep the telegram queued for the
// next pass instead of committing what got through, even when every later
// statement reports success:
//  - the connection to the database was lost: what the unit holds is not
//    what the booking should have written (a read that never reached the
//    database makes a telegram look unknown, a person unknown, ...);
//  - no booking number could be drawn: the telegram was not booked at all.
// The steps of a booking report the statuses of their access routines here.
#pragma once

// Starts watching one telegram.
void UnitWatch_Start();

// Notes the status of an access routine; returns it unchanged.
int UnitWatch_Status(int rc);

// The telegram could not be booked and must stay queued (rc: the reason).
void UnitWatch_KeepQueued(int rc);

// True when the unit must be rolled back and the telegram stay queued.
bool UnitWatch_MustKeepQueued();
// True when the connection was reported lost during the unit.
bool UnitWatch_ConnectionLost();
// The status that made the unit keep its telegram queued (0 when none).
int UnitWatch_Reason();
