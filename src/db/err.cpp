#include "db/err.h"

#include "db/access.h"

namespace {

constexpr db::Field kInsert[] = {DB_FIELD(ErrSatz, ErrErf), DB_FIELD(ErrSatz, ErrEdt), DB_FIELD(ErrSatz, ErrBer),
                                 DB_FIELD(ErrSatz, ErrPnr), DB_FIELD(ErrSatz, ErrApl), DB_FIELD(ErrSatz, ErrApk),
                                 DB_FIELD(ErrSatz, ErrApp), DB_FIELD(ErrSatz, ErrFnr), DB_FIELD(ErrSatz, ErrBnr),
                                 DB_FIELD(ErrSatz, ErrPgm), DB_FIELD(ErrSatz, ErrFun), DB_FIELD(ErrSatz, ErrObj)};

}  // namespace

int Err_PKeyIns(const ErrSatz* err) {
  static db::Query q("Err_PKeyIns",
                     "insert into Kvs554Err (ErrErf,ErrEdt,ErrBer,ErrPnr,ErrApl,ErrApk,ErrApp,ErrFnr,ErrBnr,ErrPgm,"
                     "ErrFun,ErrDat,ErrObj) values (:b0,TO_DATE(:b1,'yyyymmddHH24MISS'),:b2,:b3,:b4,:b5,:b6,:b7,"
                     ":b8,:b9,:b10,sysdate,:b11)");
  return db::writeRecord(q, err, kInsert);
}
