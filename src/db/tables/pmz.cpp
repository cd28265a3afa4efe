#include "db/tables/pmz.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(PmzSatz, PmzPmo), DB_COLUMN(PmzSatz, PmzPms), DB_DAY(PmzSatz, PmzGvo),
                                   DB_DAY(PmzSatz, PmzGbi)};

}  // namespace

const db::Table& db::tables::Pmz() {
  static const db::Table table("Kvs536Pmz", kColumns);
  return table;
}

int Pmz_PKeyIns(const PmzSatz* row) {
  static db::Query q("Pmz_PKeyIns", db::tables::Pmz().insert());
  return db::writeRecord(q, row, db::tables::Pmz().writeFields());
}
