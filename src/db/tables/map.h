// Kvs565Map: the state vector of every active bookable object.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct MapSatz {
  std::int32_t MapBnr = 0;  // booking number of the last booking that touched the row
  FixedText<4> MapObj;      // object kind, as ObjTyp of the booking
  FixedText<9> MapPnr;      // key parts a kind does not use hold zeros
  FixedText<11> MapApl;
  FixedText<13> MapApk;
  FixedText<6> MapApp;
  FixedText<2> Map00E;  // the 16 state flags, "0" or "1"
  FixedText<2> Map00R;
  FixedText<2> Map00A;
  FixedText<2> Map00U;
  FixedText<2> Map00S;
  FixedText<2> Map006;
  FixedText<2> Map007;
  FixedText<2> Map008;
  FixedText<2> Map009;
  FixedText<2> Map010;
  FixedText<2> Map011;
  FixedText<2> Map012;
  FixedText<2> Map013;
  FixedText<2> Map014;
  FixedText<2> Map015;
  FixedText<2> Map016;
  FixedText<9> MapMdt;  // yyyymmdd of the last booking
  FixedText<7> MapMzt;  // HH24MISS of the last booking
  FixedText<9> MapErf;
  FixedText<2> MapSts;  // activity flag
  FixedText<6> MapUbg;  // current interruption reason
  FixedText<21> MapTnr;
};

// The key is (MapObj, MapApl, MapApk, MapApp, MapPnr). Writes commit at once
// when they succeed; MapMdt and MapMzt are written as one moment into both
// date columns and MapDat becomes sysdate.
int Map_PKeyIns(const MapSatz* map);
// Sets every column of the row whose key equals the record's key.
int Map_PKeyUpd(const MapSatz* map);
int Map_PKeyDel(const MapSatz* map);
// Reads the row of the record's key; on failure only the key fields stay
// and the rest is cleared -- do not use the record then.
int Map_PKeyReadk(MapSatz* map);

// Vector cursors (Open with the parameter fields named, Read one row per
// call, 1403 at the end with the record unchanged, Close).

// MapObj, MapApl; ordered by MapPnr.
class Map_AplPnr : public db::RecordCursor<MapSatz> {
 public:
  Map_AplPnr();
  int Open(const MapSatz* params);
};

// MapObj, MapApl, MapApk, MapApp; ordered by MapPnr.
class Map_AppPnr : public db::RecordCursor<MapSatz> {
 public:
  Map_AppPnr();
  int Open(const MapSatz* params);
};

// MapObj, MapApl; ordered by MapApk, MapApp.
class Map_AplApp : public db::RecordCursor<MapSatz> {
 public:
  Map_AplApp();
  int Open(const MapSatz* params);
};

// MapObj, MapPnr; ordered by the date and time of the last booking.
class Map_Pnr : public db::RecordCursor<MapSatz> {
 public:
  Map_Pnr();
  int Open(const MapSatz* params);
};
