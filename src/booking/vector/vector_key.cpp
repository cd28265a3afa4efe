#include "booking/vector/vector_key.h"

namespace {

void SetKey(MapSatz* map, std::string_view apl, std::string_view apk, std::string_view app,
            std::string_view pnr) {
  map->MapApl = apl;
  map->MapApk = apk;
  map->MapApp = app;
  map->MapPnr = pnr;
}

}  // namespace

bool BuildVectorKey(const MelSatz& mel, MapSatz* map) {
  *map = MapSatz();
  SetAllFlags(map, "0");
  const std::string_view kind = mel.ObjTyp.view();
  if (kind == "M__") SetKey(map, mel.KeyApl, kNoOrder, kNoOperation, kNoPerson);
  else if (kind == "M_A") SetKey(map, mel.KeyApl, mel.KeyApk, mel.KeyApp, kNoPerson);
  else if (kind == "__A") SetKey(map, kNoWorkPlace, mel.KeyApk, mel.KeyApp, kNoPerson);
  else if (kind == "MPA") SetKey(map, mel.KeyApl, mel.KeyApk, mel.KeyApp, mel.KeyPnr);
  else if (kind == "MP_") SetKey(map, mel.KeyApl, kNoOrder, kNoOperation, mel.KeyPnr);
  else return false;
  map->MapObj = kind;
  return true;
}

MapSatz WorkPlaceOrderKey(std::string_view apl, std::string_view apk, std::string_view app) {
  MapSatz map;
  map.MapObj = "M_A";
  SetKey(&map, apl, apk, app, kNoPerson);
  return map;
}

void SetAllFlags(MapSatz* map, std::string_view value) {
  for (auto flag : kVectorFlags) map->*flag = value;
}

void CopyFlagsToBooking(const MapSatz& map, MelSatz* mel) {
  for (int k = 0; k < 16; ++k) mel->*kBookingFlags[k] = map.*kVectorFlags[k];
}

bool IsOneOf(std::string_view code, std::initializer_list<std::string_view> codes) {
  for (std::string_view c : codes)
    if (code == c) return true;
  return false;
}
