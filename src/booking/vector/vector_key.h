// The state-vector key of a booked object and the flags a vector shares
// with its bookings.
#pragma once

#include <initializer_list>
#include <string_view>

#include "db/tables/map.h"
#include "db/tables/mel.h"

// Key parts an object kind does not use hold zeros of their full width.
inline constexpr std::string_view kNoWorkPlace = "0000000000";
inline constexpr std::string_view kNoOrder = "000000000000";
inline constexpr std::string_view kNoOperation = "00000";
inline constexpr std::string_view kNoPerson = "00000000";

// The 16 flags of a vector and of a booking, position by position.
inline constexpr FixedText<2> MapSatz::* kVectorFlags[16] = {
    &MapSatz::Map00E, &MapSatz::Map00R, &MapSatz::Map00A, &MapSatz::Map00U, &MapSatz::Map00S, &MapSatz::Map006,
    &MapSatz::Map007, &MapSatz::Map008, &MapSatz::Map009, &MapSatz::Map010, &MapSatz::Map011, &MapSatz::Map012,
    &MapSatz::Map013, &MapSatz::Map014, &MapSatz::Map015, &MapSatz::Map016};
inline constexpr FixedText<2> MelSatz::* kBookingFlags[16] = {
    &MelSatz::Sts00E, &MelSatz::Sts00R, &MelSatz::Sts00A, &MelSatz::Sts00U, &MelSatz::Sts00S, &MelSatz::Sts006,
    &MelSatz::Sts007, &MelSatz::Sts008, &MelSatz::Sts009, &MelSatz::Sts010, &MelSatz::Sts011, &MelSatz::Sts012,
    &MelSatz::Sts013, &MelSatz::Sts014, &MelSatz::Sts015, &MelSatz::Sts016};

// The vector record of the booking's object: MapObj and the key, all 16
// flags "0", nothing else. False when the booking's ObjTyp is none of the
// five object kinds (a function code without decoder); `map` then holds only
// the 16 flags "0".
bool BuildVectorKey(const MelSatz& mel, MapSatz* map);

// The key of the "M_A" vector of the work-place order a booking or vector
// belongs to (its work place, order and operation).
MapSatz WorkPlaceOrderKey(std::string_view apl, std::string_view apk, std::string_view app);

void SetAllFlags(MapSatz* map, std::string_view value);
void CopyFlagsToBooking(const MapSatz& map, MelSatz* mel);

// True when `code` equals one of `codes`.
bool IsOneOf(std::string_view code, std::initializer_list<std::string_view> codes);
