// The raw telegrams a shop-floor terminal sends, one builder per data
// layout of the function codes, as the receiving component stores them.
// The demo day and the plant-day generator of the benchmarks both write
// their telegrams with these.
#pragma once

#include <string>
#include <string_view>

namespace terminal {

// `text` cut or padded with blanks to `width`: fields travel at full width.
std::string Fixed(std::string_view text, std::size_t width);

// Eleven digits with three implied decimals.
std::string Quantity(double value);

// The four quantities of a report: good, reject and two unused zeros.
std::string Quantities(double good, double reject);

// The whole telegram: a 52-character head of the receiving component, then
// flag, office, terminal, flag, yymmdd of `day` (yyyymmdd), `time`
// (HHMMSS), two flags, the function code and the code's data.
std::string Raw(std::string_view fcd, std::string_view day, std::string_view time, std::string_view terminal,
                std::string_view data);

// Badge, order, operation and work place: the data of "A01", "A03", "A05"
// and "P05", and the head of every other order-operation layout.
std::string OrderKeys(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl);

// "A02" and "A06": the keys and a quantity report.
std::string WithQuantities(const std::string& keys, double good, double reject);

// "A04": an interruption of the operation with its reason.
std::string OperationInterrupted(const std::string& keys, std::string_view reason);

// "A07": the end of the operation with its quantities; `finished` marks the
// operation complete.
std::string OperationEnd(const std::string& keys, double good, double reject, bool finished);

// "P01" and "P04": a person at a work place.
std::string AtWorkPlace(std::string_view badge, std::string_view apl);

// "P06" and "P07": a person's interruption on an operation, and its end.
std::string PersonInterruption(const std::string& keys, std::string_view reason);

// "P08": a person leaves an operation, with the quantities made.
std::string PersonOff(const std::string& keys, double good, double reject);

// "M03" and "M04": a stoppage of a work place and its end, with a reason.
std::string WorkPlaceState(std::string_view badge, std::string_view apl, std::string_view reason);

}  // namespace terminal
