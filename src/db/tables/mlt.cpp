#include "db/tables/mlt.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(MltSatz, MltErf), DB_COLUMN(MltSatz, MltDat), DB_COLUMN(MltSatz, MltLfn),
    DB_COLUMN(MltSatz, MltObj), DB_COLUMN(MltSatz, MltPnr), DB_COLUMN(MltSatz, MltApl),
    DB_COLUMN(MltSatz, MltApk), DB_COLUMN(MltSatz, MltApp), DB_COLUMN(MltSatz, Mlt00E),
    DB_COLUMN(MltSatz, Mlt00R), DB_COLUMN(MltSatz, Mlt00A), DB_COLUMN(MltSatz, Mlt00U),
    DB_COLUMN(MltSatz, Mlt00S), DB_COLUMN(MltSatz, MltBkg), DB_COLUMN(MltSatz, MltPbe),
    DB_COLUMN(MltSatz, MltArg), DB_COLUMN(MltSatz, MltEmo), DB_COLUMN(MltSatz, MltTtp),
    DB_COLUMN(MltSatz, MltWoc), DB_COLUMN(MltSatz, MltWtg), DB_COLUMN(MltSatz, MltJtg),
    DB_COLUMN(MltSatz, MltJwo), DB_MOMENT_COLUMN(MltSatz, MltMdt, MltMdtUhr), DB_COLUMN(MltSatz, MltUbg)};

const db::Table& mlt() { return db::tables::Mlt(); }

// A row without a moment (the end of a period still open) comes last, on
// every backend.
db::Query& runQuery() {
  static db::Query q("Mlt_MltErf", mlt().select() +
                                       "where (MltErf=:b0 and MltDat=:b1) order by MltErf,MltDat,MltMdt nulls last,MltLfn");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

const db::Table& db::tables::Mlt() {
  static const db::Table table("Kvs561Mlt", kColumns);
  return table;
}

int Mlt_PKeyIns(const MltSatz* m) {
  static db::Query q("Mlt_PKeyIns", mlt().insert());
  return db::writeRecord(q, m, mlt().writeFields());
}

int Mlt_PKeyDel(const MltSatz* m) {
  static constexpr db::KeyNames kKey = {"MltErf", "MltDat", "MltLfn"};
  static const db::KeyCondition key = mlt().key(kKey);
  static db::Query q("Mlt_PKeyDel", mlt().erase(kKey));
  return db::writeRecord(q, m, key.binds);
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

Mlt_MltErf::Mlt_MltErf() : RecordCursor(runQuery(), mlt().rowFields()) {}
int Mlt_MltErf::Open(const char* erf, const char* dat) {
  const db::Value params[] = {textOrEmpty(erf), textOrEmpty(dat)};
  return cursor_.open(params);
}
