#include "db/tables/pse.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(PseSatz, PseNum), DB_COLUMN(PseSatz, PseLfd), DB_COLUMN(PseSatz, PseVon),
                                   DB_COLUMN(PseSatz, PseBis), DB_COLUMN(PseSatz, PseMin), DB_COLUMN(PseSatz, PseMax),
                                   DB_COLUMN(PseSatz, PseInt), DB_COLUMN(PseSatz, PsePse)};

const db::Table& pse() { return db::tables::Pse(); }

db::Query& modelQuery() {
  static db::Query q("Pse_PKey", pse().select() + "where PseNum=:b0 order by PseNum,PseLfd");
  return q;
}

}  // namespace

const db::Table& db::tables::Pse() {
  static const db::Table table("Kvs143Pse", kColumns);
  return table;
}

Pse_PKey::Pse_PKey() : RecordCursor(modelQuery(), pse().rowFields()) {}
int Pse_PKey::Open(const char* num) {
  const db::Value params[] = {db::Value::text(num ? num : "")};
  return cursor_.open(params);
}

int Pse_PKeyIns(const PseSatz* p) {
  static db::Query q("Pse_PKeyIns", pse().insert());
  return db::writeRecord(q, p, pse().writeFields());
}
