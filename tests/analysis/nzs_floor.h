// A small shop floor for the person-time analysis: a calendar week, a
// work place whose group works an early and a night shift, persons on
// shift or time models, and "MPA" bookings with their "NZS" notes written
// straight into the tables, as booking leaves them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/tables/booking_records.h"
#include "db/tables/master_records.h"

namespace nzs_floor {

inline constexpr const char* kDay = "20261207";  // a Monday
inline constexpr const char* kApl = "WP1";
inline constexpr const char* kApk = "ORD1";
inline constexpr const char* kApp = "00010";
inline constexpr const char* kPnr = "00001001";

std::string Day(int offset);  // kDay plus `offset` days

// Calendar K1 from kDay-3 to kDay+3 (all working days "AT"); group GRP1
// works the model "EARLY" (06:00-14:00, break 12:00-12:30) and the model
// "NIGHT" (22:00-06:00, break 02:00-02:30); WP1 belongs to GRP1.
void LoadShiftFloor();

// A person on a shift model (pzm 2) or on a time model (pzm 1).
void AddPerson(const char* pnr, std::int32_t pzm);

// The time model "TM1": planned 07:00-17:00 with the break model "PS1"
// (12:00-12:30).
void LoadTimeModel();
// A time-model day of kPnr: planned on "TM1", attendance from `come` to `go` (HHMMSS) and, when
// `accountBooking`, one account-day booking over the same stretch.
void PlannedDay(const std::string& day, const char* come, const char* go, bool accountBooking);
// Only the attendance summary of a day (come and go may lie on other days).
void Attendance(const char* pnr, const std::string& comeDay, const char* come, const std::string& goDay,
                const char* go);

// An "MPA" booking of kPnr (unless named) on WP1/ORD1/00010.
MelSatz Booking(std::int32_t bnr, const char* fcd, const char* mask, const std::string& day, const char* time,
                const char* pnr = kPnr);
void Insert(const MelSatz& booking);
// The "NZS" note booking leaves for a booking.
void NoteFor(const MelSatz& booking);
// Inserts the booking and its note.
void Book(const MelSatz& booking);

// The period rows of one kind of kPnr on WP1 (unless named), by start.
std::vector<NzaSatz> Periods(std::int16_t kind, const char* pnr = kPnr, const char* apl = kApl);
std::string Start(const NzaSatz& n);  // yyyymmddHHMMSS
std::string End(const NzaSatz& n);

}  // namespace nzs_floor
