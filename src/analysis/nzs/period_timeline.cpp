// The time line of one work period: its own start and end, the
// interruption periods inside it and the breaks of the shift it runs in.
#include <string>

#include "analysis/calendar_reads.h"
#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/note_rows.h"
#include "analysis/nzs/nzs.h"
#include "analysis/timeline.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/emo.h"

namespace {

MltSatz rowOf(const NzaSatz& n) {
  return TimeLineRow(kNzaMpa, "", n.NzaPnr.view(), n.NzaApl.view(), n.NzaApk.view(), n.NzaApp.view());
}

bool opensInterruption(const NzaSatz& i) { return i.NzaBmk == "PU" || i.NzaBmk == "UG"; }
bool closesInterruption(const NzaSatz& i) { return i.NzaEmk == "PW" || i.NzaEmk == "UW"; }

// A break time of the shift: on the period's start day, or on the next day
// when it does not come after the shift start (the morning of a night shift).
std::string breakMoment(const std::string& startDay, int shiftStart, int minute) {
  const std::string day = minute <= shiftStart ? AddDays(startDay, 1) : startDay;
  return Moment(day, Min_Zeit(minute));
}

}  // namespace

void Mlt_BeginnEnde(NzaSatz period, TimeLine& line) {
  MltSatz start = rowOf(period);
  SetEvent(start, period.NzaBmk.view(), StartMoment(period));
  line.Add(start);

  MltSatz end = rowOf(period);
  SetEvent(end, period.NzaEmk.view(), EndMoment(period));
  line.Add(end);
}

void Mlt_Unterbr_Nza(NzaSatz period, TimeLine& line) {
  NzaSatz window = period;
  window.NzaSa = 2;
  // A period of no length looks for the interruptions of its whole day.
  if (window.NzaDtm == window.NzaEdt && window.NzaDtmUhr == window.NzaEdtUhr) {
    window.NzaDtmUhr = "000000";
    window.NzaEdtUhr = "235959";
  }
  CursorRows<NzaSatz> interruptions =
      RowsInWindow(window);
  for (const NzaSatz& i : interruptions.rows) {
    if (!opensInterruption(i) && !closesInterruption(i)) continue;
    MltSatz row = rowOf(i);
    SetEvent(row, i.NzaBmk.view(), StartMoment(i));
    line.Add(row);
    // An interruption still open ends without a moment and with a kind the
    // evaluation passes over.
    SetEvent(row, i.NzaEmk.view(), EndMoment(i));
    line.Add(row);
  }
}

void Mlt_ZeitDaten_Bde(NzaSatz period, TimeLine& line) {
  const std::string startDay = period.NzaDtm.str();
  CursorRows<EmoPausenSatz> breaks = BreaksOfModel(period.NzaEmo.str(), period.NzaTtp.str(), startDay);
  for (const EmoPausenSatz& b : breaks.rows) {
    MltSatz row = rowOf(period);
    SetEvent(row, "BP", breakMoment(startDay, b.EmoBeg, b.PmsBeg));
    line.Add(row);
    SetEvent(row, "EP", breakMoment(startDay, b.EmoBeg, b.PmsEnd));
    line.Add(row);
  }
}

