// The shift of a work place that contains a moment: the work place's own
// shift assignments when it has any, else those of its group.
#include <string>

#include "analysis/calendar_reads.h"
#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/nzs/nzs.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/tables/aem.h"
#include "db/tables/apl.h"
#include "db/tables/emo.h"

namespace {

// Which assignments apply: kind 2 of the work place itself, else kind 1 of
// its group.
void assignmentOwner(const std::string& apl, std::string& apg, std::int32_t& kind) {
  std::int32_t own = 0;
  if (Aem_Count(apl.c_str(), &own) == status::kOk && own > 0) {
    apg = apl;
    kind = 2;
    return;
  }
  AplSatz place;
  place.AplApl = apl;
  WorkPlaceRead(&place);
  apg = place.AplApg.str();
  kind = 1;
}

// A shift of `day` from its start to its end, on the next day when it ends
// before it starts, contains `moment`.
bool contains(const std::string& day, const EmoSatz& shift, const std::string& moment) {
  const std::string from = Moment(day, Min_Zeit(shift.EmoBeg));
  const std::string endDay = shift.EmoEnd < shift.EmoBeg ? AddDays(day, 1) : day;
  const std::string to = Moment(endDay, Min_Zeit(shift.EmoEnd));
  return from <= moment && moment <= to;
}

}  // namespace

int Nza_SchichtSuchen(const std::string& apl, const std::string& start, const std::string& end, FoundShift& found) {
  if (end < start) return 0;
  std::string apg;
  std::int32_t kind = 0;
  assignmentOwner(apl, apg, kind);
  const std::string lastDay = end.substr(0, 8);
  // A text that is no date gives an empty day and ends the search.
  for (std::string day = AddDays(start.substr(0, 8), -1); !day.empty() && day <= lastDay; day = AddDays(day, 1)) {
    CursorRows<AemSatz> assignments = ShiftAssignments(apg, kind, day);
    for (const AemSatz& aem : assignments.rows) {
      CursorRows<EmoSatz> shifts = ShiftsOfModel(aem.AemEmo.str(), aem.KalBtp.str());
      for (const EmoSatz& shift : shifts.rows) {
        if (!contains(day, shift, start)) continue;
        found.emo = shift.EmoEmo.str();
        found.dayType = aem.KalBtp.str();
        found.year = aem.BakJhr;
        found.weekday = aem.BakWtg;
        found.dayOfYear = aem.BakJtg;
        found.week = aem.BakWch;
        return 1;
      }
    }
  }
  return 0;
}
