// Moments of the analyses: a date yyyymmdd and a time HHMMSS, run together
// into the 14-digit text that orders and compares them.
#pragma once

#include <string>
#include <string_view>

#include "base/fixed_text.h"

inline std::string Moment(std::string_view date, std::string_view time) {
  std::string m(date);
  m += time;
  return m;
}

// Splits a 14-digit moment into its date and time fields.
inline void SplitMoment(std::string_view moment, FixedText<9>& date, FixedText<7>& time) {
  date = moment.substr(0, moment.size() < 8 ? moment.size() : 8);
  time = moment.size() > 8 ? moment.substr(8) : std::string_view();
}
