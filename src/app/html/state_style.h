// The states a supervisor sees on the report and on the board, with the one
// name and colour each has on both pages, so that red means the same thing
// wherever it appears.
#pragma once

#include <string_view>

namespace html {

struct StateStyle {
  std::string_view key;     // CSS class and stable identifier
  std::string_view name;    // as printed in legends and tiles
  std::string_view colour;  // CSS colour
};

inline constexpr StateStyle kStopped{"stoppage", "stoppage", "#6a1b9a"};
inline constexpr StateStyle kInterrupted{"interruption", "interruption", "#d62f2f"};
inline constexpr StateStyle kSetUp{"setup", "set-up", "#f0a020"};
inline constexpr StateStyle kRunning{"work", "work", "#3c9a4c"};
inline constexpr StateStyle kIdle{"idle", "not used", "#9e9e9e"};

// In the order a stretch of time (or a work place) takes the first that
// applies.
inline constexpr StateStyle kStates[] = {kStopped, kInterrupted, kSetUp, kRunning, kIdle};

}  // namespace html
