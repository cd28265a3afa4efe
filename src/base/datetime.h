// Date and time helpers shared by booking and the analyses.
//
// Dates and times travel as fixed-width digit texts: date yyyymmdd, time
// HHMMSS, timestamp yyyymmddHHMMSS, day-first date ddmmyyyy, minute time
// HHMM00. Whenever these routines read a number from a fixed position of
// such a text, they read it the forgiving way: blanks in front are skipped,
// the digits that follow are taken, reading stops at the first other
// character, and a field with no digits (or beyond the end of a short text)
// counts as 0. They never read outside the text they are given.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "base/fixed_text.h"

// The local date and time, read once, in one of four layouts; always 0.
//   1: out1 ddmmyyyy,       out2 HHMMSS
//   2: out1 ddmmyyyyHHMMSS, out2 empty
//   3: out1 yyyymmdd,       out2 HHMMSS
//   4: out1 yyyymmddHHMMSS, out2 empty
// The century is always written as "20". Any other format leaves both empty.
int Datum_Zeit(std::string& out1, std::string& out2, int format);

// Datum_Zeit for a given clock reading instead of the current one.
void FormatDatumZeit(const std::tm& when, int format, std::string& out1, std::string& out2);

// Minutes after midnight of a time text (HHMM..., seconds ignored).
int Std_Min(std::string_view time);

// The minute time HHMM00 of `minutes` after midnight. 1440 gives "235959",
// the last second of the day; later minutes give hours past 23 (1500 gives
// "250000"). Minutes are held to 0 .. 5999 ("995900") so that the text
// always fits its six digits.
std::string Min_Zeit(int minutes);
void Min_Zeit(int minutes, FixedText<7>& out);

// Seconds from timestamp b to timestamp a (a - b, negative when a is
// earlier), both taken as wall-clock times of the Gregorian calendar. A year
// below 70 counts as 20yy, 70 to 99 as 19yy. A month outside 1..12 is held
// to that range; days, hours, minutes and seconds are taken as they are.
long long Zeit_Differenz(std::string_view a, std::string_view b);

// The number in a digit text with `decimals` implied decimals ("00000012500"
// with 3 gives 12.5). Leading zeros and blanks are skipped; 0 is returned,
// or -1 with the number 0 when `decimals` is negative or more than the digits
// left. Each part's value is read from its leading digits only.
int Text_Zahl(std::string_view digits, double& out, int decimals);
