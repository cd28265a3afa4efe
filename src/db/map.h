// Kvs565Map: the state vector of every active bookable object.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

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

// Vector cursors (_Open with the parameter fields named, _Read one row per
// call, 1403 at the end with the record unchanged, _Close).

// MapObj, MapApl; ordered by MapPnr.
int Map_AplPnr_Open(const MapSatz* params);
int Map_AplPnr_Read(MapSatz* map);
int Map_AplPnr_Close();

// MapObj, MapApl, MapApk, MapApp; ordered by MapPnr.
int Map_AppPnr_Open(const MapSatz* params);
int Map_AppPnr_Read(MapSatz* map);
int Map_AppPnr_Close();

// MapObj, MapApl; ordered by MapApk, MapApp.
int Map_AplApp_Open(const MapSatz* params);
int Map_AplApp_Read(MapSatz* map);
int Map_AplApp_Close();

// MapObj, MapPnr; ordered by the date and time of the last booking.
int Map_Pnr_Open(const MapSatz* params);
int Map_Pnr_Read(MapSatz* map);
int Map_Pnr_Close();
