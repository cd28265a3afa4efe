// Shift corner values: when a work place was inside a shift and inside a
// break. From the shift calendar of the master data, one "KM" (shift come)
// and one "GH" (shift go) per shift and one "BP" (break begin) and one "EP"
// (break end) per break period are added to the time line of a running
// analysis. The run-time and the stoppage analyses share this
// code; they differ only in the creator id of the rows and the name under
// which the day loop logs.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/timeline.h"
#include "db/tables/mlt.h"
#include "db/tables/nza.h"

struct EckwertQuelle {
  const char* erfasser;     // MltErf of the rows: "LzaStd" or "DlzStd"
  const char* logFunktion;  // "Mlt_M_A_BDE" or "Mlt_M_BDE"
};

inline constexpr EckwertQuelle kLaufzeitEckwerte = {"LzaStd", "Mlt_M_A_BDE"};
inline constexpr EckwertQuelle kStoerungEckwerte = {"DlzStd", "Mlt_M_BDE"};

// The corner values of every day from the day before the start date
// (NzaDtm) up to the end date (NzaEdt) of the run record, for its work
// place NzaApl, or for its work-place group when the work place has no
// assignment of its own on a day. A day missing from the shared calendar
// gives no corner values and one log entry.
void Mlt_Eckwerte(const EckwertQuelle& quelle, const std::string& stamp, NzaSatz run, TimeLine& line);

// The corner values of one shift model (run.NzaEmo) and day type
// (run.NzaTtp) on one day.
void BDE_Eckwerte(const EckwertQuelle& quelle, const std::string& stamp, const NzaSatz& run, const std::string& day,
                  TimeLine& line);

// One corner event row of the run record, without its kind and moment.
void Mlt_BdeSatz(MltSatz& row, const NzaSatz& run, const std::string& shiftText, const std::string& stamp,
                 const EckwertQuelle& quelle);
