#include "db/app.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {
    DB_FIELD(AppSatz, AppApk), DB_FIELD(AppSatz, AppApp), DB_FIELD(AppSatz, AppVaf), DB_FIELD(AppSatz, AppNaf),
    DB_FIELD(AppSatz, AppBz1), DB_FIELD(AppSatz, AppBz2), DB_FIELD(AppSatz, AppTxt), DB_FIELD(AppSatz, AppSts),
    DB_FIELD(AppSatz, AppSis), DB_FIELD(AppSatz, AppBdi), DB_FIELD(AppSatz, AppBdiUhr),
    DB_FIELD(AppSatz, AppBds), DB_FIELD(AppSatz, AppBdsUhr), DB_FIELD(AppSatz, AppSbd),
    DB_FIELD(AppSatz, AppSbdUhr), DB_FIELD(AppSatz, AppEdi), DB_FIELD(AppSatz, AppEdiUhr),
    DB_FIELD(AppSatz, AppEds), DB_FIELD(AppSatz, AppEdsUhr), DB_FIELD(AppSatz, AppSed),
    DB_FIELD(AppSatz, AppSedUhr), DB_FIELD(AppSatz, AppRad), DB_FIELD(AppSatz, AppRadUhr),
    DB_FIELD(AppSatz, AppRed), DB_FIELD(AppSatz, AppRedUhr), DB_FIELD(AppSatz, AppAgs),
    DB_FIELD(AppSatz, AppAbs), DB_FIELD(AppSatz, AppAes), DB_FIELD(AppSatz, AppSme), DB_FIELD(AppSatz, AppIme),
    DB_FIELD(AppSatz, AppAme), DB_FIELD(AppSatz, AppMee), DB_FIELD(AppSatz, AppSza), DB_FIELD(AppSatz, AppStr),
    DB_FIELD(AppSatz, AppSte), DB_FIELD(AppSatz, AppIta), DB_FIELD(AppSatz, AppItr), DB_FIELD(AppSatz, AppIte),
    DB_FIELD(AppSatz, AppApg), DB_FIELD(AppSatz, AppApl), DB_FIELD(AppSatz, AppKt1), DB_FIELD(AppSatz, AppKz1),
    DB_FIELD(AppSatz, AppKt2), DB_FIELD(AppSatz, AppKz2), DB_FIELD(AppSatz, AppKt3), DB_FIELD(AppSatz, AppKz3),
    DB_FIELD(AppSatz, AppKt4), DB_FIELD(AppSatz, AppKz4), DB_FIELD(AppSatz, AppFbe), DB_FIELD(AppSatz, AppKst),
    DB_FIELD(AppSatz, AppZf1), DB_FIELD(AppSatz, AppZf2), DB_FIELD(AppSatz, AppZf3), DB_FIELD(AppSatz, AppKnz),
    DB_FIELD(AppSatz, AppSsn), DB_FIELD(AppSatz, AppDna), DB_FIELD(AppSatz, AppDwn), DB_FIELD(AppSatz, AppSta),
    DB_FIELD(AppSatz, AppDat), DB_FIELD(AppSatz, AppErf)};

