#include "db/tables/err.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(ErrSatz, ErrErf), DB_STAMP(ErrSatz, ErrEdt),  DB_COLUMN(ErrSatz, ErrBer), DB_COLUMN(ErrSatz, ErrPnr),
    DB_COLUMN(ErrSatz, ErrApl), DB_COLUMN(ErrSatz, ErrApk), DB_COLUMN(ErrSatz, ErrApp), DB_COLUMN(ErrSatz, ErrFnr),
    DB_COLUMN(ErrSatz, ErrBnr), DB_COLUMN(ErrSatz, ErrPgm), DB_COLUMN(ErrSatz, ErrFun), DB_TOUCHED("ErrDat"),
    DB_COLUMN(ErrSatz, ErrObj)};

}  // namespace

const db::Table& db::tables::Err() {
  static const db::Table table("Kvs554Err", kColumns);
  return table;
}

int Err_PKeyIns(const ErrSatz* err) {
  static db::Query q("Err_PKeyIns", db::tables::Err().insert());
  return db::writeRecord(q, err, db::tables::Err().writeFields());
}
