#include "db/apk.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(ApkSatz, ApkApk), DB_FIELD(ApkSatz, ApkBz1),    DB_FIELD(ApkSatz, ApkBz2),
    DB_FIELD(ApkSatz, ApkTxt), DB_FIELD(ApkSatz, ApkSts),    DB_FIELD(ApkSatz, ApkSis),
    DB_FIELD(ApkSatz, ApkKun), DB_FIELD(ApkSatz, ApkKb1),    DB_FIELD(ApkSatz, ApkKb2),
    DB_FIELD(ApkSatz, ApkBgs), DB_FIELD(ApkSatz, ApkEns),    DB_FIELD(ApkSatz, ApkAfo),
    DB_FIELD(ApkSatz, ApkEaf), DB_FIELD(ApkSatz, ApkTnr),    DB_FIELD(ApkSatz, ApkTb1),
    DB_FIELD(ApkSatz, ApkTb2), DB_FIELD(ApkSatz, ApkSme),    DB_FIELD(ApkSatz, ApkIme),
    DB_FIELD(ApkSatz, ApkMee), DB_FIELD(ApkSatz, ApkBdi),    DB_FIELD(ApkSatz, ApkBdiUhr),
    DB_FIELD(ApkSatz, ApkEdi), DB_FIELD(ApkSatz, ApkEdiUhr), DB_FIELD(ApkSatz, ApkFbe),
    DB_FIELD(ApkSatz, ApkKst), DB_FIELD(ApkSatz, ApkZf1),    DB_FIELD(ApkSatz, ApkZf2),
    DB_FIELD(ApkSatz, ApkZf3), DB_FIELD(ApkSatz, ApkKnz),    DB_FIELD(ApkSatz, ApkSsn),
    DB_FIELD(ApkSatz, ApkDna), DB_FIELD(ApkSatz, ApkDwn),    DB_FIELD(ApkSatz, ApkSta),
    DB_FIELD(ApkSatz, ApkErf), DB_FIELD(ApkSatz, ApkAba)};

// The row as written: the start and end moments each from their two fields.
constexpr db::Field kWrite[] = {
    DB_FIELD(ApkSatz, ApkApk), DB_FIELD(ApkSatz, ApkBz1), DB_FIELD(ApkSatz, ApkBz2),
    DB_FIELD(ApkSatz, ApkTxt), DB_FIELD(ApkSatz, ApkSts), DB_FIELD(ApkSatz, ApkSis),
    DB_FIELD(ApkSatz, ApkKun), DB_FIELD(ApkSatz, ApkKb1), DB_FIELD(ApkSatz, ApkKb2),
    DB_FIELD(ApkSatz, ApkBgs), DB_FIELD(ApkSatz, ApkEns), DB_FIELD(ApkSatz, ApkAfo),
    DB_FIELD(ApkSatz, ApkEaf), DB_FIELD(ApkSatz, ApkTnr), DB_FIELD(ApkSatz, ApkTb1),
    DB_FIELD(ApkSatz, ApkTb2), DB_FIELD(ApkSatz, ApkSme), DB_FIELD(ApkSatz, ApkIme),
    DB_FIELD(ApkSatz, ApkMee), DB_MOMENT(ApkSatz, ApkBdi, ApkBdiUhr), DB_MOMENT(ApkSatz, ApkEdi, ApkEdiUhr),
    DB_FIELD(ApkSatz, ApkFbe), DB_FIELD(ApkSatz, ApkKst), DB_FIELD(ApkSatz, ApkZf1),
    DB_FIELD(ApkSatz, ApkZf2), DB_FIELD(ApkSatz, ApkZf3), DB_FIELD(ApkSatz, ApkKnz),
    DB_FIELD(ApkSatz, ApkSsn), DB_FIELD(ApkSatz, ApkDna), DB_FIELD(ApkSatz, ApkDwn),
    DB_FIELD(ApkSatz, ApkSta), DB_FIELD(ApkSatz, ApkErf), DB_FIELD(ApkSatz, ApkAba)};

