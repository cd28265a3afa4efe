// Builders for booking scenarios: master data of a small shop floor,
// terminal telegrams in their raw layout, feeding them through the receive
// queue, and reading back what booking left behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo/terminal_telegram.h"
#include "db/tables/master_records.h"
#include "db/tables/booking_records.h"
#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/fzu.h"
#include "db/tables/prv.h"

namespace scenario {

// ---- master data -------------------------------------------------------

// The database's today plus `days`, as yyyymmdd.
std::string DayFromToday(int days);

// A function code of class `art` with its message code and switches.
FzuSatz FunctionCode(std::string_view fcd, std::string_view mld, int upl, int gen, int art = 1);
// The 17 booking codes and "Z01" with their usual message codes:
// A01 "RB", A02 "RE", A03 "AB", A04 "AU", A05 "AW", A06 "ZM", A07 "AE",
// P01 "MA", P04 "ME", P05 "PA", P06 "PU", P07 "PW", P08 "PE", M01 "FS",
// M02 "FF", M03 "BS", M04 "ES", Z01 "SZ"; uploads for the A codes,
// generation for every code that has a generator.
std::vector<FzuSatz> StandardFunctionCodes();
void LoadFunctionCodes(const std::vector<FzuSatz>& codes);
void LoadStandardFunctionCodes();

ApkSatz Order(std::string_view apk, std::int16_t operations, std::int32_t completionRule);
AppSatz Operation(std::string_view apk, std::string_view app, std::string_view successor);
AplSatz WorkPlace(std::string_view apl);
// A person whose badge is valid since a month, open-ended.
PrvSatz Person(std::string_view pnr, std::string_view badge);

void Insert(const ApkSatz& apk);
void Insert(const AppSatz& app);
void Insert(const AplSatz& apl);
void Insert(const PrvSatz& prv);

// Analysis parameters valid today for kind `kind`, leaving notes or not.
void SetNoteSwitch(int kind, bool notes);

// ---- telegrams ---------------------------------------------------------

// A raw telegram: the 52-character head, the fixed header fields with date
// (yyyymmdd, of which yymmdd is sent) and time, the function code and data.
std::string Telegram(std::string_view fcd, std::string_view date, std::string_view time, std::string_view data);

// A text cut or padded with blanks to exactly `width` characters, and a
// quantity field (11 digits, 3 implied decimals), as terminals send them.
using terminal::Fixed;
using terminal::Quantity;

// Data areas by layout (badge first, as every telegram carries it).
std::string OrderData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl);
// A02, A06: the order data and four quantities.
std::string QuantityData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl,
                         double good, double reject = 0);
// A04: quantities, one unused character, the reason.
std::string InterruptionData(std::string_view badge, std::string_view apk, std::string_view app,
                             std::string_view apl, std::string_view reason);
// A07: quantities, the "finished" mark (position 80), one unused, the reason.
std::string EndData(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl,
                    double good, char finished);
// P01, P04, M01, M02: the work place.
std::string WorkPlaceData(std::string_view badge, std::string_view apl);
// M03, M04: the work place, one unused character, the reason.
std::string WorkPlaceReasonData(std::string_view badge, std::string_view apl, std::string_view reason);
// P06, P07: order data, one unused character, the reason.
std::string PersonReasonData(std::string_view badge, std::string_view apk, std::string_view app,
                             std::string_view apl, std::string_view reason);
// P08: order data, 11 unused characters, quantities, one unused, the reason.
std::string PersonEndData(std::string_view badge, std::string_view apk, std::string_view app,
                          std::string_view apl, double good);
// Z01: badge, person, order, operation, work place, time value (h.mm).
std::string SpecialData(std::string_view badge, std::string_view pnr, std::string_view apk, std::string_view app,
                        std::string_view apl, double hoursMinutes);

// ---- a small shop floor -------------------------------------------------

