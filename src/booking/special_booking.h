// Telegrams of the second class. The only one handled is "Z01", a special
// booking with which a terminal reports the time per unit of an order
// operation: the operation's target time is recomputed and the telegram is
// handed to the planning system as an upload row. Nothing else is booked.
#pragma once

#include "db/tables/fzu.h"
#include "booking/telegram.h"

// Other class-2 codes are consumed without effect.
void Meldung_Klasse2(TelSatz tel, FzuSatz fzu);
void Sonderbuchung(TelSatz tel, FzuSatz fzu);

// Times in hours.minutes notation (1.30 is 1 hour 30 minutes).
double HoursMinutesToMinutes(double hm);
double MinutesToHoursMinutes(long minutes);
// Target time of `perUnit` for `units` units on top of the set-up time
// `setUp`, whole minutes, in hours.minutes notation.
double TargetTime(double setUp, double perUnit, double units);
