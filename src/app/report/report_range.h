// A range of days: a page per day, each linking to the day before and
// after, and an index with the plant's figures per day and a chart of the
// utilisation.
#pragma once

#include <string>

namespace report {

// Writes report-DAY.html for each day FROM..TO and index.html into DIR
// (created when missing); false with a reason.
bool WriteRange(const std::string& from, const std::string& to, const std::string& dir, bool fullDay,
                std::string* error);

}  // namespace report
