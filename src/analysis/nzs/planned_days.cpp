// The time line of a person who works to a time model: per day of the
// period, come and go from the person's account-day bookings (clamped to
// the planned day), the planned breaks, and a merge of repeated events.
#include <string>
#include <vector>

#include "analysis/calendar_reads.h"
#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/nzs/nzs.h"
#include "analysis/timeline.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/bak.h"
#include "db/tables/bup.h"
#include "db/tables/err.h"
#include "db/tables/gaz.h"
#include "db/tables/gps.h"
#include "db/tables/pse.h"
#include "db/tables/tag.h"

namespace {

constexpr const char* kComeGoFunction = "Mlt_PA_Datem_PZM";
constexpr const char* kBreakFunction = "Mlt_PA_Pausen_PZM";

struct PlannedWindow {
  std::string come;  // yyyymmddHHMMSS
  std::string go;
};

PlannedWindow plannedWindow(const std::string& day, const ZtgSatz& d) {
  const std::string goDay = d.AzvNob < d.AzvNov ? AddDays(day, 1) : day;
  return {Moment(day, Min_Zeit(d.AzvNov)), Moment(goDay, Min_Zeit(d.AzvNob))};
}

// Writes the come/go/break rows of one day; a "GH" is ranked behind every
// other event of its second, as leaving is the last thing that happens.
class DayWriter {
 public:
  DayWriter(const NzaSatz& period, TimeLine& line)
      : row_(TimeLineRow(kNzaMpa, "", period.NzaPnr.view(), period.NzaApl.view(), period.NzaApk.view(),
                         period.NzaApp.view())),
        line_(line) {}

  void write(std::string_view kind, const std::string& moment) {
    SetEvent(row_, kind, moment);
    if (kind == "GH") {
      line_.AddLastInSecond(row_);
    } else {
      line_.Add(row_);
    }
  }
  void setCalendar(const ZtgSatz& d, const std::string& day) {
    row_.MltWoc = d.BakWch;
    row_.MltWtg = d.BakWtg;
    row_.MltJtg = d.BakJtg;
    row_.MltJwo = day.substr(0, 4);
  }

 private:
  MltSatz row_;
  TimeLine& line_;
};

// Come and go of one day from the account-day bookings between the
// attendance start and end of the day record.
void comeAndGo(DayWriter& out, const std::string& pnr, const std::string& day, const ZtgSatz& d) {
  TagSatz tag;
  tag.TagPnr = pnr;
  int rc = AccountDayRead(&tag, day);
  if (rc != status::kOk) {
    LogError("Tag_PKeyReadk", "Mlt_PA_Daten_PZM", rc);
    return;
  }
  const PlannedWindow plan = plannedWindow(day, d);
  // The upper bound takes in the whole last day, so that a booking ending
  // on it (the usual one-day attendance) is delivered.
  const std::string upTo = Moment(tag.TagBis.view(), "235959");
  CursorRows<BupSatz> bookings = DayBookings(pnr, tag.TagVon.str(), upTo);
  if (bookings.rows.empty()) {
    out.write("KM", plan.come);
    out.write("GH", plan.go);
    return;
  }
  bool comeWritten = false, goWritten = false;
  auto put = [&](std::string_view kind, const std::string& moment) { out.write(kind, moment); };
  auto come = [&](const std::string& moment) {
    if (comeWritten) return;
    put("KM", moment);
    comeWritten = true;
  };
  auto go = [&](const std::string& moment) {
    if (goWritten) return;
    put("GH", moment);
    goWritten = true;
  };
  for (const BupSatz& b : bookings.rows) {
    const std::string s = Moment(b.BupVon.view(), Min_Zeit(b.BupTvo));
    const std::string e = Moment(b.BupBis.view(), Min_Zeit(b.BupTbi));
    if (s < plan.come) {
      come(plan.come);
    } else if (s > plan.go) {
      come(plan.go);
    } else if (comeWritten) {
      put("EP", s);  // back from a gap between two bookings
    } else {
      come(s);
    }
    if (e < plan.come) {
      go(plan.come);
    } else if (e > plan.go) {
      go(plan.go);
    } else if (b.BupBis == tag.TagBis && b.BupEnd == tag.TagEnd) {
      go(e);
    } else {
      put("BP", e);  // a gap to the next booking starts
    }
  }
  if (bookings.readFailed()) LogError(kComeGoFunction, "Bup_AbrTag_Read()", bookings.endStatus);
}

// A break time of the planned day: before the planned come or past the
// day's end it belongs to the next day.
std::string plannedBreakMoment(const std::string& day, const std::string& come, int minute) {
  const std::string moment = Moment(day, Min_Zeit(minute));
  if (moment < come || moment >= Moment(day, "240000")) return Moment(AddDays(day, 1), Min_Zeit(minute));
  return moment;
}

void plannedBreaks(DayWriter& out, const std::string& pnr, const std::string& day, const ZtgSatz& d) {
  const std::string come = plannedWindow(day, d).come;
  CursorRows<PseSatz> breaks = BreakPlan(d.AzvPsm.str());
  out.setCalendar(d, day);
  for (const PseSatz& pse : breaks.rows) {
    GpsSatz own;
    own.GpsPnr = pnr;
    own.GpsDtm = day;
    own.GpsLfd = pse.PseLfd;
    const bool overridden = OwnBreakRead(&own) == status::kOk;
    const int from = overridden ? own.GpsVon : pse.PseVon;
    const int to = overridden ? own.GpsBis : pse.PseBis;
    out.write("BP", plannedBreakMoment(day, come, from));
    out.write("EP", plannedBreakMoment(day, come, to));
  }
  if (breaks.readFailed()) LogError(kBreakFunction, "Cursor: Pse_PKey_Read()", breaks.endStatus);
}

// Consecutive events of one kind become one: of two break ends the later
// stays (overlapping breaks end with the last), of anything else the first.
void mergeRepeatedEvents(TimeLine& line) {
  const std::vector<MltSatz> rows = line.Ordered();
  std::vector<bool> gone(rows.size(), false);
  std::size_t previous = rows.size();  // none yet
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (previous < rows.size() && rows[k].MltObj == rows[previous].MltObj) {
      gone[rows[k].MltObj == "EP" ? previous : k] = true;
      continue;  // the row remembered stays the one before the repetition
    }
    previous = k;
  }
  for (std::size_t k = rows.size(); k-- > 0;)
    if (gone[k]) line.EraseOrdered(k);
}

}  // namespace

