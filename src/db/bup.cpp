#include "db/bup.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(BupSatz, BupPnr), DB_FIELD(BupSatz, BupVon), DB_FIELD(BupSatz, BupUhr), DB_FIELD(BupSatz, BupFkt),
    DB_FIELD(BupSatz, BupBis), DB_FIELD(BupSatz, BupEnd), DB_FIELD(BupSatz, BupFfk), DB_FIELD(BupSatz, BupTvo),
    DB_FIELD(BupSatz, BupTbi), DB_FIELD(BupSatz, BupAvo), DB_FIELD(BupSatz, BupAbi), DB_FIELD(BupSatz, BupWzv),
    DB_FIELD(BupSatz, BupWzb)};
constexpr db::Field kWrite[] = {
    DB_FIELD(BupSatz, BupPnr), DB_MOMENT(BupSatz, BupVon, BupUhr), DB_FIELD(BupSatz, BupFkt),
    DB_MOMENT(BupSatz, BupBis, BupEnd), DB_FIELD(BupSatz, BupFfk), DB_FIELD(BupSatz, BupTvo),
    DB_FIELD(BupSatz, BupTbi), DB_FIELD(BupSatz, BupAvo), DB_FIELD(BupSatz, BupAbi),
    DB_FIELD(BupSatz, BupWzv), DB_FIELD(BupSatz, BupWzb)};

// Start and end are compared as date text and time text run together, so a
// bound may be a bare date: a period is delivered only when it lies wholly
// inside the bounds.
db::Query& periodsQuery() {
  static db::Query q("Bup_AbrTag",
                     "select BupPnr,TO_CHAR(BupVon,'yyyymmdd'),TO_CHAR(BupUhr,'HH24MISS'),BupFkt,"
                     "TO_CHAR(BupBis,'yyyymmdd'),TO_CHAR(BupEnd,'HH24MISS'),BupFfk,BupTvo,BupTbi,BupAvo,BupAbi,"
                     "BupWzv,BupWzb  from Kvs328Bup "
                     "where ((BupPnr=:b0 and (TO_CHAR(BupVon,'yyyymmdd')||TO_CHAR(BupUhr,'HH24MISS'))>=:b1) and "
                     "(TO_CHAR(BupBis,'yyyymmdd')||TO_CHAR(BupEnd,'HH24MISS'))<=:b2) "
                     "order by BupPnr,BupVon nulls last,BupUhr nulls last");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

Bup_AbrTag::Bup_AbrTag() : RecordCursor(periodsQuery(), kRow) {}
int Bup_AbrTag::Open(const char* pnr, const char* from, const char* to) {
  const db::Value params[] = {textOrEmpty(pnr), textOrEmpty(from), textOrEmpty(to)};
  return cursor_.open(params);
}

int Bup_PKeyIns(const BupSatz* bup) {
  static db::Query q("Bup_PKeyIns",
                     "insert into Kvs328Bup (BupPnr,BupVon,BupUhr,BupFkt,BupBis,BupEnd,BupFfk,BupTvo,BupTbi,BupAvo,"
                     "BupAbi,BupWzv,BupWzb) values (:b0,TO_DATE(:b1,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b1,'yyyymmddHH24MISS'),:b2,TO_DATE(:b3,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b3,'yyyymmddHH24MISS'),:b4,:b5,:b6,:b7,:b8,:b9,:b10)");
  return db::write(q, db::fieldValues(bup, kWrite));
}
