#include "db/azv.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(AzvSatz, AzvNum), DB_FIELD(AzvSatz, AzvGvo), DB_FIELD(AzvSatz, AzvPsm),
                              DB_FIELD(AzvSatz, AzvMav), DB_FIELD(AzvSatz, AzvMab), DB_FIELD(AzvSatz, AzvNov),
                              DB_FIELD(AzvSatz, AzvNob), DB_FIELD(AzvSatz, AzvGlv), DB_FIELD(AzvSatz, AzvGlb),
                              DB_FIELD(AzvSatz, AzvKev), DB_FIELD(AzvSatz, AzvKeb), DB_FIELD(AzvSatz, AzvSol)};

}  // namespace

int Azv_PKeyIns(const AzvSatz* azv) {
  static db::Query q("Azv_PKeyIns",
                     "insert into Kvs140Azv (AzvNum,AzvGvo,AzvPsm,AzvMav,AzvMab,AzvNov,AzvNob,AzvGlv,AzvGlb,"
                     "AzvKev,AzvKeb,AzvSol) values (:b0,TO_DATE(:b1,'yyyymmdd'),:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,"
                     ":b10,:b11)");
  return db::writeRecord(q, azv, kRow);
}
