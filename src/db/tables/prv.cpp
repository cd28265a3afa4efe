#include "db/tables/prv.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(PrvSatz, PrvPnr), DB_DAY(PrvSatz, PrvGvo),    DB_DAY(PrvSatz, PrvGbi),    DB_COLUMN(PrvSatz, PrvBer),
    DB_COLUMN(PrvSatz, PrvKst), DB_COLUMN(PrvSatz, PrvFbe), DB_COLUMN(PrvSatz, PrvMmb), DB_COLUMN(PrvSatz, PrvZf1),
    DB_COLUMN(PrvSatz, PrvZf2), DB_COLUMN(PrvSatz, PrvZf3), DB_COLUMN(PrvSatz, PrvSta), DB_COLUMN(PrvSatz, PrvErf),
    DB_COLUMN(PrvSatz, PrvDna), DB_COLUMN(PrvSatz, PrvDwn), DB_COLUMN(PrvSatz, PrvAwn), DB_COLUMN(PrvSatz, PrvAwa),
    DB_COLUMN(PrvSatz, PrvAnw), DB_COLUMN(PrvSatz, PrvApl), DB_COLUMN(PrvSatz, PrvApp), DB_COLUMN(PrvSatz, PrvPzm),
    DB_STAMP(PrvSatz, PrvAvn),  DB_STAMP(PrvSatz, PrvAbi),  DB_COLUMN(PrvSatz, PrvNam), DB_COLUMN(PrvSatz, PrvStr),
    DB_COLUMN(PrvSatz, PrvOrt)};

constexpr db::Field kBadge[] = {DB_FIELD(PrvSatz, PrvAwn)};

const db::Table& prv() { return db::tables::Prv(); }

db::Query& everyPerson() {
  static db::Query q("Prv_Alle", prv().select() + "order by PrvPnr");
  return q;
}

}  // namespace

const db::Table& db::tables::Prv() {
  static const db::Table table("Kvs510Prv", kColumns);
  return table;
}

int Prv_PKeyReadk(PrvSatz* p) {
  static const db::KeyCondition key = prv().key({"PrvPnr"});
  static db::Query q("Prv_PKeyReadk", prv().select() + key.where);
  return db::readRecord(q, p, key.binds, prv().rowFields(), db::OnFailure::KeepKey);
}

Prv_Alle::Prv_Alle() : RecordCursor(everyPerson(), prv().rowFields()) {}
int Prv_Alle::Open() { return cursor_.open(std::span<const db::Value>()); }

// A badge should be valid for one person at a time; when the master data
// says otherwise the read fails instead of picking one of them.
int Awn_PKeyRead(PrvSatz* p) {
  static db::Query q("Awn_PKeyRead", prv().select() +
                                         "where ((PrvAwn=:b0 and PrvGvo<=trunc(sysdate)) and "
                                         "(PrvGbi>=trunc(sysdate) or PrvGbi is null )) order by PrvPnr");
  return db::readRecord(q, p, kBadge, prv().rowFields(), db::OnFailure::KeepKey);
}

int Prv_PKeyIns(const PrvSatz* p) {
  static db::Query q("Prv_PKeyIns", prv().insert());
  return db::writeRecord(q, p, prv().writeFields());
}
