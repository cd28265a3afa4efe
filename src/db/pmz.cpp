#include "db/pmz.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(PmzSatz, PmzPmo), DB_FIELD(PmzSatz, PmzPms), DB_FIELD(PmzSatz, PmzGvo),
                              DB_FIELD(PmzSatz, PmzGbi)};

}  // namespace

int Pmz_PKeyIns(const PmzSatz* pmz) {
  static db::Query q("Pmz_PKeyIns",
                     "insert into Kvs536Pmz (PmzPmo,PmzPms,PmzGvo,PmzGbi) "
                     "values (:b0,:b1,TO_DATE(:b2,'yyyymmdd'),TO_DATE(:b3,'yyyymmdd'))");
  return db::writeRecord(q, pmz, kRow);
}
