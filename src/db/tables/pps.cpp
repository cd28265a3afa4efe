#include "db/tables/pps.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// Dates and times go in as the texts they are; the planning system reads them so.
constexpr db::Column kColumns[] = {
    DB_COLUMN(PpsSatz, PpsDat), DB_COLUMN(PpsSatz, PpsLfn), DB_COLUMN(PpsSatz, PpsVkz), DB_COLUMN(PpsSatz, PpsFcd),
    DB_COLUMN(PpsSatz, PpsPnr), DB_COLUMN(PpsSatz, PpsApl), DB_COLUMN(PpsSatz, PpsApk), DB_COLUMN(PpsSatz, PpsApp),
    DB_COLUMN(PpsSatz, PpsAwn), DB_COLUMN(PpsSatz, PpsMdt), DB_COLUMN(PpsSatz, PpsMzt), DB_COLUMN(PpsSatz, PpsUbg),
    DB_COLUMN(PpsSatz, PpsAug), DB_COLUMN(PpsSatz, PpsSts), DB_COLUMN(PpsSatz, PpsSto), DB_COLUMN(PpsSatz, PpsGum),
    DB_COLUMN(PpsSatz, PpsFam), DB_COLUMN(PpsSatz, PpsMam), DB_COLUMN(PpsSatz, PpsNam), DB_COLUMN(PpsSatz, PpsMee),
    DB_COLUMN(PpsSatz, PpsZt1), DB_COLUMN(PpsSatz, PpsZt2), DB_COLUMN(PpsSatz, PpsZt3), DB_COLUMN(PpsSatz, PpsZf1),
    DB_COLUMN(PpsSatz, PpsZf2), DB_COLUMN(PpsSatz, PpsZf3)};

}  // namespace

const db::Table& db::tables::Pps() {
  static const db::Table table("Kvs580Pps", kColumns);
  return table;
}

int Pps_PKeyIns(const PpsSatz* pps) {
  static db::Query q("Pps_PKeyIns", db::tables::Pps().insert());
  return db::writeRecord(q, pps, db::tables::Pps().writeFields());
}
