// What the board reads: the work places, the state vectors of everything
// active on them (with the operation's quantities and the person's name),
// and a few single moments from the bookings. Plain selections of their
// own, each prepared once and reused from one rewrite to the next.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_text.h"

struct BoardWorkPlaceRow {
  FixedText<11> AplApl;
  FixedText<31> AplBez;
  FixedText<11> AplApg;
  std::int16_t AplSts = 0;
  FixedText<6> AplUbg;
  FixedText<15> AplUdt;  // yyyymmddHH24MISS
};

// One state vector of kind "M__", "M_A", "MP_" or "MPA".
struct BoardVectorRow {
  FixedText<4> MapObj;
  FixedText<11> MapApl;
  FixedText<13> MapApk;
  FixedText<6> MapApp;
  FixedText<9> MapPnr;
  FixedText<2> Map00R;
  FixedText<2> Map00A;
  FixedText<2> Map00U;
  FixedText<6> MapUbg;
  FixedText<15> MapMoment;  // the last booking that touched it
  FixedText<31> AppBz1;     // the operation's master data, of "M_A"
  double AppSme = 0, AppIme = 0, AppAme = 0;
  FixedText<4> AppMee;
  FixedText<51> PrvNam;  // the person's name, of "MP_" and "MPA"
};

// Every work place, by group and number.
int Board_WorkPlaces(std::vector<BoardWorkPlaceRow>& out);
// Every state vector of a work place or on one, by work place.
int Board_Vectors(std::vector<BoardVectorRow>& out);
// The moment of the newest booking on the order operation at the work place
// that moved its state (set-up, work, interruption, resumption); 1403 when
// there is none.
int Board_StateChange(const std::string& apl, const std::string& apk, const std::string& app,
                      std::string& moment);
// The moment of the newest booking of an object kind at the work place.
int Board_LastBooking(const std::string& objTyp, const std::string& apl, std::string& moment);
// The moment of the booking booked last.
int Board_NewestBooking(std::string& moment);
