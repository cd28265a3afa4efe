// The states a supervisor sees on the report and on the board, with the one
// name and colour each has on both pages, so that red means the same thing
// wherever it appears.
#pragma once

#include <cstddef>
#include <iterator>
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

namespace html {

// What the day report draws behind the states: the shift, its breaks and
// the time a person is logged on at a work place.
inline constexpr StateStyle kShift{"shift", "shift", "#dbe9f6"};
inline constexpr StateStyle kBreak{"break", "break", "#8a8a8a"};
inline constexpr StateStyle kPresent{"present", "present", "#cfe8d2"};

// The position of a state in kStates.
constexpr std::size_t StateIndex(std::string_view key) {
  std::size_t i = 0;
  while (i + 1 < std::size(kStates) && kStates[i].key != key) ++i;
  return i;
}

}  // namespace html
