// Status codes returned by every access routine and most processing routines.
#pragma once

namespace status {
constexpr int kOk = 0;
constexpr int kNoRow = 1403;            // keyed read found nothing, cursor exhausted
constexpr int kDuplicate = -1;          // unique key violated
constexpr int kNullValue = -1400;       // NULL into a NOT NULL column
constexpr int kTooManyRows = -1422;     // single-row read found several rows
constexpr int kBadDate = -1843;         // not a valid month
constexpr int kBadDay = -1847;          // day of month out of range
constexpr int kBadDateText = -1858;     // non-numeric where a digit was expected
constexpr int kNotConnected = -3114;    // no usable connection
}  // namespace status
