#include "db/tables/gaz.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(GazSatz, GazPnr), DB_DAY(GazSatz, GazDtm),    DB_COLUMN(GazSatz, GazMav),
                                   DB_COLUMN(GazSatz, GazMab), DB_COLUMN(GazSatz, GazNov), DB_COLUMN(GazSatz, GazNob),
                                   DB_COLUMN(GazSatz, GazKev), DB_COLUMN(GazSatz, GazGlv), DB_COLUMN(GazSatz, GazGlb),
                                   DB_COLUMN(GazSatz, GazKeb), DB_COLUMN(GazSatz, GazSol)};

const db::Table& gaz() { return db::tables::Gaz(); }

}  // namespace

const db::Table& db::tables::Gaz() {
  static const db::Table table("Kvs322Gaz", kColumns);
  return table;
}

int Gaz_PKeyReadk(GazSatz* g) {
  static const db::KeyCondition key = gaz().key({"GazPnr", "GazDtm"});
  static db::Query q("Gaz_PKeyReadk", gaz().select() + key.where);
  return db::readRecord(q, g, key.binds, gaz().rowFields(), db::OnFailure::Unchanged);
}

int Gaz_PKeyIns(const GazSatz* g) {
  static db::Query q("Gaz_PKeyIns", gaz().insert());
  return db::writeRecord(q, g, gaz().writeFields());
}
