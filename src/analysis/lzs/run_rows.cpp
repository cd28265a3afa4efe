// The rows of a run-time evaluation: per shift, per day outside shifts,
// per interruption.
#include "analysis/duration.h"
#include "analysis/lzs/evaluation.h"
#include "analysis/note_rows.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/apk.h"

namespace {

constexpr const char* kErfasser = "LzaStd";

void setMoment(FixedText<9>& date, FixedText<7>& time, const std::string& stamp) {
  date = stamp.substr(0, 8);
  time = stamp.size() > 8 ? stamp.substr(8) : std::string();
}

NzaSatz rowBase(std::int16_t sa, const FixedText<11>& apl, const FixedText<13>& apk, const FixedText<6>& app) {
  NzaSatz row;
  row.NzaSa = sa;
  row.NzaApl = apl;
  row.NzaApk = apk;
  row.NzaApp = app;
  row.NzaBmk = "BG";
  row.NzaEmk = "EG";
  row.NzaErf = kErfasser;
  return row;
}

void calendarOf(NzaSatz& row, const MltSatz& event) {
  row.NzaEmo = event.MltEmo;
  row.NzaTtp = event.MltTtp;
  row.NzaJwo = event.MltJwo;
  row.NzaWoc = event.MltWoc;
  row.NzaWtg = event.MltWtg;
  row.NzaJtg = event.MltJtg;
}

// Inserts a row with the counters, or adds the counters to the row stored
// under its key.
void writeOrAdd(NzaSatz row, const LzaZaehler& counters, const char* insertFunction, const char* updateFunction) {
  NzaSatz stored = row;
  if (RowRead(&stored) != status::kOk) {
    row.NzaTnr = AuftragTeilenummer(row.NzaApk);
    for (int k = 0; k < kLzaZaehler; ++k) row.*kLzaSpalten[k] = Dauer(counters[k]);
    int rc = RowInsert(&row);
    if (rc != status::kOk) LogError(insertFunction, "Nza_PKeyIns", rc);
    return;
  }
  for (int k = 0; k < kLzaZaehler; ++k) stored.*kLzaSpalten[k] = DauerPlus(stored.*kLzaSpalten[k], counters[k]);
  int rc = RowUpdate(&stored);
  if (rc != status::kOk) LogError(updateFunction, "Nza_PKeyUpd", rc);
}

}  // namespace

std::string AuftragTeilenummer(const FixedText<13>& apk) {
  ApkSatz order;
  order.ApkApk = apk;
  return Apk_PKeyReadk(&order) == status::kOk ? order.ApkTnr.str() : std::string();
}

void Nza_ArbeitsGangSatz(LzaAuswertung& a, const MltSatz& gehen) {
  NzaSatz row = rowBase(4, gehen.MltApl, gehen.MltApk, gehen.MltApp);
  row.NzaPnr = gehen.MltArg;
  setMoment(row.NzaDtm, row.NzaDtmUhr, a.innen.schichtBeginn);
  setMoment(row.NzaEdt, row.NzaEdtUhr, a.innen.schichtEnde);
  row.NzaUbg = "0000";
  calendarOf(row, gehen);
  a.zeilen.push_back({row, a.innen.periode, true, "Nza_ArbeitsGangSatz()", "Nza_ArbeitsGangSatz"});
}

void Nza_WriteDummy(LzaAuswertung& a, const NzaSatz& run, const std::string& day) {
  bool any = false;
  for (std::int32_t c : a.aussen.periode) any = any || c != 0;
  if (any) {
    NzaSatz row = rowBase(4, run.NzaApl, run.NzaApk, run.NzaApp);
    row.NzaPnr = "00:0024:00";
    setMoment(row.NzaDtm, row.NzaDtmUhr, day + "000000");
    setMoment(row.NzaEdt, row.NzaEdtUhr, day + "235959");
    row.NzaUbg = "0000";
    row.NzaEmo = "Dummy";
    row.NzaTtp = "0";
    row.NzaJwo = "0";
    a.zeilen.push_back({row, a.aussen.periode, true, "Nza_WriteDummy", "Nza_WriteDummy"});
  }
  for (int k = 0; k < kLzaZaehler; ++k) a.aussen.summe[k] += a.aussen.periode[k];
}

void Nza_SA_C_Ins(LzaAuswertung& a, const MltSatz& wiederAuf) {
  NzaSatz row = rowBase(3, wiederAuf.MltApl, wiederAuf.MltApk, wiederAuf.MltApp);
  row.NzaPnr = wiederAuf.MltArg;
  setMoment(row.NzaDtm, row.NzaDtmUhr, a.innen.unterbrechungVon);
  setMoment(row.NzaEdt, row.NzaEdtUhr, a.innen.unterbrechungBis);
  row.NzaUbg = a.innen.unterbrechungGrund;
  calendarOf(row, wiederAuf);
  using namespace zaehler;
  const auto& i = (a.innen.schicht ? a.innen : a.aussen).unterbrechung;
  row.NzaUza = Dauer(i[I0]);
  row.NzaUzr = Dauer(i[I1]);
  row.NzaNzu = Dauer(i[I2]);
  row.NzaBzu = Dauer(i[I3]);
  row.NzaPzu = Dauer(i[I5]);
  row.NzaRf1 = Dauer(i[I6]);
  row.NzaUbz = Dauer(static_cast<std::int64_t>(i[I1]) + i[I3] + i[I6]);
  a.zeilen.push_back({row, {}, false, "Nza_SA_C_Ins()", ""});
}

void Lza_ZeilenSchreiben(std::vector<LzaZeile> rows) {
  for (LzaZeile& z : rows) {
    if (z.addToStored) {
      writeOrAdd(z.row, z.counters, z.insertFunction, z.updateFunction);
      continue;
    }
    z.row.NzaTnr = AuftragTeilenummer(z.row.NzaApk);
    const int rc = RowInsert(&z.row);
    if (rc != status::kOk) LogError(z.insertFunction, "Nza_PKeyIns", rc);
  }
}
