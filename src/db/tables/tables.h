// The description of each table the worker's records carry. Each is
// defined beside the table's access routines; the schema takes its column
// lists from here too.
#pragma once

#include "db/engine/table.h"

namespace db::tables {

// Queue and counters.
const Table& Rcv();
const Table& Rvs();
const Table& Bnr();

// Bookings and what they leave.
const Table& Mel();
const Table& Map();
const Table& Mrk();
const Table& Err();
const Table& Pps();

// Master data.
const Table& Bak();
const Table& Kal();
const Table& Nzp();
const Table& Apk();
const Table& App();
const Table& Apl();
const Table& Prv();
const Table& Pmz();
const Table& Pms();
const Table& Ztg();
const Table& Azv();
const Table& Fzu();
const Table& Aem();
const Table& Emo();

// Analysis rows and the person-time inputs.
const Table& Nza();
const Table& Mlt();
const Table& Bup();
const Table& Pse();
const Table& Gps();
const Table& Gaz();
const Table& Tag();

}  // namespace db::tables
