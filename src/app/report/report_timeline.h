// The day as inline SVG time lines, one per group, stacked as one picture:
// a lane per work place, grouped by work-place group, and a lane per person,
// grouped by the work place they worked at most.
#pragma once

#include <string>

#include "app/report/report_day.h"

namespace report {

// The hours drawn: the span of the day's shifts and periods in whole
// hours, or the whole day.
struct Axis {
  int from = 0, to = kDaySeconds;
};
Axis AxisOf(const Day& day, bool fullDay);

std::string Timeline(const Day& day, const Axis& axis);

// The style that draws the hour lines of the axis through the time line.
std::string HourLines(const Axis& axis);

// "hh:mm" of a second of the day.
std::string Clock(int second);

}  // namespace report
