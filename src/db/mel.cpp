#include "db/mel.h"

#include "db/access.h"
#include "db/mel_fields.h"

namespace {

// The bound columns of insert and update: as the row, with the booking
// moment bound once and written into both KeyDat and KeyUhr.
constexpr db::Field kBind[] = {
    DB_FIELD(MelSatz, KeyBnr), DB_FIELD(MelSatz, KeyLfn), DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, KeyPnr),
    DB_FIELD(MelSatz, KeyApl), DB_FIELD(MelSatz, KeyApk), DB_FIELD(MelSatz, KeyApp), DB_FIELD(MelSatz, Sts00E),
    DB_FIELD(MelSatz, Sts00R), DB_FIELD(MelSatz, Sts00A), DB_FIELD(MelSatz, Sts00U), DB_FIELD(MelSatz, Sts00S),
    DB_FIELD(MelSatz, Sts006), DB_FIELD(MelSatz, Sts007), DB_FIELD(MelSatz, Sts008), DB_FIELD(MelSatz, Sts009),
    DB_FIELD(MelSatz, Sts010), DB_FIELD(MelSatz, Sts011), DB_FIELD(MelSatz, Sts012), DB_FIELD(MelSatz, Sts013),
    DB_FIELD(MelSatz, Sts014), DB_FIELD(MelSatz, Sts015), DB_FIELD(MelSatz, Sts016),
    DB_MOMENT(MelSatz, KeyDat, KeyUhr), DB_FIELD(MelSatz, KeySek), DB_FIELD(MelSatz, KeyUbg),
    DB_FIELD(MelSatz, KeyAug), DB_FIELD(MelSatz, MelMsk), DB_FIELD(MelSatz, MelAwn), DB_FIELD(MelSatz, MelFcd),
    DB_FIELD(MelSatz, MelTrm), DB_FIELD(MelSatz, MelOff), DB_FIELD(MelSatz, MelFnr), DB_FIELD(MelSatz, MelGum),
    DB_FIELD(MelSatz, MelFam), DB_FIELD(MelSatz, MelMam), DB_FIELD(MelSatz, MelNam), DB_FIELD(MelSatz, MelZt1),
    DB_FIELD(MelSatz, MelZt2), DB_FIELD(MelSatz, MelZt3), DB_FIELD(MelSatz, MelMee), DB_FIELD(MelSatz, MelAec),
    DB_FIELD(MelSatz, MelTrc), DB_FIELD(MelSatz, MelErf), DB_FIELD(MelSatz, MelKsb), DB_FIELD(MelSatz, MelKdt),
    DB_FIELD(MelSatz, MelKfc), DB_FIELD(MelSatz, MelKgm), DB_FIELD(MelSatz, MelKfm), DB_FIELD(MelSatz, MelKmm),
    DB_FIELD(MelSatz, MelKnm), DB_FIELD(MelSatz, KeyTnr)};

constexpr db::Field kKey[] = {DB_FIELD(MelSatz, KeyBnr), DB_FIELD(MelSatz, KeyLfn)};

}  // namespace

int Mel_PKeyIns(const MelSatz* mel) {
  static db::Query q(
      "Mel_PKeyIns",
      "insert into Kvs560Mel (KeyBnr,KeyLfn,ObjTyp,KeyPnr,KeyApl,KeyApk,KeyApp,Sts00E,Sts00R,Sts00A,Sts00U,"
      "Sts00S,Sts006,Sts007,Sts008,Sts009,Sts010,Sts011,Sts012,Sts013,Sts014,Sts015,Sts016,KeyDat,KeyUhr,"
      "KeySek,KeyUbg,KeyAug,MelMsk,MelAwn,MelFcd,MelTrm,MelOff,MelFnr,MelGum,MelFam,MelMam,MelNam,MelZt1,"
      "MelZt2,MelZt3,MelMee,MelAec,MelTrc,MelErf,MelKsb,MelKdt,MelKfc,MelKgm,MelKfm,MelKmm,MelKnm,KeyTnr,"
      "MelDat) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,"
      ":b19,:b20,:b21,:b22,TO_DATE(:b23,'yyyymmddHH24MISS'),TO_DATE(:b23,'yyyymmddHH24MISS'),:b25,:b26,:b27,"
      ":b28,:b29,:b30,:b31,:b32,:b33,:b34,:b35,:b36,:b37,:b38,:b39,:b40,:b41,:b42,:b43,:b44,:b45,"
      "TO_DATE(:b46,'yyyymmddHH24MISS'),:b47,:b48,:b49,:b50,:b51,:b52,sysdate)");
  return db::writeRecord(q, mel, kBind);
}

int Mel_PKeyUpd(const MelSatz* mel) {
  static db::Query q(
      "Mel_PKeyUpd",
      "update Kvs560Mel  set KeyBnr=:b0,KeyLfn=:b1,ObjTyp=:b2,KeyPnr=:b3,KeyApl=:b4,KeyApk=:b5,KeyApp=:b6,"
      "Sts00E=:b7,Sts00R=:b8,Sts00A=:b9,Sts00U=:b10,Sts00S=:b11,Sts006=:b12,Sts007=:b13,Sts008=:b14,"
      "Sts009=:b15,Sts010=:b16,Sts011=:b17,Sts012=:b18,Sts013=:b19,Sts014=:b20,Sts015=:b21,Sts016=:b22,"
      "KeyDat=TO_DATE(:b23,'yyyymmddHH24MISS'),KeyUhr=TO_DATE(:b23,'yyyymmddHH24MISS'),KeySek=:b25,"
      "KeyUbg=:b26,KeyAug=:b27,MelMsk=:b28,MelAwn=:b29,MelFcd=:b30,MelTrm=:b31,MelOff=:b32,MelFnr=:b33,"
      "MelGum=:b34,MelFam=:b35,MelMam=:b36,MelNam=:b37,MelZt1=:b38,MelZt2=:b39,MelZt3=:b40,MelMee=:b41,"
      "MelAec=:b42,MelTrc=:b43,MelErf=:b44,MelKsb=:b45,MelKdt=TO_DATE(:b46,'yyyymmddHH24MISS'),MelKfc=:b47,"
      "MelKgm=:b48,MelKfm=:b49,MelKmm=:b50,MelKnm=:b51,KeyTnr=:b52,MelDat=sysdate "
      "where (KeyBnr=:b0 and KeyLfn=:b1)");
  return db::writeRecord(q, mel, kBind);
}

int Mel_PKeyReadk(MelSatz* mel) {
  static db::Query q("Mel_PKeyReadk", MEL_SELECT_LIST "where (KeyBnr=:b0 and KeyLfn=:b2)");
  return db::readRecord(q, mel, kKey, mel::kRow, db::OnFailure::ClearAll);
}
