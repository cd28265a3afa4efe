// The run stamp: the local date and time as yyyymmddHHMMSS, taken once per
// analysis call: the moment a period still open ends at.
#pragma once

#include <string>

std::string Laufstempel();

// Date (yyyymmdd) and time (HHMMSS) parts of a 14-digit stamp.
inline std::string StempelDatum(const std::string& stamp) { return stamp.substr(0, 8); }
inline std::string StempelZeit(const std::string& stamp) { return stamp.size() > 8 ? stamp.substr(8, 6) : ""; }
