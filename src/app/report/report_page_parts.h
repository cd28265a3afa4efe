// Pieces that the day pages and the index of a range share.
#pragma once

#include <string>

#include "app/report/report_day.h"

namespace report {

// The page up to and including <body>, with the styles and `style` of the
// page's own.
std::string PageHead(const std::string& title, const std::string& style = "");

// A table with its caption and the line that says where its figures come
// from.
std::string TableHtml(const Table& table);

// Opens a block (closed by "</div>") that the browser lays out and paints
// only when it comes near the screen; `height` is the block's height in
// pixels, or an estimate of it, taken until it was laid out once.
std::string PartStart(int height);

}  // namespace report
