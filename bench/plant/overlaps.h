// Period rows that count the same time twice: two closed rows (NzaEnd 1) of
// one kind (NzaSa) and one full key -- work place, order, operation and
// person -- whose spans overlap for a positive length. A person on two
// operations at once is no overlap: the operations differ.
#pragma once

#include <cstdint>
#include <map>

namespace plant {

// Overlapping pairs by kind (NzaSa), of the connected database; kinds
// without any are left out. -1 under key 0 when the query failed.
std::map<int, std::int64_t> CountOverlaps();

}  // namespace plant
