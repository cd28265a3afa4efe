#include "db/fzu.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(FzuSatz, FzuFcd), DB_FIELD(FzuSatz, FzuMld), DB_FIELD(FzuSatz, FzuBez), DB_FIELD(FzuSatz, FzuTxt),
    DB_FIELD(FzuSatz, FzuArt), DB_FIELD(FzuSatz, FzuObj), DB_FIELD(FzuSatz, FzuUpl), DB_FIELD(FzuSatz, FzuGen),
    DB_FIELD(FzuSatz, FzuZf1), DB_FIELD(FzuSatz, FzuZf2), DB_FIELD(FzuSatz, FzuZf3), DB_FIELD(FzuSatz, FzuSta),
    DB_FIELD(FzuSatz, FzuErf)};

// The worker books only the codes of this FzuAec; rows of other values
// belong to other programs.
constexpr const char* kWorkerAec = "0";

}  // namespace

int Fcd_PKeyReadk(FzuSatz* fzu) {
  static db::Query q("Fcd_PKeyReadk",
                     "select FzuFcd ,FzuMld ,FzuBez ,FzuTxt ,FzuArt ,FzuObj ,FzuUpl ,FzuGen ,FzuZf1 ,FzuZf2 ,"
                     "FzuZf3 ,FzuSta ,FzuErf  from Kvs553Fzu where (FzuFcd=:b0 and FzuAec=:b27)");
  const db::Value params[] = {db::Value::text(fzu->FzuFcd.str()), db::Value::text(kWorkerAec)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == 0) {
    db::setFields(fzu, kRow, row);
    return rc;
  }
  // An unreadable code leaves nothing but the code itself: class 0 and no
  // upload or generation flag for the caller to act on.
  FixedText<4> code = fzu->FzuFcd;
  db::clearFields(fzu, kRow);
  fzu->FzuFcd = code;
  return rc;
}

int Fzu_PKeyIns(const FzuSatz* fzu, const char* aec) {
  static db::Query q("Fzu_PKeyIns",
                     "insert into Kvs553Fzu (FzuFcd,FzuMld,FzuBez,FzuTxt,FzuArt,FzuObj,FzuUpl,FzuGen,FzuZf1,"
                     "FzuZf2,FzuZf3,FzuSta,FzuErf,FzuAec) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,"
                     ":b11,:b12,:b13)");
  std::vector<db::Value> values = db::fieldValues(fzu, kRow);
  values.push_back(db::Value::text(aec ? aec : ""));
  return db::write(q, values);
}
