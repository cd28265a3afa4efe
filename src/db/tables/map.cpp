#include "db/tables/map.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// The moment of the last booking is written whole into both MapMdt and
// MapMzt and read back as the date of the one and the time of the other.
constexpr db::Column kColumns[] = {
    DB_COLUMN(MapSatz, MapBnr), DB_COLUMN(MapSatz, MapObj), DB_COLUMN(MapSatz, MapPnr),
    DB_COLUMN(MapSatz, MapApl), DB_COLUMN(MapSatz, MapApk), DB_COLUMN(MapSatz, MapApp),
    DB_COLUMN(MapSatz, Map00E), DB_COLUMN(MapSatz, Map00R), DB_COLUMN(MapSatz, Map00A),
    DB_COLUMN(MapSatz, Map00U), DB_COLUMN(MapSatz, Map00S), DB_COLUMN(MapSatz, Map006),
    DB_COLUMN(MapSatz, Map007), DB_COLUMN(MapSatz, Map008), DB_COLUMN(MapSatz, Map009),
    DB_COLUMN(MapSatz, Map010), DB_COLUMN(MapSatz, Map011), DB_COLUMN(MapSatz, Map012),
    DB_COLUMN(MapSatz, Map013), DB_COLUMN(MapSatz, Map014), DB_COLUMN(MapSatz, Map015),
    DB_COLUMN(MapSatz, Map016), DB_SPLIT_MOMENT(MapSatz, MapMdt, MapMzt), DB_COLUMN(MapSatz, MapErf),
    DB_COLUMN(MapSatz, MapSts), DB_COLUMN(MapSatz, MapUbg), DB_COLUMN(MapSatz, MapTnr),
    DB_TOUCHED("MapDat")};

constexpr db::KeyNames kKey = {"MapObj", "MapApl", "MapApk", "MapApp", "MapPnr"};

constexpr db::Field kObjApl[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapApl)};
constexpr db::Field kObjAplApp[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapApl),
                                    DB_FIELD(MapSatz, MapApk), DB_FIELD(MapSatz, MapApp)};
constexpr db::Field kObjPnr[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapPnr)};

const db::Table& map() { return db::tables::Map(); }

db::Query& aplPnrQuery() {
  static db::Query q("Map_AplPnr", map().select() + "where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapPnr");
  return q;
}

db::Query& appPnrQuery() {
  static db::Query q("Map_AppPnr", map().select() +
                                       "where (((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) "
                                       "order by MapObj,MapApl,MapApk,MapApp,MapPnr");
  return q;
}

db::Query& aplAppQuery() {
  static db::Query q("Map_AplApp",
                     map().select() + "where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapApk,MapApp");
  return q;
}

db::Query& pnrQuery() {
  static db::Query q("Map_Pnr", map().select() +
                                    "where (MapObj=:b0 and MapPnr=:b1) "
                                    "order by MapObj,MapPnr,TO_CHAR(MapMdt,'yyyymmdd'),TO_CHAR(MapMzt,'HH24MISS')");
  return q;
}

}  // namespace

const db::Table& db::tables::Map() {
  static const db::Table table("Kvs565Map", kColumns);
  return table;
}

int Map_PKeyIns(const MapSatz* v) {
  static db::Query q("Map_PKeyIns", map().insert());
  return db::writeRecord(q, v, map().writeFields());
}

int Map_PKeyUpd(const MapSatz* v) {
  static const db::RowUpdate u = map().update(kKey);
  static db::Query q("Map_PKeyUpd", u.sql);
  return db::writeRecord(q, v, u.binds);
}

int Map_PKeyDel(const MapSatz* v) {
  static const db::KeyCondition key = map().key(kKey);
  static db::Query q("Map_PKeyDel", map().erase(kKey));
  return db::writeRecord(q, v, key.binds);
}

int Map_PKeyReadk(MapSatz* v) {
  static const db::KeyCondition key = map().key(kKey);
  static db::Query q("Map_PKeyReadk", map().select() + key.where);
  return db::readRecord(q, v, key.binds, map().rowFields(), db::OnFailure::KeepKey);
}

Map_AplPnr::Map_AplPnr() : RecordCursor(aplPnrQuery(), map().rowFields()) {}
int Map_AplPnr::Open(const MapSatz* params) { return cursor_.open(params, kObjApl); }

Map_AppPnr::Map_AppPnr() : RecordCursor(appPnrQuery(), map().rowFields()) {}
int Map_AppPnr::Open(const MapSatz* params) { return cursor_.open(params, kObjAplApp); }

Map_AplApp::Map_AplApp() : RecordCursor(aplAppQuery(), map().rowFields()) {}
int Map_AplApp::Open(const MapSatz* params) { return cursor_.open(params, kObjApl); }

Map_Pnr::Map_Pnr() : RecordCursor(pnrQuery(), map().rowFields()) {}
int Map_Pnr::Open(const MapSatz* params) { return cursor_.open(params, kObjPnr); }
