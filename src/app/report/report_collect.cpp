// Reads a day from the database into lanes: the shifts and breaks of every
// work place from the shift calendar, and the periods that the day's
// bookings open and close.
#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>

#include "analysis/calendar_reads.h"
#include "app/html/html_text.h"
#include "app/report/report_day.h"
#include "app/report/report_details.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/tables/aem.h"
#include "db/tables/emo.h"
#include "db/tables/prv.h"
#include "app/report/report_rows.h"

namespace report {
namespace {

constexpr int kDayMinutes = 1440;

int secondOf(std::string_view hhmmss) {
  if (hhmmss.size() < 6) return 0;
  auto two = [&](std::size_t at) { return (hhmmss[at] - '0') * 10 + (hhmmss[at + 1] - '0'); };
  return two(0) * 3600 + two(2) * 60 + two(4);
}

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

void addClipped(std::vector<Bar>& bars, Bar bar) {
  bar.from = std::max(bar.from, 0);
  bar.to = std::min(bar.to, kDaySeconds);
  if (bar.to > bar.from) bars.push_back(std::move(bar));
}

// ---- shifts and breaks -------------------------------------------------

// A shift in minutes after the midnight of its own day; one that ends at
// or before its begin ends on the next day.
struct ShiftSpan {
  int begin, end;
  explicit ShiftSpan(int b, int e) : begin(b), end(e <= b ? e + kDayMinutes : e) {}
  int place(int minute) const { return minute < begin ? minute + kDayMinutes : minute; }
  bool holds(int from, int to) const { return from >= begin && to <= end && to > from; }
};

// The shifts of one model on its day, moved by `offset` seconds onto the
// report's day. A break model may serve several shifts: each break belongs
// to the shift it lies in, and only there is it drawn.
void shiftsOfModel(const AemSatz& aem, const std::string& day, int offset, Lane& lane) {
  if (Emo_Schicht shifts; shifts.Open(aem.AemEmo.c_str(), aem.KalBtp.c_str()) == status::kOk) {
    EmoSatz shift;
    while (shifts.Read(&shift) == status::kOk) {
      const ShiftSpan span(shift.EmoBeg, shift.EmoEnd);
      addClipped(lane.shifts, {span.begin * 60 + offset, span.end * 60 + offset, "shift", trimmed(shift.EmoTxt.view()),
                               lane.key, "", 0});
    }
  }
  if (Emo_Pausen breaks; breaks.Open(aem.AemEmo.c_str(), aem.KalBtp.c_str(), day.c_str()) == status::kOk) {
    EmoPausenSatz p;
    while (breaks.Read(&p) == status::kOk) {
      const ShiftSpan span(p.EmoBeg, p.EmoEnd);
      const int from = span.place(p.PmsBeg), to = span.place(p.PmsEnd) + (p.PmsEnd <= p.PmsBeg ? kDayMinutes : 0);
      if (!span.holds(from, to)) continue;
      addClipped(lane.breaks,
                 {from * 60 + offset, to * 60 + offset, "break", trimmed(p.EmoTxt.view()), lane.key, "", 0});
    }
  }
}

// The shifts of the day and those of the day before that reach into it,
// of the work place or else of its group.
void shiftBands(const std::string& group, const std::string& day, Lane& lane) {
  for (int back : {1, 0}) {
    const std::string d = AddDays(day, -back);
    std::vector<AemSatz> rows = ShiftAssignments(lane.key, 2, d).rows;
    if (rows.empty()) rows = ShiftAssignments(group, 1, d).rows;
    std::set<std::pair<std::string, std::string>> done;
    for (const AemSatz& aem : rows)
      if (done.insert({aem.AemEmo.str(), aem.KalBtp.str()}).second)
        shiftsOfModel(aem, d, -back * kDaySeconds, lane);
  }
}

// ---- periods from the bookings -----------------------------------------

// Which booking opens or closes which period: of the work place's
// operations (M_A), of the work place itself (M__), of a person on an
// operation (MPA) and of a person at a work place (MP_).
struct Rule {
  std::string_view object, mask;
  bool opens;
  std::string_view kind;
};
constexpr Rule kRules[] = {
    {"M_A", "RB", true, "setup"},         {"M_A", "RE", false, "setup"},        {"M_A", "AE", false, "setup"},
    {"M_A", "AT", false, "setup"},        {"M_A", "AB", true, "work"},          {"M_A", "AE", false, "work"},
    {"M_A", "AT", false, "work"},         {"M_A", "AU", true, "interruption"},  {"M_A", "AW", false, "interruption"},
    {"M_A", "AE", false, "interruption"}, {"M_A", "AT", false, "interruption"}, {"M__", "BS", true, "stoppage"},
    {"M__", "ES", false, "stoppage"},     {"MPA", "PA", true, "work"},          {"MPA", "PE", false, "work"},
    {"MPA", "PU", true, "interruption"},  {"MPA", "PW", false, "interruption"}, {"MPA", "PE", false, "interruption"},
    {"MP_", "MA", true, "present"},       {"MP_", "ME", false, "present"},
};

class Periods {
 public:
  Periods(Day& day, std::map<std::string, std::size_t>& places) : day_(day), places_(places) {}

