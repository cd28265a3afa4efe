#include "db/gaz.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(GazSatz, GazPnr), DB_FIELD(GazSatz, GazDtm), DB_FIELD(GazSatz, GazMav),
                              DB_FIELD(GazSatz, GazMab), DB_FIELD(GazSatz, GazNov), DB_FIELD(GazSatz, GazNob),
                              DB_FIELD(GazSatz, GazKev), DB_FIELD(GazSatz, GazGlv), DB_FIELD(GazSatz, GazGlb),
                              DB_FIELD(GazSatz, GazKeb), DB_FIELD(GazSatz, GazSol)};
constexpr db::Field kKey[] = {DB_FIELD(GazSatz, GazPnr), DB_FIELD(GazSatz, GazDtm)};

}  // namespace

int Gaz_PKeyReadk(GazSatz* gaz) {
  static db::Query q("Gaz_PKeyReadk",
                     "select GazPnr,TO_CHAR(GazDtm,'yyyymmdd'),GazMav,GazMab,GazNov,GazNob,GazKev,GazGlv,GazGlb,"
                     "GazKeb,GazSol  from Kvs322Gaz where (GazPnr=:b0 and TO_CHAR(GazDtm,'yyyymmdd')=:b2)");
  return db::readRecord(q, gaz, kKey, kRow, db::OnFailure::Unchanged);
}

int Gaz_PKeyIns(const GazSatz* gaz) {
  static db::Query q("Gaz_PKeyIns",
                     "insert into Kvs322Gaz (GazPnr,GazDtm,GazMav,GazMab,GazNov,GazNob,GazKev,GazGlv,GazGlb,GazKeb,"
                     "GazSol) values (:b0,TO_DATE(:b1,'yyyymmdd'),:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10)");
  return db::writeRecord(q, gaz, kRow);
}
