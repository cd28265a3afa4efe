// The day of terminal telegrams the demo books: set-up and work on three
// work places, persons logging on and off, interruptions of an operation
// and of a work place, quantities, operation ends and a time per unit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct DemoTelegram {
  std::string time;  // HHMMSS of the event
  std::string text;  // the raw telegram as the receiving component stores it
  std::string_view story;  // what happens, for the reader of the summary
};

// The telegrams of `day` (yyyymmdd) in the order the terminals sent them.
std::vector<DemoTelegram> DemoDay(const std::string& day);
