// Text pieces shared by the pages this program writes (the day report and
// the live board): escaping and the one way durations are printed.
#pragma once

#include <string>
#include <string_view>

namespace html {

// Text made safe for HTML and SVG, in content and attribute values alike.
std::string Escape(std::string_view text);

// Seconds as hours:minutes ("1:30" for 90 minutes), rounded to the minute.
std::string HoursMinutes(long long seconds);

}  // namespace html
