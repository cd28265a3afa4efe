// Stepping over calendar days through the shared calendar table.
#pragma once

#include <cstdint>
#include <string>

// Mode 1: the number of calendar days after `date` up to and including
// `second` (0 when the count fails). Mode 2: `second` receives the date
// `days` calendar days after `date` (days may be negative), or `date`
// itself when the calendar has no such day; returns the read's status.
// Any other mode returns 0 and does nothing.
int Kalender_Tage(int mode, std::int32_t days, const std::string& date, std::string& second);
