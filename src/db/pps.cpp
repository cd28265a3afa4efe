#include "db/pps.h"

#include "db/access.h"

namespace {

constexpr db::Field kInsert[] = {
    DB_FIELD(PpsSatz, PpsDat), DB_FIELD(PpsSatz, PpsLfn), DB_FIELD(PpsSatz, PpsVkz), DB_FIELD(PpsSatz, PpsFcd),
    DB_FIELD(PpsSatz, PpsPnr), DB_FIELD(PpsSatz, PpsApl), DB_FIELD(PpsSatz, PpsApk), DB_FIELD(PpsSatz, PpsApp),
    DB_FIELD(PpsSatz, PpsAwn), DB_FIELD(PpsSatz, PpsMdt), DB_FIELD(PpsSatz, PpsMzt), DB_FIELD(PpsSatz, PpsUbg),
    DB_FIELD(PpsSatz, PpsAug), DB_FIELD(PpsSatz, PpsSts), DB_FIELD(PpsSatz, PpsSto), DB_FIELD(PpsSatz, PpsGum),
    DB_FIELD(PpsSatz, PpsFam), DB_FIELD(PpsSatz, PpsMam), DB_FIELD(PpsSatz, PpsNam), DB_FIELD(PpsSatz, PpsMee),
    DB_FIELD(PpsSatz, PpsZt1), DB_FIELD(PpsSatz, PpsZt2), DB_FIELD(PpsSatz, PpsZt3), DB_FIELD(PpsSatz, PpsZf1),
    DB_FIELD(PpsSatz, PpsZf2), DB_FIELD(PpsSatz, PpsZf3)};

}  // namespace

// Dates and times go in as the texts they are; the planning system reads them so.
int Pps_PKeyIns(const PpsSatz* pps) {
  static db::Query q("Pps_PKeyIns",
                     "insert into Kvs580Pps (PpsDat,PpsLfn,PpsVkz,PpsFcd,PpsPnr,PpsApl,PpsApk,PpsApp,PpsAwn,PpsMdt,"
                     "PpsMzt,PpsUbg,PpsAug,PpsSts,PpsSto,PpsGum,PpsFam,PpsMam,PpsNam,PpsMee,PpsZt1,PpsZt2,PpsZt3,"
                     "PpsZf1,PpsZf2,PpsZf3) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,"
                     ":b14,:b15,:b16,:b17,:b18,:b19,:b20,:b21,:b22,:b23,:b24,:b25)");
  return db::writeRecord(q, pps, kInsert);
}
