// Gregorian calendar arithmetic: the one place that knows month lengths
// and leap years.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Days since 1970-01-01 of a date (negative before it). A day outside the
// month counts on from the month's first day (day 0 is the day before).
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // month 1..12
bool IsCivilDate(int year, int month, int day);

// The date `days` after the yyyymmdd text (days may be negative); empty
// when the text is no valid date.
std::string AddDays(std::string_view yyyymmdd, int days);

// ISO 8601: weekday 1 (Monday) to 7 (Sunday), week of the year 1 to 53
// (the week with the year's first Thursday is week 1), and day of the year.
int IsoWeekday(int year, int month, int day);
int IsoWeek(int year, int month, int day);
int DayOfYear(int year, int month, int day);
