#include "db/gps.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(GpsSatz, GpsPnr), DB_FIELD(GpsSatz, GpsDtm), DB_FIELD(GpsSatz, GpsLfd),
                              DB_FIELD(GpsSatz, GpsVon), DB_FIELD(GpsSatz, GpsBis), DB_FIELD(GpsSatz, GpsMin),
                              DB_FIELD(GpsSatz, GpsMax), DB_FIELD(GpsSatz, GpsInt), DB_FIELD(GpsSatz, GpsPse)};
constexpr db::Field kKey[] = {DB_FIELD(GpsSatz, GpsPnr), DB_FIELD(GpsSatz, GpsDtm), DB_FIELD(GpsSatz, GpsLfd)};

}  // namespace

int Gps_PKeyReadk(GpsSatz* gps) {
  static db::Query q("Gps_PKeyReadk",
                     "select GpsPnr,TO_CHAR(GpsDtm,'yyyymmdd'),GpsLfd,GpsVon,GpsBis,GpsMin,GpsMax,GpsInt,GpsPse  "
                     "from Kvs323Gps where ((GpsPnr=:b0 and TO_CHAR(GpsDtm,'yyyymmdd')=:b2) and GpsLfd=:b20)");
  return db::readRecord(q, gps, kKey, kRow, db::OnFailure::Unchanged);
}

int Gps_PKeyIns(const GpsSatz* gps) {
  static db::Query q("Gps_PKeyIns",
                     "insert into Kvs323Gps (GpsPnr,GpsDtm,GpsLfd,GpsVon,GpsBis,GpsMin,GpsMax,GpsInt,GpsPse) "
                     "values (:b0,TO_DATE(:b1,'yyyymmdd'),:b2,:b3,:b4,:b5,:b6,:b7,:b8)");
  return db::writeRecord(q, gps, kRow);
}
