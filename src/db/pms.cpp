#include "db/pms.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(PmsSatz, PmsNum), DB_FIELD(PmsSatz, PmsBeg), DB_FIELD(PmsSatz, PmsEnd),
                              DB_FIELD(PmsSatz, PmsInt), DB_FIELD(PmsSatz, PmsPse), DB_FIELD(PmsSatz, PmsBzt),
                              DB_FIELD(PmsSatz, PmsPrz)};

}  // namespace

int Pms_PKeyIns(const PmsSatz* pms) {
  static db::Query q("Pms_PKeyIns",
                     "insert into Kvs535Pms (PmsNum,PmsBeg,PmsEnd,PmsInt,PmsPse,PmsBzt,PmsPrz) "
                     "values (:b0,:b1,:b2,:b3,:b4,:b5,:b6)");
  return db::writeRecord(q, pms, kRow);
}
