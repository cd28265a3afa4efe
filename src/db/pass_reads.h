// Rows the worker reads for every telegram but never writes: the function
// codes and the analysis switches. Only other programs change them, so
// within one pass of the drain they are read once and handed out as copies;
// forgetting them at the start of each pass lets a change made between
// passes take effect with the next pass.
//
// Only answers are kept: a row, or 1403 for a row that is not there. A
// read that failed (a lost connection, a database not usable) is asked
// again the next time. A new connection forgets what the old one read.
#pragma once

#include "db/fzu.h"
#include "db/switches.h"

void ForgetPassReads();

// Fcd_PKeyReadk, answered from this pass's reads where it can be.
int Fcd_PassRead(FzuSatz* fzu);

// NzpLaden, answered from this pass's reads where it can be. The switches
// are those of the rows valid today, so a new day reads them again.
NzpSchalter NzpPassSwitches();
