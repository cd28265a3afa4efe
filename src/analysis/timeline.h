// The event list of one analysis call, kept in memory: rows appended in
// the order the analysis gathers them, each numbered as it comes, and read
// in time order (moment, then number). A row without a moment (the end of
// a period still open) comes after every other. Nothing of it is stored:
// sorting in memory gives the order a table would have given.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "db/tables/mlt.h"

// A cleared row carrying the keys of the period it describes.
MltSatz TimeLineRow(std::string_view erf, std::string_view runStamp, std::string_view pnr, std::string_view apl,
                    std::string_view apk, std::string_view app);

// Sets the event of a row: its kind and its moment (yyyymmddHHMMSS).
void SetEvent(MltSatz& row, std::string_view kind, std::string_view moment);

// Rows ranked behind every numbered row of the same second: a rank plus
// the number keeps each such row apart from the others.
inline constexpr std::int32_t kLastInSecond = 1000000000;

class TimeLine {
 public:
  // Appends the row as the next one: its MltLfn becomes the next number.
  void Add(MltSatz row);
  // Appends the row behind every numbered row of its second.
  void AddLastInSecond(MltSatz row);

  // The rows in time order.
  const std::vector<MltSatz>& Ordered();
  // Drops the row of the ordered list at `index`.
  void EraseOrdered(std::size_t index);

  bool empty() const { return rows_.empty(); }

 private:
  std::vector<MltSatz> rows_;
  std::int32_t counter_ = 0;
  bool sorted_ = true;
};

// True when `a` comes before `b` on a time line.
bool EarlierEvent(const MltSatz& a, const MltSatz& b);
