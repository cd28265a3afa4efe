// Two records of one table compared column for column, along the table's
// description, so that the comparison follows the table as it grows.
#pragma once

#include <gtest/gtest.h>

#include "db/engine/table.h"

template <class Record>
void ExpectSameRow(const db::Table& table, const Record& want, const Record& got) {
  for (const db::Field& f : table.rowFields())
    EXPECT_EQ(db::fieldValue(&want, f).asText(), db::fieldValue(&got, f).asText()) << f.name;
}
