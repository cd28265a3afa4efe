// The live board: the shop floor as booking keeps it right now, one tile per
// work place, grouped by work-place group, as one self-contained HTML page
// for a wall screen. Read from the state vectors and the master data the
// worker maintains; nothing here writes to the database.
#pragma once

#include <string>
#include <vector>

#include "app/html/state_style.h"

namespace board {

// Moments travel as 14 digits, yyyymmddHHMMSS; empty when unknown.

struct Person {
  std::string pnr;
  std::string name;
  bool interrupted = false;
};

struct Operation {
  std::string order, operation, name;
  const html::StateStyle* state = &html::kIdle;
  std::string reason;  // of an interruption
  std::string since;
  double good = 0, reject = 0, target = 0;
  std::string unit;
  std::vector<Person> persons;
};

struct Tile {
  std::string workPlace, name, group;
  const html::StateStyle* state = &html::kIdle;
  std::string reason;  // of a stoppage or an interruption
  std::string since;   // when the tile's state began
  bool stale = false;  // unchanged for longer than the stale limit
  std::vector<Operation> operations;
  std::vector<Person> persons;  // everyone logged on at the work place
};

struct Board {
  std::string made;           // when the rows were read
  std::string newestBooking;  // moment of the newest booking
  std::vector<Tile> tiles;    // by group, then work place
};

// What the page shows beside the board itself.
struct PageSettings {
  int refreshSeconds = 60;
  // Set while the database cannot be reached: the page then shows the last
  // board read, with a banner saying since when.
  std::string unreachableSince;
  std::string unreachableReason;
};

// Reads the board in one short read-only transaction of the connected
// session, so that the worker never waits for it. `staleMinutes` marks the
// tiles unchanged for longer. Returns 0 or the status that failed.
// `now` by value: it may be a field of `out`, which is cleared first.
int CollectBoard(std::string now, int staleMinutes, Board& out);

// The page, every text from the database escaped.
std::string RenderBoard(const Board& board, const PageSettings& settings);

// Writes `page` beside `path` and renames it into place, so that a reader
// sees the old page or the new one, never a part. False with a reason.
bool ReplaceFile(const std::string& path, const std::string& page, std::string* error);

}  // namespace board