// The row as written: each of the eight moments from its two fields; AppDat
// is left to the database.
constexpr db::Field kWrite[] = {
    DB_FIELD(AppSatz, AppApk), DB_FIELD(AppSatz, AppApp), DB_FIELD(AppSatz, AppVaf), DB_FIELD(AppSatz, AppNaf),
    DB_FIELD(AppSatz, AppBz1), DB_FIELD(AppSatz, AppBz2), DB_FIELD(AppSatz, AppTxt), DB_FIELD(AppSatz, AppSts),
    DB_FIELD(AppSatz, AppSis), DB_MOMENT(AppSatz, AppBdi, AppBdiUhr), DB_MOMENT(AppSatz, AppBds, AppBdsUhr),
    DB_MOMENT(AppSatz, AppSbd, AppSbdUhr), DB_MOMENT(AppSatz, AppEdi, AppEdiUhr),
    DB_MOMENT(AppSatz, AppEds, AppEdsUhr), DB_MOMENT(AppSatz, AppSed, AppSedUhr),
    DB_MOMENT(AppSatz, AppRad, AppRadUhr), DB_MOMENT(AppSatz, AppRed, AppRedUhr), DB_FIELD(AppSatz, AppAgs),
    DB_FIELD(AppSatz, AppAbs), DB_FIELD(AppSatz, AppAes), DB_FIELD(AppSatz, AppSme), DB_FIELD(AppSatz, AppIme),
    DB_FIELD(AppSatz, AppAme), DB_FIELD(AppSatz, AppMee), DB_FIELD(AppSatz, AppSza), DB_FIELD(AppSatz, AppStr),
    DB_FIELD(AppSatz, AppSte), DB_FIELD(AppSatz, AppIta), DB_FIELD(AppSatz, AppItr), DB_FIELD(AppSatz, AppIte),
    DB_FIELD(AppSatz, AppApg), DB_FIELD(AppSatz, AppApl), DB_FIELD(AppSatz, AppKt1), DB_FIELD(AppSatz, AppKz1),
    DB_FIELD(AppSatz, AppKt2), DB_FIELD(AppSatz, AppKz2), DB_FIELD(AppSatz, AppKt3), DB_FIELD(AppSatz, AppKz3),
    DB_FIELD(AppSatz, AppKt4), DB_FIELD(AppSatz, AppKz4), DB_FIELD(AppSatz, AppFbe), DB_FIELD(AppSatz, AppKst),
    DB_FIELD(AppSatz, AppZf1), DB_FIELD(AppSatz, AppZf2), DB_FIELD(AppSatz, AppZf3), DB_FIELD(AppSatz, AppKnz),
    DB_FIELD(AppSatz, AppSsn), DB_FIELD(AppSatz, AppDna), DB_FIELD(AppSatz, AppDwn), DB_FIELD(AppSatz, AppSta),
    DB_FIELD(AppSatz, AppErf)};

constexpr db::Field kKey[] = {DB_FIELD(AppSatz, AppApk), DB_FIELD(AppSatz, AppApp)};

// The keyed read and the package cursor deliver the same columns.
#define APP_SELECT_FROM \
    "select AppApk ,AppApp ,AppVaf ,AppNaf ,AppBz1 ,AppBz2 ,AppTxt ,AppSts ,AppSis ," \
    "TO_CHAR(AppBdi,'yyyymmdd') ,TO_CHAR(AppBdi,'HH24MISS') ,TO_CHAR(AppBds,'yyyymmdd') ," \
    "TO_CHAR(AppBds,'HH24MISS') ,TO_CHAR(AppSbd,'yyyymmdd') ,TO_CHAR(AppSbd,'HH24MISS') ," \
    "TO_CHAR(AppEdi,'yyyymmdd') ,TO_CHAR(AppEdi,'HH24MISS') ,TO_CHAR(AppEds,'yyyymmdd') ," \
    "TO_CHAR(AppEds,'HH24MISS') ,TO_CHAR(AppSed,'yyyymmdd') ,TO_CHAR(AppSed,'HH24MISS') ," \
    "TO_CHAR(AppRad,'yyyymmdd') ,TO_CHAR(AppRad,'HH24MISS') ,TO_CHAR(AppRed,'yyyymmdd') ," \
    "TO_CHAR(AppRed,'HH24MISS') ,AppAgs ,AppAbs ,AppAes ,AppSme ,AppIme ,AppAme ,AppMee ,AppSza ,AppStr ," \
    "AppSte ,AppIta ,AppItr ,AppIte ,AppApg ,AppApl ,AppKt1 ,AppKz1 ,AppKt2 ,AppKz2 ,AppKt3 ,AppKz3 ,AppKt4 ," \
    "AppKz4 ,AppFbe ,AppKst ,AppZf1 ,AppZf2 ,AppZf3 ,AppKnz ,AppSsn ,AppDna ,AppDwn ,AppSta ," \
    "TO_CHAR(AppDat,'yyyymmddHH24MISS') ,AppErf  from Kvs504App "

db::Query& packageQuery() {
  static db::Query q("App_Zf2", APP_SELECT_FROM "where AppZf2=:b0 order by AppZf2");
  return q;
}

}  // namespace

int App_PKeyReadk(AppSatz* app) {
  static db::Query q("App_PKeyReadk", APP_SELECT_FROM "where (AppApk=:b0 and AppApp=:b2)");
  return db::readRecord(q, app, kKey, kRow, db::OnFailure::KeepKey);
}

