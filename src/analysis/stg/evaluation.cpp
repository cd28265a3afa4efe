#include <string_view>
#include <utility>
#include <vector>

#include "analysis/duration.h"
#include "analysis/stg/stoppage.h"
#include "base/datetime.h"
#include "db/tables/nza.h"

namespace {

struct Stoppage {
  LzaZustand z;
  bool periodRows = false;
  std::vector<NzaSatz> rows;  // the periods closed so far
};

using Handler = void (*)(Stoppage&, const MltSatz&);

void book(Stoppage& s) { Dlz_ZeitBuchen(s.z); }

void start(Stoppage& s, const MltSatz& row, bool LzaZustand::*flag) {
  IntervallBeginnen(s.z, EventZeit(row), [&s] { book(s); });
  s.z.*flag = true;
}

void end(Stoppage& s, const MltSatz& row, bool LzaZustand::*flag) {
  IntervallOhneFlag(s.z, EventZeit(row), flag);
  IntervallBuchen(s.z, EventZeit(row), [&s] { book(s); });
  s.z.*flag = false;
}

void kommen(Stoppage& s, const MltSatz& row) { SchichtBeginnt(s.z, EventZeit(row), [&s] { book(s); }); }

// Time outside shifts is never booked: the interval simply goes on.
void gehen(Stoppage& s, const MltSatz& row) {
  SchichtEndeBuchen(s.z, EventZeit(row), [&s] { book(s); });
  s.z.schicht = false;
}

void pauseBeginn(Stoppage& s, const MltSatz& row) { start(s, row, &LzaZustand::pause); }
void pauseEnde(Stoppage& s, const MltSatz& row) { end(s, row, &LzaZustand::pause); }

void stillstandBeginn(Stoppage& s, const MltSatz& row) {
  IntervallBeginnen(s.z, EventZeit(row), [&s] { book(s); });
  s.z.unterbrechungVon = EventZeit(row);
  s.z.unterbrechungGrund = row.MltUbg.str();
  s.z.unterbrochen = true;
}

// An end without an open stoppage has no period to write: its start would
// be that of an earlier period.
void stillstandEnde(Stoppage& s, const MltSatz& row) {
  LzaZustand& z = s.z;
  const bool stoppageOpen = z.unterbrochen;
  const std::string t = EventZeit(row);
  IntervallOhneFlag(z, t, &LzaZustand::unterbrochen);
  z.unterbrechungBis = t;
  IntervallBuchen(z, t, [&s] { book(s); });
  if (s.periodRows && stoppageOpen) s.rows.push_back(StoppageRow(z, row));
  z.unterbrechung.fill(0);
  z.unterbrechungGrund = "    ";
  z.unterbrochen = false;
}

Handler handlerOf(std::string_view kind) {
  static const struct {
    std::string_view kind;
    Handler handler;
  } kHandlers[] = {{"KM", kommen},    {"GH", gehen}, {"BP", pauseBeginn}, {"EP", pauseEnde},
                   {"BS", stillstandBeginn}, {"ES", stillstandEnde}};
  for (const auto& h : kHandlers)
    if (h.kind == kind) return h.handler;
  return nullptr;
}

}  // namespace

std::int64_t Dlz_ZeitBuchen(LzaZustand& z) {
  using namespace zaehler;
  const long long x = Zeit_Differenz(z.intervallBis, z.intervallVon);
  if (z.schicht && z.unterbrochen) {
    // Stoppage time inside a shift: all of it, and of it the time in
    // breaks or the time outside them.
    static const std::initializer_list<int> kInBreak = {I3, I5}, kOutsideBreaks = {I3, I0, I2};
    for (int k : z.pause ? kInBreak : kOutsideBreaks) z.unterbrechung[k] += static_cast<std::int32_t>(x);
  }
  return x;
}

std::vector<NzaSatz> Dlz_Auswerten(TimeLine& line, bool periodenZeilen) {
  Stoppage s;
  s.periodRows = periodenZeilen;
  for (const MltSatz& row : line.Ordered())
    if (Handler h = handlerOf(row.MltObj.view())) h(s, row);
  return std::move(s.rows);
}

NzaSatz StoppageRow(const LzaZustand& z, const MltSatz& ende) {
  NzaSatz row;
  row.NzaSa = 13;
  row.NzaApl = ende.MltApl;
  row.NzaApk = "000000000000";
  row.NzaApp = "00000";
  row.NzaPnr = ende.MltArg;
  row.NzaDtm = z.unterbrechungVon.substr(0, 8);
  row.NzaDtmUhr = z.unterbrechungVon.size() > 8 ? z.unterbrechungVon.substr(8) : std::string();
  row.NzaBmk = "BG";
  row.NzaEdt = z.unterbrechungBis.substr(0, 8);
  row.NzaEdtUhr = z.unterbrechungBis.size() > 8 ? z.unterbrechungBis.substr(8) : std::string();
  row.NzaEmk = "EG";
  row.NzaUbg = z.unterbrechungGrund;
  row.NzaEmo = ende.MltEmo;
  row.NzaTtp = ende.MltTtp;
  row.NzaJwo = ende.MltJwo;
  row.NzaWoc = ende.MltWoc;
  row.NzaWtg = ende.MltWtg;
  row.NzaJtg = ende.MltJtg;
  row.NzaErf = "DlzStd";
  using namespace zaehler;
  const auto& i = z.unterbrechung;
  row.NzaUza = Dauer(i[I0]);
  row.NzaNzu = Dauer(i[I2]);
  row.NzaBzu = Dauer(i[I3]);
  row.NzaPzu = Dauer(i[I5]);
  row.NzaUbz = Dauer(static_cast<std::int64_t>(i[I2]) + i[I5]);
  return row;
}
