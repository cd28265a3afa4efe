#include "db/prv.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(PrvSatz, PrvPnr), DB_FIELD(PrvSatz, PrvGvo), DB_FIELD(PrvSatz, PrvGbi), DB_FIELD(PrvSatz, PrvBer),
    DB_FIELD(PrvSatz, PrvKst), DB_FIELD(PrvSatz, PrvFbe), DB_FIELD(PrvSatz, PrvMmb), DB_FIELD(PrvSatz, PrvZf1),
    DB_FIELD(PrvSatz, PrvZf2), DB_FIELD(PrvSatz, PrvZf3), DB_FIELD(PrvSatz, PrvSta), DB_FIELD(PrvSatz, PrvErf),
    DB_FIELD(PrvSatz, PrvDna), DB_FIELD(PrvSatz, PrvDwn), DB_FIELD(PrvSatz, PrvAwn), DB_FIELD(PrvSatz, PrvAwa),
    DB_FIELD(PrvSatz, PrvAnw), DB_FIELD(PrvSatz, PrvApl), DB_FIELD(PrvSatz, PrvApp), DB_FIELD(PrvSatz, PrvPzm),
    DB_FIELD(PrvSatz, PrvAvn), DB_FIELD(PrvSatz, PrvAbi), DB_FIELD(PrvSatz, PrvNam), DB_FIELD(PrvSatz, PrvStr),
    DB_FIELD(PrvSatz, PrvOrt)};
constexpr db::Field kKey[] = {DB_FIELD(PrvSatz, PrvPnr)};
constexpr db::Field kBadge[] = {DB_FIELD(PrvSatz, PrvAwn)};

}  // namespace

int Prv_PKeyReadk(PrvSatz* prv) {
  static db::Query q("Prv_PKeyReadk",
                     "select PrvPnr ,TO_CHAR(PrvGvo,'yyyymmdd') ,TO_CHAR(PrvGbi,'yyyymmdd') ,PrvBer ,PrvKst ,"
                     "PrvFbe ,PrvMmb ,PrvZf1 ,PrvZf2 ,PrvZf3 ,PrvSta ,PrvErf ,PrvDna ,PrvDwn ,PrvAwn ,PrvAwa ,"
                     "PrvAnw ,PrvApl ,PrvApp ,PrvPzm ,TO_CHAR(PrvAvn,'yyyymmddHH24MISS') ,"
                     "TO_CHAR(PrvAbi,'yyyymmddHH24MISS') ,PrvNam ,PrvStr ,PrvOrt"
                     "  from Kvs510Prv where PrvPnr=:b0");
  return db::readRecord(q, prv, kKey, kRow, db::OnFailure::KeepKey);
}

// A badge should be valid for one person at a time; when the master data
// says otherwise the read fails instead of picking one of them.
int Awn_PKeyRead(PrvSatz* prv) {
  static db::Query q("Awn_PKeyRead",
                     "select PrvPnr ,TO_CHAR(PrvGvo,'yyyymmdd') ,TO_CHAR(PrvGbi,'yyyymmdd') ,PrvBer ,PrvKst ,"
                     "PrvFbe ,PrvMmb ,PrvZf1 ,PrvZf2 ,PrvZf3 ,PrvSta ,PrvErf ,PrvDna ,PrvDwn ,PrvAwn ,PrvAwa ,"
                     "PrvAnw ,PrvApl ,PrvApp ,PrvPzm ,TO_CHAR(PrvAvn,'yyyymmddHH24MISS') ,"
                     "TO_CHAR(PrvAbi,'yyyymmddHH24MISS') ,PrvNam ,PrvStr ,PrvOrt"
                     "  from Kvs510Prv where ((PrvAwn=:b28 and PrvGvo<=trunc(sysdate)) and "
                     "(PrvGbi>=trunc(sysdate) or PrvGbi is null )) order by PrvPnr");
  return db::readRecord(q, prv, kBadge, kRow, db::OnFailure::KeepKey);
}

int Prv_PKeyIns(const PrvSatz* prv) {
  static db::Query q("Prv_PKeyIns",
                     "insert into Kvs510Prv (PrvPnr,PrvGvo,PrvGbi,PrvBer,PrvKst,PrvFbe,PrvMmb,PrvZf1,PrvZf2,"
                     "PrvZf3,PrvSta,PrvErf,PrvDna,PrvDwn,PrvAwn,PrvAwa,PrvAnw,PrvApl,PrvApp,PrvPzm,PrvAvn,"
                     "PrvAbi,PrvNam,PrvStr,PrvOrt) values (:b0,TO_DATE(:b1,'yyyymmdd'),TO_DATE(:b2,'yyyymmdd'),"
                     ":b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,:b19,"
                     "TO_DATE(:b20,'yyyymmddHH24MISS'),TO_DATE(:b21,'yyyymmddHH24MISS'),:b22,:b23,:b24)");
  return db::writeRecord(q, prv, kRow);
}
