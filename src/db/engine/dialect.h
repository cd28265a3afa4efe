// Statement texts are written once, in the dialect the worker's statements
// have always used (TO_CHAR/TO_DATE with 'yyyymmdd' formats, sysdate,
// trunc(sysdate), named binds :bN). This is the one place that turns them
// into what each backend understands.
#pragma once

#include <string>
#include <string_view>

#include "db/engine/backend.h"

namespace db {

struct TranslatedSql {
  std::string text;
  int paramCount = 0;  // distinct :bN names, numbered by first appearance
};

TranslatedSql translate(std::string_view sql, Dialect dialect);

// The start of a reader's transaction: one snapshot for all its selects,
// no writes, and on the server no long wait behind another's lock. On the
// embedded database (write-ahead log) a reader never blocks the writer.
const char* readOnlyBegin(Dialect dialect);

// Whether every statement is an exchange with a server. There, reading a
// small table whole saves a round trip per key once a few keys were asked;
// on the embedded database a keyed read costs microseconds, and reading
// hundreds of rows to answer a few never pays.
bool statementsTravel(Dialect dialect);

}  // namespace db
