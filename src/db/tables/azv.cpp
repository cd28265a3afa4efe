#include "db/tables/azv.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(AzvSatz, AzvNum), DB_DAY(AzvSatz, AzvGvo),    DB_COLUMN(AzvSatz, AzvPsm),
                                   DB_COLUMN(AzvSatz, AzvMav), DB_COLUMN(AzvSatz, AzvMab), DB_COLUMN(AzvSatz, AzvNov),
                                   DB_COLUMN(AzvSatz, AzvNob), DB_COLUMN(AzvSatz, AzvGlv), DB_COLUMN(AzvSatz, AzvGlb),
                                   DB_COLUMN(AzvSatz, AzvKev), DB_COLUMN(AzvSatz, AzvKeb), DB_COLUMN(AzvSatz, AzvSol)};

}  // namespace

const db::Table& db::tables::Azv() {
  static const db::Table table("Kvs140Azv", kColumns);
  return table;
}

int Azv_PKeyIns(const AzvSatz* row) {
  static db::Query q("Azv_PKeyIns", db::tables::Azv().insert());
  return db::writeRecord(q, row, db::tables::Azv().writeFields());
}
