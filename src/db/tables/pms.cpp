#include "db/tables/pms.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(PmsSatz, PmsNum), DB_COLUMN(PmsSatz, PmsBeg), DB_COLUMN(PmsSatz, PmsEnd),
                                   DB_COLUMN(PmsSatz, PmsInt), DB_COLUMN(PmsSatz, PmsPse), DB_COLUMN(PmsSatz, PmsBzt),
                                   DB_COLUMN(PmsSatz, PmsPrz)};

}  // namespace

const db::Table& db::tables::Pms() {
  static const db::Table table("Kvs535Pms", kColumns);
  return table;
}

int Pms_PKeyIns(const PmsSatz* row) {
  static db::Query q("Pms_PKeyIns", db::tables::Pms().insert());
  return db::writeRecord(q, row, db::tables::Pms().writeFields());
}
