// The function codes of the sample shop floors (the demo's and the plant
// day's): which telegram codes are booked, uploaded and generate follow-up
// bookings. Function codes belong to another program; the samples play it.
#pragma once

#include <string_view>

// Writes every code into the function-code table; 0, or the status of the
// first code that could not be written.
int LoadFunctionCodes(std::string_view creator);

// What a code means, for readers of a summary; empty for unknown codes.
std::string_view FunctionCodeMeaning(std::string_view fcd);
