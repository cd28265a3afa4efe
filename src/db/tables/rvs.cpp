#include "db/tables/rvs.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// The telegram's moment goes into RvsMdt and, for the programs that read
// the backup, into RvsMzt as well; the worker reads back RvsMdt only.
constexpr db::Column kColumns[] = {
    DB_STAMP(RvsSatz, RvsMdt),
    db::Column{db::Field{"RvsMzt", db::FieldKind::Text, offsetof(RvsSatz, RvsMdt), sizeof(RvsSatz::RvsMdt)},
               db::ColumnForm::Stamp, nullptr, db::ColumnUse::WriteOnly},
    DB_COLUMN(RvsSatz, RvsLfn),
    DB_COLUMN(RvsSatz, RvsVkz),
    DB_TOUCHED("RvsVdt"),
    DB_COLUMN(RvsSatz, RvsDta),
    DB_COLUMN(RvsSatz, RvsEsb)};

const db::Table& rvs() { return db::tables::Rvs(); }

}  // namespace

const db::Table& db::tables::Rvs() {
  static const db::Table table("Kvs571Rvs", kColumns);
  return table;
}

int Rvs_PKeyIns(const RvsSatz* r) {
  static db::Query q("Rvs_PKeyIns", rvs().insert());
  return db::writeRecord(q, r, rvs().writeFields());
}

int Rvs_PKeyReadk(RvsSatz* r) {
  // The moment is compared as a date, not as text, so the backup's key
  // serves the read.
  static const db::KeyCondition key = rvs().key({"RvsMdt", "RvsLfn"});
  static db::Query q("Rvs_PKeyReadk",
                     rvs().select() + "where (RvsMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RvsLfn=:b1)");
  return db::readRecord(q, r, key.binds, rvs().rowFields(), db::OnFailure::Unchanged);
}
