// Records filled from a table's description, for tests that go over many
// tables alike.
#pragma once

#include "db/engine/table.h"

namespace testdb {

constexpr const char* kFillDay = "20261207";
constexpr const char* kFillMoment = "20261207061500";

// A distinct valid value for every written field: text as wide as its
// field, dates and moments of one day (kFillDay, kFillMoment).
void FillRecord(const db::Table& table, void* record, int seed);

}  // namespace testdb
