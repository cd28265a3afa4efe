// The shift calendar as the analyses read it: calendar days, the shift
// assignments of work places and groups, the shifts of a model and their
// breaks, the persons' time models and the groups of the work places, and
// the planned and booked days of the persons. The analyses never write them, and a plant's notes ask the same few of them
// again and again: while the analyses of a pass or a run of notes are going
// (a CalendarReads lives) each selection is read once and answered from
// memory after, which on a database server saves a round trip per question.
// Outside a run every call reads.
//
// Only whole answers are kept: the rows of a selection read to its end, a
// row or 1403 for a keyed read. A failed read is asked again the next time,
// and a new connection forgets what the old one read.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/cursor_rows.h"
#include "db/tables/aem.h"
#include "db/tables/apl.h"
#include "db/tables/bak.h"
#include "db/tables/bup.h"
#include "db/tables/emo.h"
#include "db/tables/gaz.h"
#include "db/tables/gps.h"
#include "db/tables/prv.h"
#include "db/tables/pse.h"
#include "db/tables/tag.h"
#include "db/tables/ztg.h"

// A run of notes, from construction to destruction. Runs may nest; the
// outermost one decides what is kept.
class CalendarReads {
 public:
  CalendarReads();
  ~CalendarReads();
  CalendarReads(const CalendarReads&) = delete;
  CalendarReads& operator=(const CalendarReads&) = delete;
};

// The assignments of `apg` (a work place with kind 2, a group with kind 1)
// valid on `day`, one row per shift of the assigned model.
CursorRows<AemSatz> ShiftAssignments(const std::string& apg, std::int32_t kind, const std::string& day);

// The shifts of model `emo` on day type `dayType`.
CursorRows<EmoSatz> ShiftsOfModel(const std::string& emo, const std::string& dayType);

// The breaks of model `emo` on day type `dayType`, of the break-model links
// valid on `day`.
CursorRows<EmoPausenSatz> BreaksOfModel(const std::string& emo, const std::string& dayType, const std::string& day);

// Bak_Datum: the calendar day bak->BakDtm.
int CalendarDay(BakSatz* bak);

// Prv_PKeyReadk: the person prv->PrvPnr.
int PersonRead(PrvSatz* prv);

// Apl_PKeyReadk: the work place apl->AplApl, for the group whose shift
// assignments it follows. The drain writes work places, the analyses do
// not, so within the analyses of a pass the row stays as read.
int WorkPlaceRead(AplSatz* apl);

// ---- the days of a person who works to a time model ----
// The drain writes account days and their bookings; the analyses after it
// in a pass only read them.

// Bak_Von: the calendar days from `from` to `to`.
CursorRows<BakSatz> CalendarDays(const std::string& from, const std::string& to);

// Ztg_Pnr: the planned day of `pnr` on `day`, the valid time model first.
CursorRows<ZtgSatz> PlannedDay(const std::string& pnr, const std::string& day);

// Gaz_PKeyReadk: the person's own times of a day.
int OwnTimesRead(GazSatz* gaz);

// Pse_PKey: the breaks of break plan `psm`.
CursorRows<PseSatz> BreakPlan(const std::string& psm);

// Gps_PKeyReadk: the person's own times of one planned break.
int OwnBreakRead(GpsSatz* gps);

// Tag_PKeyReadk: the account day of tag->TagPnr on `day`.
int AccountDayRead(TagSatz* tag, const std::string& day);

// Bup_AbrTag: the person's account-day bookings from `from` to `to`.
CursorRows<BupSatz> DayBookings(const std::string& pnr, const std::string& from, const std::string& to);
