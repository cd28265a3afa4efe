#include "analysis/corner_values.h"

#include <set>
#include <utility>
#include <vector>

#include "analysis/calendar_reads.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/aem.h"
#include "db/tables/apl.h"
#include "db/tables/bak.h"
#include "db/tables/emo.h"

namespace {

bool calendarHasDay(const std::string& day) {
  BakSatz bak;
  bak.BakDtm = day;
  return CalendarDay(&bak) == status::kOk;
}

// The cursor gives one row per shift of a model; the corner values of one
// model and day type are written once.
void cornerValuesOf(const EckwertQuelle& q, const std::string& stamp, NzaSatz& run, const std::string& day,
                    const std::vector<AemSatz>& rows, TimeLine& line) {
  std::set<std::pair<std::string, std::string>> done;
  for (const AemSatz& aem : rows) {
    run.NzaWoc = aem.BakWch;
    run.NzaWtg = aem.BakWtg;
    run.NzaJtg = aem.BakJtg;
    run.NzaMaz = aem.AemMaz;
    run.NzaJwo = run.NzaDtm.str().substr(0, 4);
    run.NzaEmo = aem.AemEmo;
    run.NzaTtp = aem.KalBtp;
    if (done.insert({aem.AemEmo.str(), aem.KalBtp.str()}).second) BDE_Eckwerte(q, stamp, run, day, line);
  }
}

void cornerValuesOfDay(const EckwertQuelle& q, const std::string& stamp, NzaSatz& run, const std::string& day,
                       TimeLine& line) {
  std::vector<AemSatz> rows = ShiftAssignments(run.NzaApl.str(), 2, day).rows;
  if (rows.empty()) {
    AplSatz apl;
    apl.AplApl = run.NzaApl;
    int rc = WorkPlaceRead(&apl);
    if (rc != status::kOk) {
      LogError(q.logFunktion, "Apl_PKeyReadk", rc);
      return;
    }
    rows = ShiftAssignments(apl.AplApg.str(), 1, day).rows;
  }
  cornerValuesOf(q, stamp, run, day, rows, line);
}

void writeCorner(const EckwertQuelle& q, const std::string& stamp, const NzaSatz& run, const EmoPausenSatz& shift,
                 const char* kind, const std::string& date, int minute, TimeLine& line) {
  MltSatz row;
  Mlt_BdeSatz(row, run, shift.EmoTxt.str(), stamp, q);
  row.MltObj = kind;
  row.MltMdt = date;
  Min_Zeit(minute, row.MltMdtUhr);
  line.Add(row);
}

}  // namespace

void Mlt_Eckwerte(const EckwertQuelle& q, const std::string& stamp, NzaSatz run, TimeLine& line) {
  const std::string last = run.NzaEdt.str();
  // The day before the window, so that a night shift begun the evening
  // before contributes its end and breaks. Days are counted by the
  // calendar's arithmetic, not by stepping through the calendar table: a
  // day missing there must not keep the loop from ending.
  for (std::string day = AddDays(run.NzaDtm.str(), -1); !day.empty() && day <= last; day = AddDays(day, 1)) {
    if (!calendarHasDay(day)) {
      LogError(q.logFunktion, "Kalendertag fehlt: " + day, status::kNoRow);
      continue;
    }
    cornerValuesOfDay(q, stamp, run, day, line);
  }
}

void BDE_Eckwerte(const EckwertQuelle& q, const std::string& stamp, const NzaSatz& run, const std::string& day,
                  TimeLine& line) {
  const CursorRows<EmoPausenSatz> breaks = BreaksOfModel(run.NzaEmo.str(), run.NzaTtp.str(), day);
  const std::string nextDay = AddDays(day, 1);
  // A new shift is a change of model, begin or end: a shift beginning at
  // midnight (minute 0) is one too.
  std::string previousShift;
  for (const EmoPausenSatz& p : breaks.rows) {
    const std::string shift = p.EmoEmo.str() + "|" + std::to_string(p.EmoBeg) + "|" + std::to_string(p.EmoEnd);
    if (shift != previousShift) {
      writeCorner(q, stamp, run, p, "KM", day, p.EmoBeg, line);
      writeCorner(q, stamp, run, p, "GH", p.EmoEnd > p.EmoBeg ? day : nextDay, p.EmoEnd, line);
      previousShift = shift;
    }
    writeCorner(q, stamp, run, p, "BP", p.PmsBeg > p.EmoBeg ? day : nextDay, p.PmsBeg, line);
    writeCorner(q, stamp, run, p, "EP", p.PmsEnd > p.EmoBeg ? day : nextDay, p.PmsEnd, line);
  }
}

void Mlt_BdeSatz(MltSatz& row, const NzaSatz& run, const std::string& shiftText, const std::string& stamp,
                 const EckwertQuelle& q) {
  row = MltSatz{};
  row.MltErf = q.erfasser;
  row.MltDat = stamp;
  row.MltApl = run.NzaApl;
  row.MltApk = run.NzaApk;
  row.MltApp = run.NzaApp;
  row.MltPnr = run.NzaPnr;
  row.MltArg = shiftText;
  row.MltEmo = run.NzaEmo;
  row.MltTtp = run.NzaTtp;
  row.MltWoc = run.NzaWoc;
  row.MltWtg = run.NzaWtg;
  row.MltJtg = run.NzaJtg;
  row.MltJwo = run.NzaJwo;
  row.Mlt00E = row.Mlt00R = row.Mlt00A = row.Mlt00S = row.Mlt00U = row.MltBkg = row.MltPbe = "0";
}
