// The ten generators of follow-up bookings, one per triggering message
// code. Each takes the triggering booking; its generated bookings carry the
// same KeyBnr and the running numbers after the trigger's KeyLfn.
#pragma once

#include <cstdint>

#include "db/tables/mel.h"

// Persons of the work place ("MP_" vectors) and the booking's own person
// are logged on to the work-place order ("PA").
void Generieren_RB(MelSatz mel);
void Generieren_AB(MelSatz mel);
// Persons on the work-place order ("MPA" vectors) are interrupted ("PU"),
// resumed ("PW") or logged off ("PE"). AU and AW return the last running
// number they used, so that a work-place generator can count on from it.
std::int32_t Generieren_AU(MelSatz mel);
std::int32_t Generieren_AW(MelSatz mel);
void Generieren_AE(MelSatz mel);
void Generieren_RE(MelSatz mel);
// A person logging on to an interrupted order is interrupted too ("PU");
// one logging off it is first resumed ("PW").
void Generieren_PA(MelSatz mel);
void Generieren_PE(MelSatz mel);
// An interruption of the work place interrupts its running order
// operations ("AU"); its end resumes exactly those ("AW").
void Generieren_BS(MelSatz mel);
void Generieren_ES(MelSatz mel);
