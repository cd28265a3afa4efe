// Conversions between the worker's digit texts ('yyyymmdd',
// 'yyyymmddHH24MISS') and the stored form of a date column in the embedded
// database ('YYYY-MM-DD HH:MM:SS'). Invalid texts give the date errors the
// worker has always logged for them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace db {

// format: 'yyyymmdd' or 'yyyymmddHH24MISS' (any letter case).
int dateTextToStored(std::string_view text, std::string_view format, std::string& stored);

// Adds whole days to a stored date; the time of day is kept.
int addDaysToStored(std::string_view stored, std::int64_t days, std::string& out);

// Days since 1970-01-01 of a Gregorian date, and back.
std::int64_t daysFromCivil(int year, int month, int day);
void civilFromDays(std::int64_t days, int& year, int& month, int& day);

}  // namespace db