constexpr db::Field kKey[] = {DB_FIELD(ApkSatz, ApkApk)};

}  // namespace

int Apk_PKeyReadk(ApkSatz* apk) {
  static db::Query q("Apk_PKeyReadk",
                     "select ApkApk ,ApkBz1 ,ApkBz2 ,ApkTxt ,ApkSts ,ApkSis ,ApkKun ,ApkKb1 ,ApkKb2 ,"
                     "TO_CHAR(ApkBgs,'yyyymmdd') ,TO_CHAR(ApkEns,'yyyymmdd') ,ApkAfo ,ApkEaf ,ApkTnr ,ApkTb1 ,"
                     "ApkTb2 ,ApkSme ,ApkIme ,ApkMee ,TO_CHAR(ApkBdi,'yyyymmdd') ,TO_CHAR(ApkBdi,'HH24MISS') ,"
                     "TO_CHAR(ApkEdi,'yyyymmdd') ,TO_CHAR(ApkEdi,'HH24MISS') ,ApkFbe ,ApkKst ,ApkZf1 ,ApkZf2 ,"
                     "ApkZf3 ,ApkKnz ,ApkSsn ,ApkDna ,ApkDwn ,ApkSta ,ApkErf ,ApkAba  "
                     "from Kvs501Apk where ApkApk=:b0");
  return db::readRecord(q, apk, kKey, kRow, db::OnFailure::KeepKey);
}

int Apk_PKeyUpd(const ApkSatz* apk) {
  static db::Query q("Apk_PKeyUpd",
                     "update Kvs501Apk  set ApkApk=:b0,ApkBz1=:b1,ApkBz2=:b2,ApkTxt=:b3,ApkSts=:b4,ApkSis=:b5,"
                     "ApkKun=:b6,ApkKb1=:b7,ApkKb2=:b8,ApkBgs=TO_DATE(:b9,'yyyymmdd'),"
                     "ApkEns=TO_DATE(:b10,'yyyymmdd'),ApkAfo=:b11,ApkEaf=:b12,ApkTnr=:b13,ApkTb1=:b14,"
                     "ApkTb2=:b15,ApkSme=:b16,ApkIme=:b17,ApkMee=:b18,ApkBdi=TO_DATE(:b19,'yyyymmddHH24MISS'),"
                     "ApkEdi=TO_DATE(:b20,'yyyymmddHH24MISS'),ApkFbe=:b21,ApkKst=:b22,ApkZf1=:b23,ApkZf2=:b24,"
                     "ApkZf3=:b25,ApkKnz=:b26,ApkSsn=:b27,ApkDna=:b28,ApkDwn=:b29,ApkSta=:b30,ApkErf=:b31,"
                     "ApkAba=:b32,ApkDat=sysdate where ApkApk=:b0");
  return db::write(q, db::fieldValues(apk, kWrite));
}

int Apk_PKeyIns(const ApkSatz* apk) {
  static db::Query q("Apk_PKeyIns",
                     "insert into Kvs501Apk (ApkApk,ApkBz1,ApkBz2,ApkTxt,ApkSts,ApkSis,ApkKun,ApkKb1,ApkKb2,ApkBgs,"
                     "ApkEns,ApkAfo,ApkEaf,ApkTnr,ApkTb1,ApkTb2,ApkSme,ApkIme,ApkMee,ApkBdi,ApkEdi,ApkFbe,ApkKst,"
                     "ApkZf1,ApkZf2,ApkZf3,ApkKnz,ApkSsn,ApkDna,ApkDwn,ApkSta,ApkErf,ApkAba,ApkDat) "
                     "values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,TO_DATE(:b9,'yyyymmdd'),TO_DATE(:b10,'yyyymmdd'),"
                     ":b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,TO_DATE(:b19,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b20,'yyyymmddHH24MISS'),:b21,:b22,:b23,:b24,:b25,:b26,:b27,:b28,:b29,:b30,:b31,"
                     ":b32,sysdate)");
  return db::write(q, db::fieldValues(apk, kWrite));
}
