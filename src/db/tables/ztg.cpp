#include "db/tables/ztg.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(ZtgSatz, ZtgPnr), DB_FIELD(ZtgSatz, ZtgVon), DB_FIELD(ZtgSatz, ZtgAzt), DB_FIELD(ZtgSatz, AzvPsm),
    DB_FIELD(ZtgSatz, AzvMav), DB_FIELD(ZtgSatz, AzvMab), DB_FIELD(ZtgSatz, AzvNov), DB_FIELD(ZtgSatz, AzvNob),
    DB_FIELD(ZtgSatz, AzvGlv), DB_FIELD(ZtgSatz, AzvGlb), DB_FIELD(ZtgSatz, AzvKev), DB_FIELD(ZtgSatz, AzvKeb),
    DB_FIELD(ZtgSatz, ZtgAgr), DB_FIELD(ZtgSatz, ZtgTtp), DB_FIELD(ZtgSatz, AzvSol), DB_FIELD(ZtgSatz, BakWch),
    DB_FIELD(ZtgSatz, BakWtg), DB_FIELD(ZtgSatz, BakJtg)};

// The columns of the day-model table itself; the rest of the record comes
// from the time model and the calendar.
constexpr db::Column kColumns[] = {DB_COLUMN(ZtgSatz, ZtgPnr), DB_DAY(ZtgSatz, ZtgVon), DB_COLUMN(ZtgSatz, ZtgAzt),
                                   DB_COLUMN(ZtgSatz, ZtgAgr), DB_COLUMN(ZtgSatz, ZtgTtp)};

db::Query& dayQuery() {
  static db::Query q("Ztg_Pnr",
                     "select ZtgPnr ,TO_CHAR(ZtgVon,'yyyymmdd') ,ZtgAzt ,AzvPsm ,AzvMav ,AzvMab ,AzvNov ,AzvNob ,"
                     "AzvGlv ,AzvGlb ,AzvKev ,AzvKeb ,ZtgAgr ,ZtgTtp ,AzvSol ,BakWch ,BakWtg ,BakJtg  "
                     "from Kvs329Ztg ,Kvs140Azv ,KvSystem.Kvs133Bak "
                     "where ((((ZtgPnr=:b0 and TO_CHAR(ZtgVon,'yyyymmdd')=:b1) and "
                     "TO_CHAR(BakDtm,'yyyymmdd')=:b1) and AzvNum=ZtgAzt) and TO_CHAR(AzvGvo,'yyyymmdd')<=:b1) "
                     "order by AzvGvo desc");
  return q;
}

}  // namespace

Ztg_Pnr::Ztg_Pnr() : RecordCursor(dayQuery(), kRow) {}
int Ztg_Pnr::Open(const char* pnr, const char* date) {
  const db::Value params[] = {db::Value::text(pnr ? pnr : ""), db::Value::text(date ? date : "")};
  return cursor_.open(params);
}

const db::Table& db::tables::Ztg() {
  static const db::Table table("Kvs329Ztg", kColumns);
  return table;
}

int Ztg_PKeyIns(const ZtgSatz* ztg) {
  static db::Query q("Ztg_PKeyIns", db::tables::Ztg().insert());
  return db::writeRecord(q, ztg, db::tables::Ztg().writeFields());
}
