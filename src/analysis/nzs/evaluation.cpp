// Replays the time line of a work period through the flags
// present / working / interrupted / in a break and sums up, per
// combination, the seconds worked; the sums become the period's figures.
// Interruption periods get their own figures at their end.
#include <string>

#include "analysis/cursor_rows.h"
#include "analysis/duration.h"
#include "analysis/moments.h"
#include "analysis/nzs/nzs.h"
#include "analysis/timeline.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"

namespace {

// Seconds per figure of the period row.
struct PeriodSeconds {
  long long Nza = 0, Bza = 0, Uza = 0, Abz = 0, Pza = 0, Nzr = 0, Bzr = 0, Uzr = 0, Rbz = 0, Pzr = 0, Ist = 0,
            Sol = 0, Pau = 0, Nzu = 0, Bzu = 0, Ubz = 0, Pzu = 0, Rf1 = 0;
};

// Seconds of the interruption running now; the net time is counted twice
// because the row stores it in two columns.
struct InterruptionSeconds {
  long long firstNet = 0, secondNet = 0, gross = 0, present = 0, pause = 0;
};

struct Replay {
  bool present = false, working = false, interrupted = false, inBreak = false;
  std::string previous;  // moment of the previous event
  PeriodSeconds period;
  InterruptionSeconds interruption;
  bool setUp = false;      // the interruption belongs to a set-up period
  NzaSatz interruptionRow;  // the interruption period whose figures are collected
};

enum class Change { None, Come, Go, WorkStart, WorkEnd, BreakStart, BreakEnd, InterruptionStart, InterruptionEnd };

Change changeOf(std::string_view kind) {
  if (kind == "KM") return Change::Come;
  if (kind == "GH") return Change::Go;
  if (kind == "AB" || kind == "PA" || kind == "BG") return Change::WorkStart;
  if (kind == "AE" || kind == "AT" || kind == "EG" || kind == "PE") return Change::WorkEnd;
  if (kind == "BP") return Change::BreakStart;
  if (kind == "EP") return Change::BreakEnd;
  if (kind == "PU" || kind == "AU" || kind == "UG") return Change::InterruptionStart;
  if (kind == "PW" || kind == "AW" || kind == "WG") return Change::InterruptionEnd;
  return Change::None;
}

// Adds an interval worked under the current flags.
void count(Replay& r, long long d) {
  PeriodSeconds& p = r.period;
  InterruptionSeconds& u = r.interruption;
  if (!r.interrupted) {
    if (r.inBreak) {
      p.Bza += d;
      p.Pza += d;
    } else {
      p.Nza += d;
      p.Bza += d;
    }
    if (r.present) p.Abz += d;
    return;
  }
  if (r.inBreak) {
    p.Bzu += d;
    p.Pzu += d;
    u.gross += d;
    u.pause += d;
  } else {
    p.Uza += d;
    p.Nzu += d;
    p.Bzu += d;
    u.firstNet += d;
    u.secondNet += d;
    u.gross += d;
  }
  if (r.present) {
    p.Ubz += d;
    u.present += d;
  }
}

void apply(Replay& r, Change c) {
  switch (c) {
    case Change::Come: r.present = true; break;
    case Change::Go: r.present = false; break;
    case Change::WorkStart: r.working = true; break;
    case Change::WorkEnd: r.working = false; break;
    case Change::BreakStart: r.inBreak = true; break;
    case Change::BreakEnd: r.inBreak = false; break;
    case Change::InterruptionStart:
      r.interrupted = true;
      r.interruption = InterruptionSeconds();
      break;
    case Change::InterruptionEnd: r.interrupted = false; break;
    case Change::None: break;
  }
}

void step(Replay& r, const std::string& moment, Change c) {
  // Only time worked counts; any other event just moves the clock on.
  if (r.working) count(r, Zeit_Differenz(moment, r.previous));
  r.previous = moment;
  apply(r, c);
}

void Nza_SA_B_Readk(Replay& r, const MltSatz& start) {
  NzaSatz& row = r.interruptionRow;
  row = NzaSatz();
  row.NzaSa = 2;
  row.NzaApl = start.MltApl;
  row.NzaApk = start.MltApk;
  row.NzaApp = start.MltApp;
  row.NzaPnr = start.MltPnr;
  row.NzaDtm = start.MltMdt;
  row.NzaDtmUhr = start.MltMdtUhr;
  const int rc = Nza_PKeyReadk(&row);
  if (rc != status::kOk) LogError("Nza_SA_B_Readk()", "Nza_PKeyReadk", rc);
}

void Nza_SA_B_Schreiben(Replay& r) {
  NzaSatz& row = r.interruptionRow;
  const InterruptionSeconds& u = r.interruption;
  if (r.setUp) {
    // An interruption of set-up time is kept apart from production time.
    row.NzaUzr = Dauer(u.firstNet);
    row.NzaRf1 = Dauer(u.pause);
    row.NzaUbz = Dauer(u.present);
    row.NzaUza = row.NzaNzu = row.NzaBzu = row.NzaPzu = 0;
  } else {
    row.NzaUza = Dauer(u.firstNet);
    row.NzaNzu = Dauer(u.secondNet);
    row.NzaBzu = Dauer(u.gross);
    row.NzaPzu = Dauer(u.pause);
    row.NzaUbz = Dauer(u.present);
    row.NzaUzr = row.NzaRf1 = 0;
  }
  const int rc = Nza_PKeyUpd(&row);
  if (rc != status::kOk) LogError("Nza_PKeyUpd(SA_B)", "Nza_PKeyUpd", rc);
}

void storeFigures(const PeriodSeconds& p, NzaSatz& n) {
  n.NzaNza = Dauer(p.Nza);
  n.NzaBza = Dauer(p.Bza);
  n.NzaUza = Dauer(p.Uza);
  n.NzaAbz = Dauer(p.Abz);
  n.NzaPza = Dauer(p.Pza);
  n.NzaNzr = Dauer(p.Nzr);
  n.NzaBzr = Dauer(p.Bzr);
  n.NzaUzr = Dauer(p.Uzr);
  n.NzaRbz = Dauer(p.Rbz);
  n.NzaPzr = Dauer(p.Pzr);
  n.NzaIst = Dauer(p.Ist);
  n.NzaSol = Dauer(p.Sol);
  n.NzaPau = Dauer(p.Pau);
  n.NzaNzu = Dauer(p.Nzu);
  n.NzaBzu = Dauer(p.Bzu);
  n.NzaUbz = Dauer(p.Ubz);
  n.NzaPzu = Dauer(p.Pzu);
  n.NzaRf1 = Dauer(p.Rf1);
}

}  // namespace

void Nza_MPA_Auswerten(TimeLine& line, NzaSatz& period, bool interruptionPeriods) {
  Replay r;
  for (const MltSatz& event : line.Ordered()) {
    const Change c = changeOf(event.MltObj.view());
    if (c == Change::None) continue;
    step(r, Moment(event.MltMdt.view(), event.MltMdtUhr.view()), c);
    if (!interruptionPeriods) continue;
    if (c == Change::InterruptionStart) Nza_SA_B_Readk(r, event);
    if (c == Change::InterruptionEnd) {
      r.setUp = period.NzaRau == 1;
      Nza_SA_B_Schreiben(r);
      r.setUp = false;
    }
  }
  storeFigures(r.period, period);
}