void Write_Protokoll(const std::string& pnr, const std::string& day) {
  ErrSatz err;
  err.ErrBer = "BDE";
  err.ErrFun = "NZM";
  err.ErrPgm = kNzaMpa;
  err.ErrFnr = 7004;
  err.ErrEdt = Moment(day, "000001");
  err.ErrPnr = pnr;
  const int rc = Err_PKeyIns(&err);
  if (rc != status::kOk) LogError("Write_Protokoll", "Err_PKeyIns", rc);
}

std::optional<ZtgSatz> Nza_PlanTag(const std::string& pnr, const std::string& day) {
  const CursorRows<ZtgSatz> days = PlannedDay(pnr, day);
  if (!days.opened()) {
    // Without planned values there is nothing to put on the time line.
    LogError("Nza_PlanTag", "Ztg_Pnr_Open", days.openStatus);
    return std::nullopt;
  }
  if (days.rows.empty()) {
    Write_Protokoll(pnr, day);
    return std::nullopt;
  }
  ZtgSatz planned = days.rows.front();
  GazSatz own;
  own.GazPnr = pnr;
  own.GazDtm = day;
  if (OwnTimesRead(&own) == status::kOk) {
    planned.AzvMav = own.GazMav;
    planned.AzvMab = own.GazMab;
    planned.AzvNov = own.GazNov;
    planned.AzvNob = own.GazNob;
  }
  return planned;
}

void Mlt_PZM_Tag(const NzaSatz& period, const ZtgSatz& plannedDay, TimeLine& line) {
  const std::string pnr = period.NzaPnr.str();
  const std::string day = plannedDay.ZtgVon.str();
  DayWriter out(period, line);
  comeAndGo(out, pnr, day, plannedDay);
  if (!plannedDay.AzvPsm.empty()) plannedBreaks(out, pnr, day, plannedDay);
  mergeRepeatedEvents(line);
}

void Mlt_PZM_Tage(NzaSatz period, TimeLine& line) {
  const std::string from = AddDays(period.NzaDtm.view(), -1);
  if (from.empty()) return;  // a start that is no date has no days
  CursorRows<BakSatz> days = CalendarDays(from, period.NzaEdt.str());
  for (const BakSatz& day : days.rows) {
    std::optional<ZtgSatz> planned = Nza_PlanTag(period.NzaPnr.str(), day.BakDtm.str());
    if (!planned) continue;
    planned->ZtgVon = day.BakDtm;  // the day its values are placed on
    Mlt_PZM_Tag(period, *planned, line);
  }
}