// The day every scenario telegram is sent on.
inline constexpr std::string_view kDay = "20261207";
inline constexpr std::string_view kWp = "WP00000010";   // the work place of most scenarios
inline constexpr std::string_view kWp2 = "WP00000020";  // a second one
struct Worker {
  std::string_view pnr;
  std::string_view badge;
};
inline constexpr Worker kAnna = {"00001001", "B0001001"};
inline constexpr Worker kBen = {"00001002", "B0001002"};
inline constexpr Worker kCara = {"00001003", "B0001003"};
inline constexpr Worker kDan = {"00001004", "B0001004"};
inline constexpr std::string_view kUnknownBadge = "B0009999";

// Keys are sent with their full width, so the master data uses keys that
// fill it. The standard function codes, both work places, the four workers
// and the order "ORD000000001" with the operations "00010" (then "00020") and "00020"
// (the last), finished with its last operation (ApkAba 1).
void LoadShopFloor();

// Telegrams of the scenario day at `time` (HHMMSS) on kWp unless named.
std::string OrderTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apk,
                          std::string_view app, std::string_view apl = kWp);
std::string QuantityTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apk,
                             std::string_view app, double good, double reject = 0);
std::string InterruptTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                              std::string_view reason);
std::string EndTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                        double good, char finished);
std::string PersonTelegram(std::string_view fcd, std::string_view time, const Worker& w, std::string_view apl = kWp);
std::string WorkPlaceTelegram(std::string_view fcd, std::string_view time, const Worker& w,
                              std::string_view reason, std::string_view apl = kWp);
std::string PersonReasonTelegram(std::string_view fcd, std::string_view time, const Worker& w,
                                 std::string_view apk, std::string_view app, std::string_view reason);
std::string PersonEndTelegram(std::string_view time, const Worker& w, std::string_view apk, std::string_view app,
                              double good);

// ---- feeding -----------------------------------------------------------

// Queues telegrams in the given order (what the receiving component does).
void Queue(const std::string& telegram);
// Books the queue (the worker's intake).
void BookQueue();
// Both at once.
void Book(const std::string& telegram);

// ---- reading back ------------------------------------------------------

// Every booking, ordered by KeyBnr and KeyLfn.
std::vector<MelSatz> Bookings();
// The bookings with one booking number.
std::vector<MelSatz> BookingsOf(std::int32_t keyBnr);
// The latest telegram booking (KeyLfn 0) and what was generated from it.
std::vector<MelSatz> LastTelegramBookings();
// The latest telegram booking alone (an empty record when there is none).
MelSatz LastTelegramBooking();

std::optional<MapSatz> Vector(std::string_view obj, std::string_view apl, std::string_view apk,
                              std::string_view app, std::string_view pnr);
std::optional<MapSatz> WorkPlaceOrderVector(std::string_view apl, std::string_view apk, std::string_view app);
std::optional<MapSatz> PersonOrderVector(std::string_view apl, std::string_view apk, std::string_view app,
                                         std::string_view pnr);
std::int64_t VectorCount();

ApkSatz ReadOrder(std::string_view apk);
AppSatz ReadOperation(std::string_view apk, std::string_view app);
AplSatz ReadWorkPlace(std::string_view apl);

// Notes as "KNG" texts in the order of writing.
std::vector<std::string> NoteKinds();
std::vector<MerkSatz> NotesOfKind(std::string_view kind);
std::vector<PpsSatz> Uploads();

// The flags Sts00E .. Sts00S of a booking as one text ("10010").
std::string Flags(const MelSatz& mel);
std::string Flags(const MapSatz& map);

// ---- message log -------------------------------------------------------

// Opens a fresh message log for the test; Text() is what it holds.
class LogCapture {
 public:
  LogCapture();
  std::string Text() const;
  // Entries whose function and message lines hold these texts.
  int Count(std::string_view function, std::string_view message) const;

 private:
  std::string file_;
};

}  // namespace scenario
