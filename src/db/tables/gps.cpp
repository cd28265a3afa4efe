#include "db/tables/gps.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(GpsSatz, GpsPnr), DB_DAY(GpsSatz, GpsDtm),    DB_COLUMN(GpsSatz, GpsLfd),
                                   DB_COLUMN(GpsSatz, GpsVon), DB_COLUMN(GpsSatz, GpsBis), DB_COLUMN(GpsSatz, GpsMin),
                                   DB_COLUMN(GpsSatz, GpsMax), DB_COLUMN(GpsSatz, GpsInt), DB_COLUMN(GpsSatz, GpsPse)};

const db::Table& gps() { return db::tables::Gps(); }

}  // namespace

const db::Table& db::tables::Gps() {
  static const db::Table table("Kvs323Gps", kColumns);
  return table;
}

int Gps_PKeyReadk(GpsSatz* g) {
  static const db::KeyCondition key = gps().key({"GpsPnr", "GpsDtm", "GpsLfd"});
  static db::Query q("Gps_PKeyReadk", gps().select() + key.where);
  return db::readRecord(q, g, key.binds, gps().rowFields(), db::OnFailure::Unchanged);
}

int Gps_PKeyIns(const GpsSatz* g) {
  static db::Query q("Gps_PKeyIns", gps().insert());
  return db::writeRecord(q, g, gps().writeFields());
}
