#include "booking/vector/state_vector.h"

#include <string_view>

#include "base/status.h"
#include "base/msglog.h"
#include "booking/vector/vector_key.h"

namespace {

constexpr std::int16_t kVectorWriteFailed = 5001;
constexpr std::int16_t kNotActive = 5002;
constexpr std::int16_t kNotAllowedNow = 5003;
constexpr std::int16_t kNoWorkPlaceOrder = 5005;
constexpr std::int16_t kVectorReadFailed = 5013;

bool IsEndCode(std::string_view msk) { return IsOneOf(msk, {"AF", "FF", "ES", "ME", "AE", "RE", "PE"}); }

// Codes that need an active object: without a row they are refused.
bool NeedsActiveObject(std::string_view msk) {
  return IsOneOf(msk, {"AE", "PE", "PW", "PU", "AW", "AU", "RE", "ES", "AF", "FF", "ME"});
}

void Stamp(const MelSatz& mel, MapSatz* map) {
  map->MapMdt = mel.KeyDat;
  map->MapMzt = mel.KeyUhr;
  map->MapErf = mel.MelErf;
  map->MapBnr = mel.KeyBnr;
}

// "RB" and "AB" switch an idle object on; on an active one they are refused.
void SwitchOn(MelSatz* mel, MapSatz* v, FixedText<2> MapSatz::* flag) {
  if (v->MapSts == "0") {
    v->*flag = "1";
    v->MapSts = "1";
  } else {
    mel->MelFnr = kNotAllowedNow;
  }
}

void Interrupt(MapSatz* v, std::string_view reason) {
  v->Map00U = "1";
  v->MapSts = "0";
  v->MapUbg = reason;
}

void Resume(MapSatz* v) {
  v->Map00U = "0";
  v->MapSts = "1";
  v->MapUbg = "0000";
}

void ApplyTransition(MelSatz* mel, MapSatz* v) {
  const std::string_view msk = mel->MelMsk.view();
  if (msk == "RB") SwitchOn(mel, v, &MapSatz::Map00R);
  else if (msk == "AB") SwitchOn(mel, v, &MapSatz::Map00A);
  else if (msk == "AU") { Interrupt(v, mel->KeyUbg); v->MapTnr = mel->KeyTnr; }
  else if (msk == "PU") Interrupt(v, mel->KeyUbg);
  else if (msk == "AW" || msk == "PW") Resume(v);
}

// Flags a new row starts with; "PA" takes them from its work-place order.
void ApplyCreation(MelSatz* mel, MapSatz* v, bool* insert) {
  const std::string_view msk = mel->MelMsk.view();
  if (msk == "AS" || msk == "FS") { v->Map00E = "1"; v->Map00S = "1"; v->MapSts = "1"; }
  else if (msk == "BS") { v->Map00E = "1"; v->Map00U = "1"; v->MapSts = "1"; }
  else if (msk == "MA") { v->Map00E = "1"; v->MapSts = "1"; }
  else if (msk == "RB") { v->Map00E = "1"; v->Map00R = "1"; v->MapSts = "1"; }
  else if (msk == "AB") { v->Map00E = "1"; v->Map00A = "1"; v->MapSts = "1"; }
  else if (msk == "PA" && Upd_Vektor(v) != status::kOk) {
    mel->MelFnr = kNoWorkPlaceOrder;
    v->Map00E = "1";
    v->MapSts = "0";
    *insert = false;
  }
}

}  // namespace

void AktiveZstd_Aktual(MelSatz* mel) {
  MapSatz map;
  if (BuildVectorKey(*mel, &map)) {
    MapSatz row = map;
    int rc = Map_PKeyReadk(&row);
    if (rc == status::kOk) {
      Yes_AktivZusatand(mel, &row);
      map = row;
    } else if (rc == status::kNoRow) {
      Not_AktivZusatand(mel, &map);
    } else {
      LogError("AktiveZstd_Aktual", "Map_PKeyReadk", rc);
      mel->MelFnr = kVectorReadFailed;
    }
  }
  CopyFlagsToBooking(map, mel);
}

void Yes_AktivZusatand(MelSatz* mel, MapSatz* map) {
  MapSatz v = *map;
  Stamp(*mel, &v);
  const std::string_view msk = mel->MelMsk.view();
  if (IsEndCode(msk)) {
    // The caller keeps the row as read: the booking records the state it ended.
    int rc = Map_PKeyDel(&v);
    if (rc != status::kOk) {
      LogError("Yes_AktivZusatand", "Map_PKeyDel", rc);
      mel->MelFnr = kVectorWriteFailed;
    }
    return;
  }
  if (IsOneOf(msk, {"BS", "AS", "MA", "PA"})) mel->MelFnr = kNotAllowedNow;
  ApplyTransition(mel, &v);
  // Written also for a refused code, so that the time stamp moves.
  int rc = Map_PKeyUpd(&v);
  if (rc != status::kOk) {
    LogError("Yes_AktivZusatand", "Map_PKeyUpd", rc);
    mel->MelFnr = kVectorWriteFailed;
    return;
  }
  *map = v;
}

void Not_AktivZusatand(MelSatz* mel, MapSatz* map) {
  MapSatz v = *map;
  Stamp(*mel, &v);
  v.MapTnr = mel->KeyTnr;
  v.MapUbg = mel->KeyUbg;
  v.MapSts = "0";
  SetAllFlags(&v, "0");
  bool insert = true;
  if (NeedsActiveObject(mel->MelMsk)) {
    mel->MelFnr = kNotActive;
    insert = false;
  }
  ApplyCreation(mel, &v, &insert);
  if (insert) {
    int rc = Map_PKeyIns(&v);
    if (rc != status::kOk) {
      LogError("Not_AktivZusatand", "Map_PKeyIns", rc);
      mel->MelFnr = kVectorWriteFailed;
    }
  }
  *map = v;
}

int Upd_Vektor(MapSatz* map) {
  MapSatz order = WorkPlaceOrderKey(map->MapApl, map->MapApk, map->MapApp);
  int rc = Map_PKeyReadk(&order);
  if (rc != status::kOk) {
    LogError("Upd_Vektor", "Map_PKeyReadk", rc);
    return rc;
  }
  map->Map00E = order.Map00E;
  map->Map00R = order.Map00R;
  map->Map00A = order.Map00A;
  map->Map00U = order.Map00U;
  map->Map00S = order.Map00S;
  return status::kOk;
}
