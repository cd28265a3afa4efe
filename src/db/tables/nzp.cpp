#include "db/tables/nzp.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(NzpSatz, NzpAkz), DB_DAY(NzpSatz, NzpGvn),    DB_DAY(NzpSatz, NzpGbi),    DB_COLUMN(NzpSatz, NzpAak),
    DB_COLUMN(NzpSatz, NzpAwt), DB_COLUMN(NzpSatz, NzpKjh), DB_COLUMN(NzpSatz, NzpKmn), DB_COLUMN(NzpSatz, NzpKwo),
    DB_COLUMN(NzpSatz, NzpKtg), DB_COLUMN(NzpSatz, NzpAan), DB_COLUMN(NzpSatz, NzpVfh), DB_COLUMN(NzpSatz, NzpNfh),
    DB_COLUMN(NzpSatz, NzpAus), DB_COLUMN(NzpSatz, NzpMrk)};
constexpr db::Field kKind[] = {DB_FIELD(NzpSatz, NzpAkz)};

const db::Table& nzp() { return db::tables::Nzp(); }

}  // namespace

const db::Table& db::tables::Nzp() {
  static const db::Table table("Kvs591Nzp", kColumns);
  return table;
}

int Nzp_PKeyReadk(NzpSatz* n) {
  static db::Query q("Nzp_PKeyReadk",
                     nzp().select() + "where ((NzpAkz=:b0 and NzpGvn<trunc(sysdate)) and NzpGbi>trunc(sysdate))");
  return db::readRecord(q, n, kKind, nzp().rowFields(), db::OnFailure::Unchanged);
}

int Nzp_PKeyIns(const NzpSatz* n) {
  static db::Query q("Nzp_PKeyIns", nzp().insert());
  return db::writeRecord(q, n, nzp().writeFields());
}
