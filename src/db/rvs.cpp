#include "db/rvs.h"

#include "db/access.h"

namespace {

constexpr db::Field kKey[] = {DB_FIELD(RvsSatz, RvsMdt), DB_FIELD(RvsSatz, RvsLfn)};
constexpr db::Field kRow[] = {DB_FIELD(RvsSatz, RvsMdt), DB_FIELD(RvsSatz, RvsLfn), DB_FIELD(RvsSatz, RvsVkz),
                              DB_FIELD(RvsSatz, RvsDta), DB_FIELD(RvsSatz, RvsEsb)};

}  // namespace

int Rvs_PKeyIns(const RvsSatz* rvs) {
  static db::Query q("Rvs_PKeyIns",
                     "insert into Kvs571Rvs (RvsMdt,RvsMzt,RvsLfn,RvsVkz,RvsVdt,RvsDta,RvsEsb) values "
                     "(TO_DATE(:b0,'yyyymmddHH24MISS'),TO_DATE(:b0,'yyyymmddHH24MISS'),:b2,:b3,sysdate,:b4,:b5)");
  return db::writeRecord(q, rvs, kRow);
}

int Rvs_PKeyReadk(RvsSatz* rvs) {
  static db::Query q("Rvs_PKeyReadk",
                     "select TO_CHAR(RvsMdt,'yyyymmddHH24MISS') ,RvsLfn ,RvsVkz ,RvsDta ,RvsEsb  from Kvs571Rvs "
                     "where (TO_CHAR(RvsMdt,'yyyymmddHH24MISS')=:b0 and RvsLfn=:b1)");
  return db::readRecord(q, rvs, kKey, kRow, db::OnFailure::Unchanged);
}
