#include "db/kal.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(KalSatz, KalNum), DB_FIELD(KalSatz, KalDtm), DB_FIELD(KalSatz, KalBtp)};

}  // namespace

int Kal_PKeyIns(const KalSatz* kal) {
  static db::Query q("Kal_PKeyIns",
                     "insert into KvSystem.Kvs133Kal (KalNum,KalDtm,KalBtp) "
                     "values (:b0,TO_DATE(:b1,'yyyymmdd'),:b2)");
  return db::writeRecord(q, kal, kRow);
}
