#include "db/tables/app.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// AppDat is read as it is and set to the database time by every write.
constexpr db::Column kColumns[] = {
    DB_COLUMN(AppSatz, AppApk), DB_COLUMN(AppSatz, AppApp), DB_COLUMN(AppSatz, AppVaf),
    DB_COLUMN(AppSatz, AppNaf), DB_COLUMN(AppSatz, AppBz1), DB_COLUMN(AppSatz, AppBz2),
    DB_COLUMN(AppSatz, AppTxt), DB_COLUMN(AppSatz, AppSts), DB_COLUMN(AppSatz, AppSis),
    DB_MOMENT_COLUMN(AppSatz, AppBdi, AppBdiUhr), DB_MOMENT_COLUMN(AppSatz, AppBds, AppBdsUhr),
    DB_MOMENT_COLUMN(AppSatz, AppSbd, AppSbdUhr), DB_MOMENT_COLUMN(AppSatz, AppEdi, AppEdiUhr),
    DB_MOMENT_COLUMN(AppSatz, AppEds, AppEdsUhr), DB_MOMENT_COLUMN(AppSatz, AppSed, AppSedUhr),
    DB_MOMENT_COLUMN(AppSatz, AppRad, AppRadUhr), DB_MOMENT_COLUMN(AppSatz, AppRed, AppRedUhr),
    DB_COLUMN(AppSatz, AppAgs), DB_COLUMN(AppSatz, AppAbs), DB_COLUMN(AppSatz, AppAes),
    DB_COLUMN(AppSatz, AppSme), DB_COLUMN(AppSatz, AppIme), DB_COLUMN(AppSatz, AppAme),
    DB_COLUMN(AppSatz, AppMee), DB_COLUMN(AppSatz, AppSza), DB_COLUMN(AppSatz, AppStr),
    DB_COLUMN(AppSatz, AppSte), DB_COLUMN(AppSatz, AppIta), DB_COLUMN(AppSatz, AppItr),
    DB_COLUMN(AppSatz, AppIte), DB_COLUMN(AppSatz, AppApg), DB_COLUMN(AppSatz, AppApl),
    DB_COLUMN(AppSatz, AppKt1), DB_COLUMN(AppSatz, AppKz1), DB_COLUMN(AppSatz, AppKt2),
    DB_COLUMN(AppSatz, AppKz2), DB_COLUMN(AppSatz, AppKt3), DB_COLUMN(AppSatz, AppKz3),
    DB_COLUMN(AppSatz, AppKt4), DB_COLUMN(AppSatz, AppKz4), DB_COLUMN(AppSatz, AppFbe),
    DB_COLUMN(AppSatz, AppKst), DB_COLUMN(AppSatz, AppZf1), DB_COLUMN(AppSatz, AppZf2),
    DB_COLUMN(AppSatz, AppZf3), DB_COLUMN(AppSatz, AppKnz), DB_COLUMN(AppSatz, AppSsn),
    DB_COLUMN(AppSatz, AppDna), DB_COLUMN(AppSatz, AppDwn), DB_COLUMN(AppSatz, AppSta),
    DB_TOUCHED_STAMP(AppSatz, AppDat), DB_COLUMN(AppSatz, AppErf)};

constexpr db::KeyNames kKey = {"AppApk", "AppApp"};

const db::Table& app() { return db::tables::App(); }

db::Query& packageQuery() {
  static db::Query q("App_Zf2", app().select() + "where AppZf2=:b0 order by AppZf2");
  return q;
}

}  // namespace

const db::Table& db::tables::App() {
  static const db::Table table("Kvs504App", kColumns);
  return table;
}

int App_PKeyReadk(AppSatz* a) {
  static const db::KeyCondition key = app().key(kKey);
  static db::Query q("App_PKeyReadk", app().select() + key.where);
  return db::readRecord(q, a, key.binds, app().rowFields(), db::OnFailure::KeepKey);
}

int App_PKeyUpd(const AppSatz* a) {
  static const db::RowUpdate u = app().update(kKey);
  static db::Query q("App_PKeyUpd", u.sql);
  return db::writeRecord(q, a, u.binds);
}

App_Zf2::App_Zf2() : RecordCursor(packageQuery(), app().rowFields()) {}
int App_Zf2::Open(const char* zf2) {
  const db::Value params[] = {db::Value::text(zf2 ? zf2 : "")};
  return cursor_.open(params);
}

int App_PKeyIns(const AppSatz* a) {
  static db::Query q("App_PKeyIns", app().insert());
  return db::writeRecord(q, a, app().writeFields());
}
