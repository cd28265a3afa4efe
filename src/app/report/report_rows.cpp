#include "app/report/report_rows.h"

#include "base/status.h"
#include "db/engine/access.h"

namespace {

constexpr db::Field kWorkPlace[] = {DB_FIELD(RptArbeitsplatz, AplApl), DB_FIELD(RptArbeitsplatz, AplBez),
                                    DB_FIELD(RptArbeitsplatz, AplApg)};
constexpr db::Field kBooking[] = {DB_FIELD(RptBuchung, ObjTyp), DB_FIELD(RptBuchung, KeyApl),
                                  DB_FIELD(RptBuchung, KeyApk), DB_FIELD(RptBuchung, KeyApp),
                                  DB_FIELD(RptBuchung, KeyPnr), DB_FIELD(RptBuchung, MelMsk),
                                  DB_FIELD(RptBuchung, KeyUbg), DB_FIELD(RptBuchung, KeyUhr),
                                  DB_FIELD(RptBuchung, MelGum), DB_FIELD(RptBuchung, MelFam)};
constexpr db::Field kPeriod[] = {
    DB_FIELD(RptPeriode, NzaSa),  DB_FIELD(RptPeriode, NzaApl), DB_FIELD(RptPeriode, NzaApk),
    DB_FIELD(RptPeriode, NzaApp), DB_FIELD(RptPeriode, NzaPnr), DB_FIELD(RptPeriode, NzaDtm),
    DB_FIELD(RptPeriode, NzaEdt), DB_FIELD(RptPeriode, NzaUbg), DB_FIELD(RptPeriode, NzaNza),
    DB_FIELD(RptPeriode, NzaBza), DB_FIELD(RptPeriode, NzaUza), DB_FIELD(RptPeriode, NzaPza),
    DB_FIELD(RptPeriode, NzaNzr), DB_FIELD(RptPeriode, NzaBzr), DB_FIELD(RptPeriode, NzaBzu),
    DB_FIELD(RptPeriode, NzaPzu)};

// Reads every row of a selection into records.
template <class Rec>
int readAll(db::Query& q, std::span<const db::Value> params, db::Fields fields, std::vector<Rec>& out) {
  db::Cursor c(q);
  int rc = c.open(params);
  if (rc != status::kOk) return rc;
  Rec rec;
  while ((rc = c.fetch(&rec, fields)) == status::kOk) out.push_back(rec);
  c.close();
  return rc == status::kNoRow ? status::kOk : rc;
}

}  // namespace

int Rpt_Arbeitsplaetze(std::vector<RptArbeitsplatz>& out) {
  static db::Query q("Rpt_Arbeitsplaetze", "select AplApl, AplBez, AplApg from Kvs531Apl order by AplApl");
  return readAll(q, {}, kWorkPlace, out);
}

int Rpt_Buchungen(const std::string& day, std::vector<RptBuchung>& out) {
  static db::Query q("Rpt_Buchungen",
                     "select ObjTyp, KeyApl, KeyApk, KeyApp, KeyPnr, MelMsk, KeyUbg, TO_CHAR(KeyUhr,'HH24MISS'), "
                     "MelGum, MelFam "
                     "from Kvs560Mel where TO_CHAR(KeyDat,'yyyymmdd')=:b0 "
                     "order by TO_CHAR(KeyUhr,'HH24MISS'), KeySek, KeyBnr, KeyLfn");
  const db::Value params[] = {db::Value::text(day)};
  return readAll(q, params, kBooking, out);
}

int Rpt_Perioden(const std::string& day, std::vector<RptPeriode>& out) {
  static db::Query q("Rpt_Perioden",
                     "select NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS'), "
                     "TO_CHAR(NzaEdt,'yyyymmddHH24MISS'), NzaUbg, NzaNza, NzaBza, NzaUza, NzaPza, NzaNzr, NzaBzr, "
                     "NzaBzu, NzaPzu from Kvs590Nza "
                     "where NzaSa in (1, 2, 4, 13) and TO_CHAR(NzaDtm,'yyyymmdd')=:b0 "
                     "order by NzaSa, NzaApl, NzaApk, NzaApp, NzaPnr, NzaDtm");
  const db::Value params[] = {db::Value::text(day)};
  return readAll(q, params, kPeriod, out);
}