  void book(const RptBuchung& b) {
    const std::string_view object = b.ObjTyp.view(), mask = b.MelMsk.view();
    Bar bar{secondOf(b.KeyUhr.view()), 0, "", "", trimmed(b.KeyApl.view()), "", 0};
    if (object == "M_A" || object == "MPA")
      bar.operation = trimmed(b.KeyApk.view()) + "/" + trimmed(b.KeyApp.view());
    const std::string reason = trimmed(b.KeyUbg.view());
    if (!reason.empty() && reason != "0000") bar.title = "reason " + reason;
    const bool ofPerson = object == "MPA" || object == "MP_";
    const std::string owner = ofPerson ? trimmed(b.KeyPnr.view()) : bar.place;
    if (object == "M_A" && placeLane(bar.place)) {
      placeLane(bar.place)->good += b.MelGum;
      placeLane(bar.place)->reject += b.MelFam;
    }
    for (const Rule& r : kRules) {
      if (r.object != object || r.mask != mask) continue;
      const Key key{ofPerson, owner, bar.place + "|" + bar.operation, std::string(r.kind)};
      if (r.opens) {
        Bar opened = bar;
        opened.kind = r.kind;
        opened.row = r.kind == "stoppage" ? 1 : 0;
        open_.emplace(key, std::move(opened));
      } else {
        close(key, bar.from);
      }
    }
  }

  void closeAll(int at) {
    while (!open_.empty()) close(open_.begin()->first, at);
  }

 private:
  struct Key {
    bool person;
    std::string owner, what, kind;
    bool operator<(const Key& o) const {
      return std::tie(person, owner, what, kind) < std::tie(o.person, o.owner, o.what, o.kind);
    }
  };

  // `key` by value: closeAll passes the key of the entry this erases.
  void close(Key key, int at) {
    auto it = open_.find(key);
    if (it == open_.end()) return;
    Bar bar = std::move(it->second);
    open_.erase(it);
    bar.to = at;
    Lane* lane = key.person ? &personLane(key.owner) : placeLane(key.owner);
    if (lane) addClipped(lane->bars, std::move(bar));
  }

  Lane* placeLane(const std::string& apl) {
    auto it = places_.find(apl);
    if (it != places_.end()) return &day_.workPlaces[it->second];
    return nullptr;  // a work place missing from the master data has no lane
  }

  Lane& personLane(const std::string& pnr) {
    auto it = persons_.find(pnr);
    if (it != persons_.end()) return day_.persons[it->second];
    persons_[pnr] = day_.persons.size();
    Lane lane;
    lane.key = lane.detail = pnr;
    PrvSatz prv;
    prv.PrvPnr = pnr;
    if (Prv_PKeyReadk(&prv) == status::kOk) {
      lane.title = trimmed(prv.PrvNam.view());
    } else {
      lane.title = "unknown badge";
      lane.unknownBadge = true;
    }
    day_.persons.push_back(std::move(lane));
    return day_.persons.back();
  }

  Day& day_;
  std::map<std::string, std::size_t>& places_;
  std::map<std::string, std::size_t> persons_;
  std::map<Key, Bar> open_;
};

// Where open periods end: at midnight, or on the current day now (or at
// its last booking, should the clocks of the terminals run ahead).
int endOfDay(const std::string& day, const std::vector<RptBuchung>& bookings) {
  std::string date, time;
  Datum_Zeit(date, time, 3);
  if (date != day) return kDaySeconds;
  const int last = bookings.empty() ? 0 : secondOf(bookings.back().KeyUhr.view());
  return std::max(secondOf(time), last);
}

// A person belongs with the work place where the day's periods hold them
// longest.
void groupPersons(Day& day) {
  for (Lane& person : day.persons) {
    std::map<std::string, long long> seconds;
    for (const Bar& b : person.bars) seconds[b.place] += b.seconds();
    long long most = -1;
    for (const auto& [place, s] : seconds)
      if (s > most) most = s, person.group = place;
    if (person.unknownBadge) person.group = "unknown badges";
  }
  std::stable_sort(day.persons.begin(), day.persons.end(), [](const Lane& a, const Lane& b) {
    return std::tie(a.unknownBadge, a.group, a.title) < std::tie(b.unknownBadge, b.group, b.title);
  });
}

std::string madeAt() {
  std::string date, time;
  Datum_Zeit(date, time, 3);
  return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2) + " " + time.substr(0, 2) + ":" +
         time.substr(2, 2);
}

}  // namespace

Day CollectDay(const std::string& dayText) {
  Day day;
  day.day = dayText;
  day.madeAt = madeAt();
  std::vector<RptArbeitsplatz> places;
  Rpt_Arbeitsplaetze(places);
  std::stable_sort(places.begin(), places.end(),
                   [](const RptArbeitsplatz& a, const RptArbeitsplatz& b) { return a.AplApg.str() < b.AplApg.str(); });
  std::map<std::string, std::size_t> placeIndex;
  for (const RptArbeitsplatz& apl : places) {
    Lane lane;
    lane.key = lane.title = trimmed(apl.AplApl.view());
    lane.detail = trimmed(apl.AplBez.view());
    lane.group = trimmed(apl.AplApg.view());
    shiftBands(lane.group, dayText, lane);
    placeIndex[lane.key] = day.workPlaces.size();
    day.workPlaces.push_back(std::move(lane));
  }
  std::vector<RptBuchung> bookings;
  Rpt_Buchungen(dayText, bookings);
  Periods periods(day, placeIndex);
  for (const RptBuchung& b : bookings) periods.book(b);
  periods.closeAll(endOfDay(dayText, bookings));
  if (!bookings.empty()) {
    const std::string_view t = bookings.back().KeyUhr.view();
    day.newest = std::string(t.substr(0, 2)) + ":" + std::string(t.substr(2, 2));
  }
  groupPersons(day);
  std::vector<RptPeriode> rows;
  Rpt_Perioden(dayText, rows);
  day.details = PeriodTables(rows);
  return day;
}

}  // namespace report
