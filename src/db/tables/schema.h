// The tables, keys and indexes of the worker's database, described once
// and created on either backend by `bdemorvelt initdb`.
#pragma once

#include <string>
#include <vector>

#include "db/engine/backend.h"

namespace db::schema {

struct Index {
  const char* name;
  // Column list in the statements' own dialect; may hold TO_CHAR(...)
  // expressions so that date-text selections are served by the index.
  const char* parts;
  bool unique = false;
  // Only the rows that meet this condition (in the statements' dialect)
  // are indexed, for selections that always state it.
  const char* where = nullptr;
};

struct Table {
  const char* name;
  // "Column Type, ..." with the types T (text), I (whole number),
  // F (decimal) and D (date); a width after T documents the field size.
  // Taken from the table's description where the worker has one.
  std::string columns;
  std::vector<Index> indexes;
  bool sharedCalendar = false;  // lives in the KvSystem schema on the server
};

// The tables of each module, in creation order.
const std::vector<Table>& queueTables();
const std::vector<Table>& bookingTables();
const std::vector<Table>& masterTables();
const std::vector<Table>& analysisTables();

// Creates every missing table, index and helper function; safe to repeat.
int create(Connection& conn, std::string* error = nullptr);

// Every table name, for tests that empty the database between cases.
std::vector<std::string> allTableNames(Dialect dialect);

}  // namespace db::schema
