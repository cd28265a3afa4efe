// Replays the time line of a work period through the flags
// present / working / interrupted / in a break and sums up, per
// combination, the seconds worked; the sums become the period's figures.
// Interruption periods get their own figures at their end.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/cursor_rows.h"
#include "analysis/duration.h"
#include "analysis/event_state.h"
#include "analysis/moments.h"
#include "analysis/note_rows.h"
#include "analysis/nzs/nzs.h"
#include "analysis/timeline.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"

namespace {

using namespace zaehler;

// Seconds per figure of the period row, in the order of LzaZaehler.
using PeriodSeconds = std::array<long long, kLzaZaehler>;

struct Replay {
  bool present = false, working = false, interrupted = false, inBreak = false;
  std::string previous;  // moment of the previous event
  PeriodSeconds period{};
  NzsUnterbrechung interruption;  // the interruption period whose figures are collected
  std::vector<NzsUnterbrechung> interruptions;  // those ended so far
};

enum class Change { None, Come, Go, WorkStart, WorkEnd, BreakStart, BreakEnd, InterruptionStart, InterruptionEnd };

Change changeOf(std::string_view kind) {
  static const struct {
    std::string_view kind;
    Change change;
  } kChanges[] = {{"KM", Change::Come},          {"GH", Change::Go},
                  {"AB", Change::WorkStart},     {"PA", Change::WorkStart},
                  {"BG", Change::WorkStart},     {"AE", Change::WorkEnd},
                  {"AT", Change::WorkEnd},       {"EG", Change::WorkEnd},
                  {"PE", Change::WorkEnd},       {"BP", Change::BreakStart},
                  {"EP", Change::BreakEnd},      {"PU", Change::InterruptionStart},
                  {"AU", Change::InterruptionStart}, {"UG", Change::InterruptionStart},
                  {"PW", Change::InterruptionEnd},   {"AW", Change::InterruptionEnd},
                  {"WG", Change::InterruptionEnd}};
  for (const auto& c : kChanges)
    if (c.kind == kind) return c.change;
  return Change::None;
}

// Which figures a stretch of time worked adds to, by whether it is
// interrupted and in a break, and what presence adds besides. The
// interruption's own figures: net (counted in two columns), gross, in breaks
// and present.
struct CountRule {
  bool interrupted, inBreak;
  std::initializer_list<int> figures;
  std::initializer_list<long long NzsUnterbrechung::*> interruptionFigures;
  int presentFigure;
};

constexpr long long NzsUnterbrechung::*kFirstNet = &NzsUnterbrechung::ersteNetto;
constexpr long long NzsUnterbrechung::*kSecondNet = &NzsUnterbrechung::zweiteNetto;
constexpr long long NzsUnterbrechung::*kGross = &NzsUnterbrechung::brutto;
constexpr long long NzsUnterbrechung::*kInBreak = &NzsUnterbrechung::pause;

void count(Replay& r, long long d) {
  static const CountRule kRules[] = {
      // interrupted  break  figures          interruption figures                   present
      {false,         false, {Nza, Bza},      {},                                    Abz},
      {false,         true,  {Bza, Pza},      {},                                    Abz},
      {true,          false, {Uza, Nzu, Bzu}, {kFirstNet, kSecondNet, kGross},       Ubz},
      {true,          true,  {Bzu, Pzu},      {kGross, kInBreak},                    Ubz},
  };
  for (const CountRule& rule : kRules) {
    if (rule.interrupted != r.interrupted || rule.inBreak != r.inBreak) continue;
    for (int f : rule.figures) r.period[f] += d;
    for (auto f : rule.interruptionFigures) r.interruption.*f += d;
    if (r.present) {
      r.period[rule.presentFigure] += d;
      if (r.interrupted) r.interruption.anwesend += d;
    }
    return;
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
      r.interruption = NzsUnterbrechung();
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

// The key of the interruption period that the event starts.
NzaSatz interruptionKey(const MltSatz& start) {
  NzaSatz key;
  key.NzaSa = 2;
  key.NzaApl = start.MltApl;
  key.NzaApk = start.MltApk;
  key.NzaApp = start.MltApp;
  key.NzaPnr = start.MltPnr;
  key.NzaDtm = start.MltMdt;
  key.NzaDtmUhr = start.MltMdtUhr;
  return key;
}

}  // namespace

std::vector<NzsUnterbrechung> Nza_MPA_Auswerten(TimeLine& line, NzaSatz& period, bool interruptionPeriods) {
  Replay r;
  for (const MltSatz& event : line.Ordered()) {
    const Change c = changeOf(event.MltObj.view());
    if (c == Change::None) continue;
    step(r, Moment(event.MltMdt.view(), event.MltMdtUhr.view()), c);
    if (!interruptionPeriods) continue;
    if (c == Change::InterruptionStart) r.interruption.key = interruptionKey(event);
    if (c == Change::InterruptionEnd) {
      r.interruption.ruesten = period.NzaRau == 1;
      r.interruptions.push_back(r.interruption);
    }
  }
  for (int k = 0; k < kLzaZaehler; ++k) period.*kLzaSpalten[k] = Dauer(r.period[k]);
  return std::move(r.interruptions);
}

void Nza_SA_B_Schreiben(const NzsUnterbrechung& u) {
  NzaSatz row = u.key;
  int rc = RowRead(&row);
  if (rc != status::kOk) LogError("Nza_SA_B_Readk()", "Nza_PKeyReadk", rc);
  if (u.ruesten) {
    // An interruption of set-up time is kept apart from production time.
    row.NzaUzr = Dauer(u.ersteNetto);
    row.NzaRf1 = Dauer(u.pause);
    row.NzaUbz = Dauer(u.anwesend);
    row.NzaUza = row.NzaNzu = row.NzaBzu = row.NzaPzu = 0;
  } else {
    row.NzaUza = Dauer(u.ersteNetto);
    row.NzaNzu = Dauer(u.zweiteNetto);
    row.NzaBzu = Dauer(u.brutto);
    row.NzaPzu = Dauer(u.pause);
    row.NzaUbz = Dauer(u.anwesend);
    row.NzaUzr = row.NzaRf1 = 0;
  }
  rc = RowUpdate(&row);
  if (rc != status::kOk) LogError("Nza_PKeyUpd(SA_B)", "Nza_PKeyUpd", rc);
}
