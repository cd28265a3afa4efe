#include "db/tables/kal.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(KalSatz, KalNum), DB_DAY(KalSatz, KalDtm), DB_COLUMN(KalSatz, KalBtp)};

}  // namespace

const db::Table& db::tables::Kal() {
  static const db::Table table("KvSystem.Kvs133Kal", kColumns);
  return table;
}

int Kal_PKeyIns(const KalSatz* row) {
  static db::Query q("Kal_PKeyIns", db::tables::Kal().insert());
  return db::writeRecord(q, row, db::tables::Kal().writeFields());
}
