// Master-data rows the worker reads for every telegram but never writes:
// the function codes, the persons behind the badges and the analysis
// switches. Only other programs change them, so within one pass of the
// drain each is read once and handed out as copies. A pass begins with
// nothing read, so a change made between passes takes effect with the next
// pass; outside a pass every call reads.
//
// Only answers are kept: a row, or 1403 for a row that is not there. A
// read that failed (a lost connection, a database not usable, two rows
// where one was expected) is asked again the next time. A new connection
// forgets what the old one read, and so does a new day, since persons and
// switches are those valid today.
#pragma once

#include "db/tables/fzu.h"
#include "db/tables/prv.h"
#include "db/tables/switches.h"

// A pass of the drain, from construction to destruction. Passes may nest;
// the outermost one decides what is kept.
class PassReads {
 public:
  PassReads();
  ~PassReads();
  PassReads(const PassReads&) = delete;
  PassReads& operator=(const PassReads&) = delete;
};

// Fcd_PKeyReadk, answered from this pass's reads where it can be.
int Fcd_PassRead(FzuSatz* fzu);

// Awn_PKeyRead, answered from this pass's reads where it can be.
int Awn_PassRead(PrvSatz* prv);

// NzpLaden, answered from this pass's reads where it can be.
NzpSchalter NzpPassSwitches();
