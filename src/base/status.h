// Status codes returned by every access routine and most processing
// routines: the numbers an installation on the original database logs for
// the same condition. Backend errors without such a number are negative
// numbers derived from the backend's own code (see the backends).
#pragma once

namespace status {
constexpr int kOk = 0;
constexpr int kNoRow = 1403;              // keyed read found nothing, cursor exhausted
constexpr int kDuplicate = -1;            // unique key violated
constexpr int kInvalidCursor = -1001;     // read of a cursor that is not open
constexpr int kLoginRefused = -1017;      // user or password refused
constexpr int kNullValue = -1400;         // NULL into a NOT NULL column
constexpr int kNullFetched = -1405;       // NULL aggregate fetched without an indicator
constexpr int kTooManyRows = -1422;       // single-row read found several rows
constexpr int kBadDate = -1843;           // not a valid month
constexpr int kBadDay = -1847;            // day of month out of range
constexpr int kBadDateText = -1858;       // non-numeric where a digit was expected
constexpr int kNotConnected = -3114;      // no usable connection
constexpr int kUnknownService = -12154;   // connect target empty, too long or not understood
constexpr int kUnknownDatabase = -12514;  // the server does not know the database
constexpr int kNoListener = -12541;       // no server answers at the target
}  // namespace status
