// The scratch time line of an analysis call in Kvs561Mlt: rows of one
// creator and run stamp, numbered by a counter the caller owns and read
// back in time order (Mlt_Loeschen deletes them again).
#pragma once

#include <cstdint>
#include <string_view>

#include "analysis/cursor_rows.h"
#include "db/mlt.h"

// A cleared row of the run carrying the keys of the period it describes.
MltSatz TimeLineRow(std::string_view erf, std::string_view runStamp, std::string_view pnr, std::string_view apl,
                    std::string_view apk, std::string_view app);

// Sets the event of a row: its kind and its moment (yyyymmddHHMMSS).
void SetEvent(MltSatz& row, std::string_view kind, std::string_view moment);

// Inserts the row as the run's next one: the counter is incremented and
// becomes the row's MltLfn.
int InsertNumbered(MltSatz& row, std::int32_t& counter);

// Rows ranked behind every numbered row of the same second: a rank plus
// the counter keeps each such row apart from the others.
inline constexpr std::int32_t kLastInSecond = 1000000000;
int InsertLastInSecond(MltSatz& row, std::int32_t& counter);

// The rows of one creator and run stamp in time order (moment, then MltLfn).
CursorRows<MltSatz> ReadTimeLine(std::string_view erf, std::string_view runStamp);
