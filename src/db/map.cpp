#include "db/map.h"

#include "db/access.h"

namespace {

#define MAP_SELECT_LIST                                                                                     \
  "select MapBnr,MapObj,MapPnr,MapApl,MapApk,MapApp,Map00E,Map00R,Map00A,Map00U,Map00S,Map006,Map007,"      \
  "Map008,Map009,Map010,Map011,Map012,Map013,Map014,Map015,Map016,TO_CHAR(MapMdt,'yyyymmdd'),"              \
  "TO_CHAR(MapMzt,'HH24MISS'),MapErf,MapSts,MapUbg,MapTnr  from Kvs565Map "

constexpr db::Field kRow[] = {
    DB_FIELD(MapSatz, MapBnr), DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapPnr), DB_FIELD(MapSatz, MapApl),
    DB_FIELD(MapSatz, MapApk), DB_FIELD(MapSatz, MapApp), DB_FIELD(MapSatz, Map00E), DB_FIELD(MapSatz, Map00R),
    DB_FIELD(MapSatz, Map00A), DB_FIELD(MapSatz, Map00U), DB_FIELD(MapSatz, Map00S), DB_FIELD(MapSatz, Map006),
    DB_FIELD(MapSatz, Map007), DB_FIELD(MapSatz, Map008), DB_FIELD(MapSatz, Map009), DB_FIELD(MapSatz, Map010),
    DB_FIELD(MapSatz, Map011), DB_FIELD(MapSatz, Map012), DB_FIELD(MapSatz, Map013), DB_FIELD(MapSatz, Map014),
    DB_FIELD(MapSatz, Map015), DB_FIELD(MapSatz, Map016), DB_FIELD(MapSatz, MapMdt), DB_FIELD(MapSatz, MapMzt),
    DB_FIELD(MapSatz, MapErf), DB_FIELD(MapSatz, MapSts), DB_FIELD(MapSatz, MapUbg), DB_FIELD(MapSatz, MapTnr)};

// Insert and update: the moment of the last booking is bound once and
// written into both MapMdt and MapMzt.
constexpr db::Field kBind[] = {
    DB_FIELD(MapSatz, MapBnr), DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapPnr), DB_FIELD(MapSatz, MapApl),
    DB_FIELD(MapSatz, MapApk), DB_FIELD(MapSatz, MapApp), DB_FIELD(MapSatz, Map00E), DB_FIELD(MapSatz, Map00R),
    DB_FIELD(MapSatz, Map00A), DB_FIELD(MapSatz, Map00U), DB_FIELD(MapSatz, Map00S), DB_FIELD(MapSatz, Map006),
    DB_FIELD(MapSatz, Map007), DB_FIELD(MapSatz, Map008), DB_FIELD(MapSatz, Map009), DB_FIELD(MapSatz, Map010),
    DB_FIELD(MapSatz, Map011), DB_FIELD(MapSatz, Map012), DB_FIELD(MapSatz, Map013), DB_FIELD(MapSatz, Map014),
    DB_FIELD(MapSatz, Map015), DB_FIELD(MapSatz, Map016), DB_MOMENT(MapSatz, MapMdt, MapMzt),
    DB_FIELD(MapSatz, MapErf), DB_FIELD(MapSatz, MapSts), DB_FIELD(MapSatz, MapUbg), DB_FIELD(MapSatz, MapTnr)};

constexpr db::Field kKey[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapApl), DB_FIELD(MapSatz, MapApk),
                              DB_FIELD(MapSatz, MapApp), DB_FIELD(MapSatz, MapPnr)};
constexpr db::Field kObjApl[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapApl)};
constexpr db::Field kObjAplApp[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapApl),
                                    DB_FIELD(MapSatz, MapApk), DB_FIELD(MapSatz, MapApp)};
constexpr db::Field kObjPnr[] = {DB_FIELD(MapSatz, MapObj), DB_FIELD(MapSatz, MapPnr)};

db::Query& aplPnrQuery() {
  static db::Query q("Map_AplPnr", MAP_SELECT_LIST "where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapPnr");
  return q;
}

db::Query& appPnrQuery() {
  static db::Query q("Map_AppPnr", MAP_SELECT_LIST
                     "where (((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) "
                     "order by MapObj,MapApl,MapApk,MapApp,MapPnr");
  return q;
}

