// The calendar and shift columns of a period row: the shift assignment of
// the work place (or of its group) valid on the start day, the shift that
// contains the start, and whether the person works to a time model.
#include <string>

#include "analysis/calendar_reads.h"
#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/nzs/nzs.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/aem.h"
#include "db/tables/apl.h"
#include "db/tables/bak.h"
#include "db/tables/emo.h"
#include "db/tables/prv.h"

namespace {

constexpr const char* kLogFunction = "Nza _AuswParameter/Kommld";

// A shift from b to e (minutes; e on the next day when not after b)
// contains minute t of the day, or minute t of the next day.
bool shiftContains(int b, int e, int t) {
  if (e <= b) e += 1440;
  const int t2 = t + 1440;
  return (b <= t && t <= e) || (b <= t2 && t2 <= e);
}

// Takes the calendar columns from the first assignment, then looks for the
// first shift of any assignment that contains the start.
void applyAssignments(const std::vector<AemSatz>& rows, const std::string& day, int startMinute, NzaSatz& row) {
  const AemSatz& first = rows.front();
  row.NzaWoc = first.BakWch;
  row.NzaWtg = first.BakWtg;
  row.NzaJtg = first.BakJtg;
  row.NzaMaz = first.AemMaz;
  row.NzaJwo = day.substr(0, 4);
  row.NzaTtp = first.KalBtp;
  for (const AemSatz& aem : rows) {
    CursorRows<EmoPausenSatz> shifts = BreaksOfModel(aem.AemEmo.str(), aem.KalBtp.str(), day);
    for (const EmoPausenSatz& shift : shifts.rows) {
      if (shiftContains(shift.EmoBeg, shift.EmoEnd, startMinute)) {
        row.NzaEmo = shift.EmoEmo;
        return;
      }
    }
  }
}

// No shift model for the work place nor its group.
void withoutShiftModel(const std::string& day, NzaSatz& row) {
  row.NzaFnr = kNoShiftModel;
  BakSatz bak;
  Bak_PKeyReadk(&bak, day.c_str(), 0);
  row.NzaJwo = day.substr(0, 4);
  row.NzaEmo = "LMO00.00";
  row.NzaWoc = bak.BakWch;
  row.NzaWtg = bak.BakWtg;
  row.NzaJtg = bak.BakJtg;
  row.NzaMaz = 0;
  row.NzaTtp = "XXX";
}

}  // namespace

void Nza_AuswParameter(NzaSatz& row) {
  row.NzaVar = 1;
  const std::string day = row.NzaDtm.str();
  const int startMinute = Std_Min(row.NzaDtmUhr.view());

  CursorRows<AemSatz> own = ShiftAssignments(row.NzaApl.str(), 2, day);
  if (!own.rows.empty()) {
    applyAssignments(own.rows, day, startMinute, row);
  } else {
    AplSatz apl;
    apl.AplApl = row.NzaApl;
    const int rc = WorkPlaceRead(&apl);
    if (rc != status::kOk) LogError(kLogFunction, "Apl_PKeyReadk", rc);
    CursorRows<AemSatz> group = ShiftAssignments(apl.AplApg.str(), 1, day);
    if (group.opened()) {
      if (group.rows.empty()) {
        withoutShiftModel(day, row);
      } else {
        applyAssignments(group.rows, day, startMinute, row);
      }
    }
  }

  PrvSatz prv;
  prv.PrvPnr = row.NzaPnr;
  row.NzaPzm = PersonRead(&prv) == status::kOk ? prv.PrvPzm : 2;
}

void Nza_BeginnErgaenzen(NzaSatz& row) {
  const std::string endDay = row.NzaEdt.str();
  row.NzaDtm = endDay;
  row.NzaBmk = "BG";
  if (row.NzaPzm != 1) {
    const int t = Std_Min(row.NzaEdtUhr.view());
    const int t2 = t + 1440;
    CursorRows<EmoSatz> shifts = ShiftsOfModel(row.NzaEmo.str(), row.NzaTtp.str());
    bool found = false;
    // Every fitting shift is applied in turn: the last one decides.
    for (const EmoSatz& shift : shifts.rows) {
      const int b = shift.EmoBeg;
      const int e = shift.EmoEnd < b ? shift.EmoEnd + 1440 : shift.EmoEnd;
      if ((b <= t && t <= e) || (b <= t2 && t2 <= e)) {
        row.NzaDtm = b > t ? AddDays(endDay, -1) : endDay;
        row.NzaDtmUhr = Min_Zeit(b);
        found = true;
      }
    }
    if (found) return;
  }
  // A person on a time model, or no shift around the end: the start is the
  // first second of the end's day.
  row.NzaDtmUhr = "000001";
  row.NzaFnr = kDayBoundaryStart;
}
