#include "db/apl.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(AplSatz, AplApl), DB_FIELD(AplSatz, AplBez), DB_FIELD(AplSatz, AplTxt), DB_FIELD(AplSatz, AplApg),
    DB_FIELD(AplSatz, AplFbe), DB_FIELD(AplSatz, AplSts), DB_FIELD(AplSatz, AplSis), DB_FIELD(AplSatz, AplApr),
    DB_FIELD(AplSatz, AplAaf), DB_FIELD(AplSatz, AplUbg), DB_FIELD(AplSatz, AplUdt), DB_FIELD(AplSatz, AplTag),
    DB_FIELD(AplSatz, AplVrf), DB_FIELD(AplSatz, AplRsp), DB_FIELD(AplSatz, AplRsi), DB_FIELD(AplSatz, AplAfp),
    DB_FIELD(AplSatz, AplAfi), DB_FIELD(AplSatz, AplPau), DB_FIELD(AplSatz, AplUnt), DB_FIELD(AplSatz, AplIak),
    DB_FIELD(AplSatz, AplAvt), DB_FIELD(AplSatz, AplKap), DB_FIELD(AplSatz, AplAvr), DB_FIELD(AplSatz, AplAvp),
    DB_FIELD(AplSatz, AplSt1), DB_FIELD(AplSatz, AplSt2), DB_FIELD(AplSatz, AplSt3), DB_FIELD(AplSatz, AplSf1),
    DB_FIELD(AplSatz, AplSf2), DB_FIELD(AplSatz, AplSf3), DB_FIELD(AplSatz, AplZf1), DB_FIELD(AplSatz, AplZf2),
    DB_FIELD(AplSatz, AplZf3), DB_FIELD(AplSatz, AplDna), DB_FIELD(AplSatz, AplDwn), DB_FIELD(AplSatz, AplSta),
    DB_FIELD(AplSatz, AplErf)};
constexpr db::Field kKey[] = {DB_FIELD(AplSatz, AplApl)};

}  // namespace

int Apl_PKeyReadk(AplSatz* apl) {
  static db::Query q("Apl_PKeyReadk",
                     "select AplApl ,AplBez ,AplTxt ,AplApg ,AplFbe ,AplSts ,AplSis ,AplApr ,AplAaf ,AplUbg ,"
                     "TO_CHAR(AplUdt,'yyyymmddHH24MISS') ,AplTag ,AplVrf ,AplRsp ,AplRsi ,AplAfp ,AplAfi ,"
                     "AplPau ,AplUnt ,AplIak ,AplAvt ,AplKap ,AplAvr ,AplAvp ,AplSt1 ,AplSt2 ,AplSt3 ,AplSf1 ,"
                     "AplSf2 ,AplSf3 ,AplZf1 ,AplZf2 ,AplZf3 ,AplDna ,AplDwn ,AplSta ,AplErf"
                     "  from Kvs531Apl where AplApl=:b0");
  return db::readRecord(q, apl, kKey, kRow, db::OnFailure::KeepKey);
}

int Apl_PKeyUpd(const AplSatz* apl) {
  static db::Query q("Apl_PKeyUpd",
                     "update Kvs531Apl  set AplApl=:b0,AplBez=:b1,AplTxt=:b2,AplApg=:b3,AplFbe=:b4,AplSts=:b5,"
                     "AplSis=:b6,AplApr=:b7,AplAaf=:b8,AplUbg=:b9,AplUdt=TO_DATE(:b10,'yyyymmddHH24MISS'),"
                     "AplTag=:b11,AplVrf=:b12,AplRsp=:b13,AplRsi=:b14,AplAfp=:b15,AplAfi=:b16,AplPau=:b17,"
                     "AplUnt=:b18,AplIak=:b19,AplAvt=:b20,AplKap=:b21,AplAvr=:b22,AplAvp=:b23,AplSt1=:b24,"
                     "AplSt2=:b25,AplSt3=:b26,AplSf1=:b27,AplSf2=:b28,AplSf3=:b29,AplZf1=:b30,AplZf2=:b31,"
                     "AplZf3=:b32,AplDna=:b33,AplDwn=:b34,AplSta=:b35,AplErf=:b36"
                     ",AplDat=sysdate where AplApl=:b0");
  return db::writeRecord(q, apl, kRow);
}

int Apl_PKeyIns(const AplSatz* apl) {
  static db::Query q("Apl_PKeyIns",
                     "insert into Kvs531Apl (AplApl,AplBez,AplTxt,AplApg,AplFbe,AplSts,AplSis,AplApr,AplAaf,"
                     "AplUbg,AplUdt,AplTag,AplVrf,AplRsp,AplRsi,AplAfp,AplAfi,AplPau,AplUnt,AplIak,AplAvt,"
                     "AplKap,AplAvr,AplAvp,AplSt1,AplSt2,AplSt3,AplSf1,AplSf2,AplSf3,AplZf1,AplZf2,AplZf3,"
                     "AplDna,AplDwn,AplSta,AplErf,AplDat) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,"
                     "TO_DATE(:b10,'yyyymmddHH24MISS'),:b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,:b19,:b20,:b21,"
                     ":b22,:b23,:b24,:b25,:b26,:b27,:b28,:b29,:b30,:b31,:b32,:b33,:b34,:b35,:b36,sysdate)");
  return db::writeRecord(q, apl, kRow);
}