db::Query& aplAppQuery() {
  static db::Query q("Map_AplApp",
                     MAP_SELECT_LIST "where (MapObj=:b0 and MapApl=:b1) order by MapObj,MapApl,MapApk,MapApp");
  return q;
}

db::Query& pnrQuery() {
  static db::Query q("Map_Pnr", MAP_SELECT_LIST
                     "where (MapObj=:b0 and MapPnr=:b1) "
                     "order by MapObj,MapPnr,TO_CHAR(MapMdt,'yyyymmdd'),TO_CHAR(MapMzt,'HH24MISS')");
  return q;
}

}  // namespace

int Map_PKeyIns(const MapSatz* map) {
  static db::Query q("Map_PKeyIns",
                     "insert into Kvs565Map (MapBnr,MapObj,MapPnr,MapApl,MapApk,MapApp,Map00E,Map00R,Map00A,"
                     "Map00U,Map00S,Map006,Map007,Map008,Map009,Map010,Map011,Map012,Map013,Map014,Map015,"
                     "Map016,MapMdt,MapMzt,MapErf,MapSts,MapUbg,MapTnr,MapDat) values (:b0,:b1,:b2,:b3,:b4,:b5,"
                     ":b6,:b7,:b8,:b9,:b10,:b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,:b19,:b20,:b21,"
                     "TO_DATE(:b22,'yyyymmddHH24MISS'),TO_DATE(:b22,'yyyymmddHH24MISS'),:b24,:b25,:b26,:b27,"
                     "sysdate)");
  return db::writeRecord(q, map, kBind);
}

// The key columns of the WHERE clause are bound to the same fields as the
// SET list, so only the row of the record's own key can be changed.
int Map_PKeyUpd(const MapSatz* map) {
  static db::Query q("Map_PKeyUpd",
                     "update Kvs565Map  set MapBnr=:b0,MapObj=:b1,MapPnr=:b2,MapApl=:b3,MapApk=:b4,MapApp=:b5,"
                     "Map00E=:b6,Map00R=:b7,Map00A=:b8,Map00U=:b9,Map00S=:b10,Map006=:b11,Map007=:b12,"
                     "Map008=:b13,Map009=:b14,Map010=:b15,Map011=:b16,Map012=:b17,Map013=:b18,Map014=:b19,"
                     "Map015=:b20,Map016=:b21,MapMdt=TO_DATE(:b22,'yyyymmddHH24MISS'),"
                     "MapMzt=TO_DATE(:b22,'yyyymmddHH24MISS'),MapErf=:b24,MapSts=:b25,MapUbg=:b26,MapTnr=:b27,"
                     "MapDat=sysdate "
                     "where ((((MapObj=:b1 and MapApl=:b3) and MapApk=:b4) and MapApp=:b5) and MapPnr=:b2)");
  return db::writeRecord(q, map, kBind);
}

int Map_PKeyDel(const MapSatz* map) {
  static db::Query q("Map_PKeyDel",
                     "delete  from Kvs565Map  "
                     "where ((((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) and MapPnr=:b4)");
  return db::writeRecord(q, map, kKey);
}

int Map_PKeyReadk(MapSatz* map) {
  static db::Query q("Map_PKeyReadk", MAP_SELECT_LIST
                     "where ((((MapObj=:b0 and MapApl=:b1) and MapApk=:b2) and MapApp=:b3) and MapPnr=:b4)");
  return db::readRecord(q, map, kKey, kRow, db::OnFailure::KeepKey);
}

Map_AplPnr::Map_AplPnr() : RecordCursor(aplPnrQuery(), kRow) {}
int Map_AplPnr::Open(const MapSatz* params) { return cursor_.open(params, kObjApl); }

Map_AppPnr::Map_AppPnr() : RecordCursor(appPnrQuery(), kRow) {}
int Map_AppPnr::Open(const MapSatz* params) { return cursor_.open(params, kObjAplApp); }

Map_AplApp::Map_AplApp() : RecordCursor(aplAppQuery(), kRow) {}
int Map_AplApp::Open(const MapSatz* params) { return cursor_.open(params, kObjApl); }

Map_Pnr::Map_Pnr() : RecordCursor(pnrQuery(), kRow) {}
int Map_Pnr::Open(const MapSatz* params) { return cursor_.open(params, kObjPnr); }

