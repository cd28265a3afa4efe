#include "db/tables/fzu.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// FzuAec tells which program a code belongs to; the record does not carry it.
constexpr db::Column kColumns[] = {
    DB_COLUMN(FzuSatz, FzuFcd), DB_COLUMN(FzuSatz, FzuMld), DB_COLUMN(FzuSatz, FzuBez), DB_COLUMN(FzuSatz, FzuTxt),
    DB_COLUMN(FzuSatz, FzuArt), DB_COLUMN(FzuSatz, FzuObj), DB_COLUMN(FzuSatz, FzuUpl), DB_COLUMN(FzuSatz, FzuGen),
    DB_COLUMN(FzuSatz, FzuZf1), DB_COLUMN(FzuSatz, FzuZf2), DB_COLUMN(FzuSatz, FzuZf3), DB_COLUMN(FzuSatz, FzuSta),
    DB_COLUMN(FzuSatz, FzuErf), DB_GIVEN("FzuAec", db::FieldKind::Text, 2, db::ColumnForm::Value)};

const db::Table& fzu() { return db::tables::Fzu(); }

// The worker books only the codes of this FzuAec; rows of other values
// belong to other programs.
constexpr const char* kWorkerAec = "0";

}  // namespace

int Fcd_PKeyReadk(FzuSatz* fzu) {
  static db::Query q("Fcd_PKeyReadk", ::fzu().select() + "where (FzuFcd=:b0 and FzuAec=:b27)");
  const db::Value params[] = {db::Value::text(fzu->FzuFcd.str()), db::Value::text(kWorkerAec)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == 0) {
    db::setFields(fzu, ::fzu().rowFields(), row);
    return rc;
  }
  // An unreadable code leaves nothing but the code itself: class 0 and no
  // upload or generation flag for the caller to act on.
  FixedText<4> code = fzu->FzuFcd;
  db::clearFields(fzu, ::fzu().rowFields());
  fzu->FzuFcd = code;
  return rc;
}

const db::Table& db::tables::Fzu() {
  static const db::Table table("Kvs553Fzu", kColumns);
  return table;
}

int Fzu_PKeyIns(const FzuSatz* fzu, const char* aec) {
  static db::Query q("Fzu_PKeyIns", ::fzu().insert());
  std::vector<db::Value> values = db::fieldValues(fzu, ::fzu().writeFields());
  values.push_back(db::Value::text(aec ? aec : ""));
  return db::write(q, values);
}
