#include "db/pse.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(PseSatz, PseNum), DB_FIELD(PseSatz, PseLfd), DB_FIELD(PseSatz, PseVon),
                              DB_FIELD(PseSatz, PseBis), DB_FIELD(PseSatz, PseMin), DB_FIELD(PseSatz, PseMax),
                              DB_FIELD(PseSatz, PseInt), DB_FIELD(PseSatz, PsePse)};

db::Query& modelQuery() {
  static db::Query q("Pse_PKey",
                     "select PseNum,PseLfd,PseVon,PseBis,PseMin,PseMax,PseInt,PsePse  from Kvs143Pse "
                     "where PseNum=:b0 order by PseNum,PseLfd");
  return q;
}

}  // namespace

Pse_PKey::Pse_PKey() : RecordCursor(modelQuery(), kRow) {}
int Pse_PKey::Open(const char* num) {
  const db::Value params[] = {db::Value::text(num ? num : "")};
  return cursor_.open(params);
}

int Pse_PKeyIns(const PseSatz* pse) {
  static db::Query q("Pse_PKeyIns",
                     "insert into Kvs143Pse (PseNum,PseLfd,PseVon,PseBis,PseMin,PseMax,PseInt,PsePse) "
                     "values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7)");
  return db::writeRecord(q, pse, kRow);
}