int App_PKeyUpd(const AppSatz* app) {
  static db::Query q("App_PKeyUpd",
                     "update Kvs504App  set AppApk=:b0,AppApp=:b1,AppVaf=:b2,AppNaf=:b3,AppBz1=:b4,AppBz2=:b5,"
                     "AppTxt=:b6,AppSts=:b7,AppSis=:b8,AppBdi=TO_DATE(:b9,'yyyymmddHH24MISS'),"
                     "AppBds=TO_DATE(:b10,'yyyymmddHH24MISS'),AppSbd=TO_DATE(:b11,'yyyymmddHH24MISS'),"
                     "AppEdi=TO_DATE(:b12,'yyyymmddHH24MISS'),AppEds=TO_DATE(:b13,'yyyymmddHH24MISS'),"
                     "AppSed=TO_DATE(:b14,'yyyymmddHH24MISS'),AppRad=TO_DATE(:b15,'yyyymmddHH24MISS'),"
                     "AppRed=TO_DATE(:b16,'yyyymmddHH24MISS'),AppAgs=:b17,AppAbs=:b18,AppAes=:b19,AppSme=:b20,"
                     "AppIme=:b21,AppAme=:b22,AppMee=:b23,AppSza=:b24,AppStr=:b25,AppSte=:b26,AppIta=:b27,"
                     "AppItr=:b28,AppIte=:b29,AppApg=:b30,AppApl=:b31,AppKt1=:b32,AppKz1=:b33,AppKt2=:b34,"
                     "AppKz2=:b35,AppKt3=:b36,AppKz3=:b37,AppKt4=:b38,AppKz4=:b39,AppFbe=:b40,AppKst=:b41,"
                     "AppZf1=:b42,AppZf2=:b43,AppZf3=:b44,AppKnz=:b45,AppSsn=:b46,AppDna=:b47,AppDwn=:b48,"
                     "AppSta=:b49,AppErf=:b50,AppDat=sysdate where (AppApk=:b0 and AppApp=:b1)");
  return db::write(q, db::fieldValues(app, kWrite));
}

App_Zf2::App_Zf2() : RecordCursor(packageQuery(), kRow) {}
int App_Zf2::Open(const char* zf2) {
  const db::Value params[] = {db::Value::text(zf2 ? zf2 : "")};
  return cursor_.open(params);
}

int App_PKeyIns(const AppSatz* app) {
  static db::Query q("App_PKeyIns",
                     "insert into Kvs504App (AppApk,AppApp,AppVaf,AppNaf,AppBz1,AppBz2,AppTxt,AppSts,AppSis,"
                     "AppBdi,AppBds,AppSbd,AppEdi,AppEds,AppSed,AppRad,AppRed,AppAgs,AppAbs,AppAes,AppSme,AppIme,"
                     "AppAme,AppMee,AppSza,AppStr,AppSte,AppIta,AppItr,AppIte,AppApg,AppApl,AppKt1,AppKz1,AppKt2,"
                     "AppKz2,AppKt3,AppKz3,AppKt4,AppKz4,AppFbe,AppKst,AppZf1,AppZf2,AppZf3,AppKnz,AppSsn,AppDna,"
                     "AppDwn,AppSta,AppErf,AppDat) values (:b0,:b1,:b2,:b3,:b4,:b5,:b6,:b7,:b8,"
                     "TO_DATE(:b9,'yyyymmddHH24MISS'),TO_DATE(:b10,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b11,'yyyymmddHH24MISS'),TO_DATE(:b12,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b13,'yyyymmddHH24MISS'),TO_DATE(:b14,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b15,'yyyymmddHH24MISS'),TO_DATE(:b16,'yyyymmddHH24MISS'),:b17,:b18,:b19,:b20,:b21,"
                     ":b22,:b23,:b24,:b25,:b26,:b27,:b28,:b29,:b30,:b31,:b32,:b33,:b34,:b35,:b36,:b37,:b38,:b39,"
                     ":b40,:b41,:b42,:b43,:b44,:b45,:b46,:b47,:b48,:b49,:b50,sysdate)");
  return db::write(q, db::fieldValues(app, kWrite));
}
