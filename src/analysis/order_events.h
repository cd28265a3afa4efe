// The order events of an analysis window: the bookings of one object
// between a start booking and the note, added as events to the analysis's
// time line. The run-time analysis reads
// the bookings of an order operation ("M_A"), the stoppage analysis those
// of a work place ("M__").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "analysis/timeline.h"
#include "db/tables/mel.h"
#include "db/tables/nza.h"

struct EreignisQuelle {
  const char* erfasser;  // MltErf of the rows
  std::string_view beginnt[2];  // message keys that open the period
  std::string_view endet[2];    // message keys that close it
  const char* erzeugtesEnde;    // the kind generated at the run stamp for a period still open
  const char* arg;              // MltArg of the rows
};

extern const EreignisQuelle kAuftragsEreignisse;     // run time
extern const EreignisQuelle kArbeitsplatzEreignisse; // stoppages

// Delivers the bookings of the window in time order: 0 and the booking,
// anything else at the end.
using Buchungsquelle = std::function<int(MelSatz*)>;

// Adds the bookings `next` delivers as events; 1 when there was at least
// one. Narrows the run record to the first and last booking and marks a
// period still open ("GE", ended by a generated event at the run stamp).
int Mlt_Meldungen(const EreignisQuelle& quelle, const std::string& stamp, NzaSatz& run, TimeLine& line,
                  const Buchungsquelle& next);
