#include "analysis/lzs/evaluation.h"

#include <string_view>
#include <utility>

#include "analysis/duration.h"
#include "base/datetime.h"
#include "base/status.h"

namespace {

using Handler = void (*)(LzaAuswertung&, const MltSatz&);

std::string eventTime(const MltSatz& row) { return EventZeit(row); }

void bookInterval(LzaAuswertung& a) { Lza_ZeitBuchen(a); }

// Start pattern: the own flag is set at the end.
void start(LzaAuswertung& a, const std::string& t, bool LzaZustand::*flag,
           void (*beforeFlag)(LzaAuswertung&, const MltSatz&), const MltSatz& row) {
  IntervallBeginnen(a.innen, t, [&a] { bookInterval(a); });
  if (beforeFlag) beforeFlag(a, row);
  a.innen.*flag = true;
}

// End pattern: the own flag is cleared at the end.
void end(LzaAuswertung& a, const std::string& t, bool LzaZustand::*flag, const MltSatz& row,
         void (*beforeBooking)(LzaAuswertung&, const MltSatz&), void (*afterBooking)(LzaAuswertung&, const MltSatz&)) {
  IntervallOhneFlag(a.innen, t, flag);
  if (beforeBooking) beforeBooking(a, row);
  IntervallBuchen(a.innen, t, [&a] { bookInterval(a); });
  if (afterBooking) afterBooking(a, row);
  a.innen.*flag = false;
}

void interruptionBegins(LzaAuswertung& a, const MltSatz& row) {
  a.innen.unterbrechung.fill(0);
  a.aussen.unterbrechung.fill(0);
  a.innen.unterbrechungVon = eventTime(row);
  a.innen.unterbrechungGrund = row.MltUbg.str();
}

void interruptionEnds(LzaAuswertung& a, const MltSatz& row) { a.innen.unterbrechungBis = eventTime(row); }

void interruptionRow(LzaAuswertung& a, const MltSatz& row) {
  if (a.unterbrechungsZeilen) Nza_SA_C_Ins(a, row);
  a.innen.unterbrechungGrund = "    ";
}

void kommen(LzaAuswertung& a, const MltSatz& row) {
  SchichtBeginnt(a.innen, eventTime(row), [&a] { bookInterval(a); });
}

void gehen(LzaAuswertung& a, const MltSatz& row) {
  LzaZustand& z = a.innen;
  SchichtEndeBuchen(z, eventTime(row), [&a] { bookInterval(a); });
  using namespace zaehler;
  for (int k : {Nza, Bza, Uza, Nzr, Bzr})
    if (z.periode[k] > 0) {
      Nza_ArbeitsGangSatz(a, row);
      break;
    }
  // Work or set-up running at the shift's end goes on outside the shift.
  if (z.arbeit || z.ruesten) z.intervallVon = z.intervallBis;
  z.schicht = false;
  for (int k = 0; k < kLzaZaehler; ++k) z.summe[k] += z.periode[k];
  z.periode.fill(0);
}

void ruestBeginn(LzaAuswertung& a, const MltSatz& r) { start(a, eventTime(r), &LzaZustand::ruesten, nullptr, r); }
void ruestEnde(LzaAuswertung& a, const MltSatz& r) { end(a, eventTime(r), &LzaZustand::ruesten, r, nullptr, nullptr); }
void arbeitBeginn(LzaAuswertung& a, const MltSatz& r) { start(a, eventTime(r), &LzaZustand::arbeit, nullptr, r); }
void arbeitEnde(LzaAuswertung& a, const MltSatz& r) { end(a, eventTime(r), &LzaZustand::arbeit, r, nullptr, nullptr); }
void pauseBeginn(LzaAuswertung& a, const MltSatz& r) { start(a, eventTime(r), &LzaZustand::pause, nullptr, r); }
void pauseEnde(LzaAuswertung& a, const MltSatz& r) { end(a, eventTime(r), &LzaZustand::pause, r, nullptr, nullptr); }
void unterbrechung(LzaAuswertung& a, const MltSatz& r) {
  start(a, eventTime(r), &LzaZustand::unterbrochen, interruptionBegins, r);
}
void wiederAuf(LzaAuswertung& a, const MltSatz& r) {
  end(a, eventTime(r), &LzaZustand::unterbrochen, r, interruptionEnds, interruptionRow);
}

Handler handlerOf(std::string_view kind) {
  static const struct {
    std::string_view kind;
    Handler handler;
  } kHandlers[] = {{"KM", kommen},        {"GH", gehen},      {"RB", ruestBeginn}, {"RE", ruestEnde},
                   {"AB", arbeitBeginn},  {"AE", arbeitEnde}, {"AT", arbeitEnde},  {"BP", pauseBeginn},
                   {"EP", pauseEnde},     {"AU", unterbrechung}, {"AW", wiederAuf}};
  for (const auto& h : kHandlers)
    if (h.kind == kind) return h.handler;
  return nullptr;
}

// Which counters an interval goes to: the first row whose flags match.
// Work wins over set-up; an interval with neither is not booked.
struct Booking {
  bool work, setUp, pause, interrupted;
  std::initializer_list<int> counters;
  std::initializer_list<int> interruptionCounters;
};

void book(const LzaZustand& flags, LzaZustand& into, std::int32_t x) {
  using namespace zaehler;
  static const Booking kTable[] = {
      // work  set-up  break  interrupted  counters          interruption counters
      {true,   false,  false, false,       {Nza, Bza},       {}},
      {true,   false,  true,  false,       {Bza, Pza},       {}},
      {true,   false,  true,  true,        {Bzu, Pzu},       {I3, I5}},
      {true,   false,  false, true,        {Bzu, Uza, Nzu},  {I3, I0, I2}},
      {false,  true,   false, false,       {Nzr, Bzr},       {}},
      {false,  true,   true,  false,       {Bzr, Pzr},       {}},
      {false,  true,   true,  true,        {Rf1},            {I6}},
      {false,  true,   false, true,        {Uzr},            {I1}},
  };
  for (const Booking& b : kTable) {
    const bool matches = b.work ? flags.arbeit : (!flags.arbeit && flags.ruesten);
    if (!matches || b.pause != flags.pause || b.interrupted != flags.unterbrochen) continue;
    for (int k : b.counters) into.periode[k] += x;
    for (int k : b.interruptionCounters) into.unterbrechung[k] += x;
    return;
  }
}

}  // namespace

std::int64_t Lza_ZeitBuchen(LzaAuswertung& a) {
  const LzaZustand& flags = a.innen;
  const long long x = Zeit_Differenz(flags.intervallBis, flags.intervallVon);
  book(flags, flags.schicht ? a.innen : a.aussen, static_cast<std::int32_t>(x));
  return x;
}

std::vector<LzaZeile> Lza_Auswerten(const std::string& stamp, TimeLine& line, NzaSatz& run,
                                    bool unterbrechungsZeilen) {
  LzaAuswertung a;
  a.unterbrechungsZeilen = unterbrechungsZeilen;
  a.tag = stamp.substr(0, 8);
  for (const MltSatz& row : line.Ordered()) {
    if (Handler h = handlerOf(row.MltObj.view())) h(a, row);
    if (row.MltMdt.str() != a.tag) {
      Nza_WriteDummy(a, run, a.tag);
      a.aussen.periode.fill(0);
      a.tag = row.MltMdt.str();
    }
  }
  Nza_WriteDummy(a, run, a.tag);
  for (int k = 0; k < kLzaZaehler; ++k) run.*kLzaSpalten[k] = Dauer(a.innen.summe[k] + a.aussen.summe[k]);
  return std::move(a.zeilen);
}
