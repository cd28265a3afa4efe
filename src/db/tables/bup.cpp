#include "db/tables/bup.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// Start and end are each a date and a time column, both written from the
// one moment.
constexpr db::Column kColumns[] = {
    DB_COLUMN(BupSatz, BupPnr), DB_SPLIT_MOMENT(BupSatz, BupVon, BupUhr), DB_COLUMN(BupSatz, BupFkt),
    DB_SPLIT_MOMENT(BupSatz, BupBis, BupEnd), DB_COLUMN(BupSatz, BupFfk), DB_COLUMN(BupSatz, BupTvo),
    DB_COLUMN(BupSatz, BupTbi), DB_COLUMN(BupSatz, BupAvo), DB_COLUMN(BupSatz, BupAbi),
    DB_COLUMN(BupSatz, BupWzv), DB_COLUMN(BupSatz, BupWzb)};

const db::Table& bup() { return db::tables::Bup(); }

// Start and end are compared as date text and time text run together, so a
// bound may be a bare date: a period is delivered only when it lies wholly
// inside the bounds.
db::Query& periodsQuery() {
  static db::Query q("Bup_AbrTag",
                     bup().select() +
                         "where ((BupPnr=:b0 and (TO_CHAR(BupVon,'yyyymmdd')||TO_CHAR(BupUhr,'HH24MISS'))>=:b1) and "
                         "(TO_CHAR(BupBis,'yyyymmdd')||TO_CHAR(BupEnd,'HH24MISS'))<=:b2) "
                         "order by BupPnr,BupVon nulls last,BupUhr nulls last");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

const db::Table& db::tables::Bup() {
  static const db::Table table("Kvs328Bup", kColumns);
  return table;
}

Bup_AbrTag::Bup_AbrTag() : RecordCursor(periodsQuery(), bup().rowFields()) {}
int Bup_AbrTag::Open(const char* pnr, const char* from, const char* to) {
  const db::Value params[] = {textOrEmpty(pnr), textOrEmpty(from), textOrEmpty(to)};
  return cursor_.open(params);
}

int Bup_PKeyIns(const BupSatz* b) {
  static db::Query q("Bup_PKeyIns", bup().insert());
  return db::writeRecord(q, b, bup().writeFields());
}
