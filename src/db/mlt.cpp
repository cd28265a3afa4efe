#include "db/mlt.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(MltSatz, MltErf), DB_FIELD(MltSatz, MltDat), DB_FIELD(MltSatz, MltLfn), DB_FIELD(MltSatz, MltObj),
    DB_FIELD(MltSatz, MltPnr), DB_FIELD(MltSatz, MltApl), DB_FIELD(MltSatz, MltApk), DB_FIELD(MltSatz, MltApp),
    DB_FIELD(MltSatz, Mlt00E), DB_FIELD(MltSatz, Mlt00R), DB_FIELD(MltSatz, Mlt00A), DB_FIELD(MltSatz, Mlt00U),
    DB_FIELD(MltSatz, Mlt00S), DB_FIELD(MltSatz, MltBkg), DB_FIELD(MltSatz, MltPbe), DB_FIELD(MltSatz, MltArg),
    DB_FIELD(MltSatz, MltEmo), DB_FIELD(MltSatz, MltTtp), DB_FIELD(MltSatz, MltWoc), DB_FIELD(MltSatz, MltWtg),
    DB_FIELD(MltSatz, MltJtg), DB_FIELD(MltSatz, MltJwo), DB_FIELD(MltSatz, MltMdt), DB_FIELD(MltSatz, MltMdtUhr),
    DB_FIELD(MltSatz, MltUbg)};

constexpr db::Field kWrite[] = {
    DB_FIELD(MltSatz, MltErf), DB_FIELD(MltSatz, MltDat), DB_FIELD(MltSatz, MltLfn), DB_FIELD(MltSatz, MltObj),
    DB_FIELD(MltSatz, MltPnr), DB_FIELD(MltSatz, MltApl), DB_FIELD(MltSatz, MltApk), DB_FIELD(MltSatz, MltApp),
    DB_FIELD(MltSatz, Mlt00E), DB_FIELD(MltSatz, Mlt00R), DB_FIELD(MltSatz, Mlt00A), DB_FIELD(MltSatz, Mlt00U),
    DB_FIELD(MltSatz, Mlt00S), DB_FIELD(MltSatz, MltBkg), DB_FIELD(MltSatz, MltPbe), DB_FIELD(MltSatz, MltArg),
    DB_FIELD(MltSatz, MltEmo), DB_FIELD(MltSatz, MltTtp), DB_FIELD(MltSatz, MltWoc), DB_FIELD(MltSatz, MltWtg),
    DB_FIELD(MltSatz, MltJtg), DB_FIELD(MltSatz, MltJwo), DB_MOMENT(MltSatz, MltMdt, MltMdtUhr),
    DB_FIELD(MltSatz, MltUbg)};

constexpr db::Field kKey[] = {DB_FIELD(MltSatz, MltErf), DB_FIELD(MltSatz, MltDat), DB_FIELD(MltSatz, MltLfn)};

db::Query& runQuery() {
  // A row without a moment (the end of a period still open) comes last, on
  // every backend.
  static db::Query q("Mlt_MltErf",
                     "select MltErf,MltDat,MltLfn,MltObj,MltPnr,MltApl,MltApk,MltApp,Mlt00E,Mlt00R,Mlt00A,Mlt00U,"
                     "Mlt00S,MltBkg,MltPbe,MltArg,MltEmo,MltTtp,MltWoc,MltWtg,MltJtg,MltJwo,"
                     "TO_CHAR(MltMdt,'yyyymmdd'),TO_CHAR(MltMdt,'HH24MISS'),MltUbg  from Kvs561Mlt "
                     "where (MltErf=:b0 and MltDat=:b1) order by MltErf,MltDat,MltMdt nulls last,MltLfn");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

int Mlt_PKeyIns(const MltSatz* mlt) {
  static db::Query q("Mlt_PKeyIns",
                     "insert into Kvs561Mlt (MltErf,MltDat,MltLfn,MltObj,MltPnr,MltApl,MltApk,MltApp,Mlt00E,Mlt00R,"
                     "Mlt00A,Mlt00U,Mlt00S,MltBkg,MltPbe,MltArg,MltEmo,MltTtp,MltWoc,MltWtg,MltJtg,MltJwo,MltMdt,"
                     "MltUbg) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,:b14,:b15,:b16,"
                     ":b17,:b18,:b19,:b20,:b21,TO_DATE(:b22,'yyyymmddHH24MISS'),:b23)");
  return db::write(q, db::fieldValues(mlt, kWrite));
}

int Mlt_PKeyDel(const MltSatz* mlt) {
  static db::Query q("Mlt_PKeyDel",
                     "delete  from Kvs561Mlt  where ((MltErf=:b0 and MltDat=:b1) and MltLfn=:b2)");
  return db::writeRecord(q, mlt, kKey);
}

int Mlt_MaxLfn(const char* erf, const char* dat, std::int32_t* maxLfn) {
  static db::Query q("Mlt_MaxLfn", "select max(MLTLFN)  from Kvs561Mlt where (MltErf=:b2 and MltDat=:b3)");
  const db::Value params[] = {textOrEmpty(erf), textOrEmpty(dat)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  // The maximum of no rows is NULL and is read, like any NULL, as 0.
  if (rc == status::kOk) *maxLfn = row.empty() ? 0 : static_cast<std::int32_t>(row[0].asInt());
  return rc;
}

Mlt_MltErf::Mlt_MltErf() : RecordCursor(runQuery(), kRow) {}
int Mlt_MltErf::Open(const char* erf, const char* dat) {
  const db::Value params[] = {textOrEmpty(erf), textOrEmpty(dat)};
  return cursor_.open(params);
}

