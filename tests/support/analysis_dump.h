// What the time analyses leave in the database, as text that two runs (or
// two backends, or two versions of the analyses) can be compared by: one
// line per row, sorted, without the columns the database stamps itself.
#pragma once

#include <map>
#include <string>

namespace testdb {

// Sections, each headed "# <what>":
//   Kvs590Nza   every period, run-time, total and stoppage row, its columns
//               in the order a header line names them, zeros and empty texts
//               left empty, figures with two decimals
//   Kvs554Err   every protocol row
//   Kvs560Mel   key, codes and MelFnr of the bookings carrying a number the
//               person-time analysis sets (5004 to 5008)
//   Kvs561Mlt   scratch rows left behind, counted by creator
//   Kvs563Mrk   notes of the three analyses still pending
//   overlaps    pairs of closed period rows holding the same time, by kind
//   log         `logEntries` ("function | message | code")
// A line that occurs more than once is written once, followed by " xN".
std::string AnalysisDump(const std::map<std::string, int>& logEntries);

}  // namespace testdb
