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

}  // namespace db
