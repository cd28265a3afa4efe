#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "analysis/duration.h"
#include "analysis/shift_assignments.h"
#include "app/html/html_text.h"
#include "app/report/report_day.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/aem.h"
#include "db/emo.h"
#include "db/prv.h"
#include "db/report_rows.h"

namespace report {
namespace {

constexpr int kDayMinutes = 1440;

int minuteOf(std::string_view hhmmss) { return hhmmss.size() < 4 ? 0 : Std_Min(hhmmss); }

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

void addClipped(std::vector<Bar>& bars, int from, int to, const char* kind, const std::string& label) {
  from = std::max(from, 0);
  to = std::min(to, kDayMinutes);
  if (to > from) bars.push_back({from, to, kind, label});
}

// ---- shift bands ---------------------------------------------------------

// A shift or break minute on the day of the model, moved to the next day
// when it is not after the shift's begin, then placed relative to the
// report's day.
int placed(int minute, int shiftBegin, int offset) {
  return minute + (minute <= shiftBegin ? kDayMinutes : 0) + offset;
}

void shiftsOfModel(const AemSatz& aem, const std::string& day, int offset, Lane& lane) {
  if (Emo_Schicht shifts; shifts.Open(aem.AemEmo.c_str(), aem.KalBtp.c_str()) == status::kOk) {
    EmoSatz shift;
    while (shifts.Read(&shift) == status::kOk)
      addClipped(lane.bands, shift.EmoBeg + offset, placed(shift.EmoEnd, shift.EmoBeg, offset), "shift",
                 trimmed(shift.EmoTxt.view()));
  }
  if (Emo_Pausen breaks; breaks.Open(aem.AemEmo.c_str(), aem.KalBtp.c_str(), day.c_str()) == status::kOk) {
    EmoPausenSatz p;
    while (breaks.Read(&p) == status::kOk) {
      const int begin = p.PmsBeg > p.EmoBeg ? p.PmsBeg + offset : placed(p.PmsBeg, p.EmoBeg, offset);
      const int end = p.PmsEnd > p.EmoBeg ? p.PmsEnd + offset : placed(p.PmsEnd, p.EmoBeg, offset);
      addClipped(lane.bands, begin, end, "break", trimmed(p.EmoTxt.view()));
    }
  }
}

// The shifts of the day and those of the day before that reach into it,
// of the work place or else of its group.
void shiftBands(const RptArbeitsplatz& apl, const std::string& day, Lane& lane) {
  for (int back : {1, 0}) {
    const std::string d = AddDays(day, -back);
    std::vector<AemSatz> rows = ShiftAssignments(apl.AplApl.str(), 2, d);
    if (rows.empty()) rows = ShiftAssignments(apl.AplApg.str(), 1, d);
    std::set<std::pair<std::string, std::string>> done;
    for (const AemSatz& aem : rows)
      if (done.insert({aem.AemEmo.str(), aem.KalBtp.str()}).second) shiftsOfModel(aem, d, -back * kDayMinutes, lane);
  }
}

// ---- periods from the bookings -----------------------------------------

struct PersonFigures {
  long long work = 0, interruption = 0;
};

class Periods {
 public:
  Periods(Day& day, std::map<std::string, std::size_t>& placeIndex) : day_(day), places_(placeIndex) {}

  void book(const RptBuchung& b) {
    const int t = minuteOf(b.KeyUhr.view());
    const std::string_view obj = b.ObjTyp.view(), msk = b.MelMsk.view();
    const std::string apl = trimmed(b.KeyApl.view());
    const std::string operation = trimmed(b.KeyApk.view()) + "/" + trimmed(b.KeyApp.view());
    if (obj == "M_A") {
      const std::string key = "P|" + apl + "|" + operation;
      if (msk == "RB") open(key, "setup", t, operation);
      if (msk == "RE" || msk == "AE" || msk == "AT") close(key, "setup", t);
      if (msk == "AB") open(key, "work", t, operation);
      if (msk == "AE" || msk == "AT") {
        close(key, "work", t);
        close(key, "interruption", t);
      }
      if (msk == "AU") open(key, "interruption", t, operation + " " + trimmed(b.KeyUbg.view()));
      if (msk == "AW") close(key, "interruption", t);
    } else if (obj == "M__") {
      const std::string key = "P|" + apl + "|";
      if (msk == "BS") open(key, "stoppage", t, "reason " + trimmed(b.KeyUbg.view()));
      if (msk == "ES") close(key, "stoppage", t);
    } else if (obj == "MPA") {
      const std::string key = "H|" + trimmed(b.KeyPnr.view()) + "|" + operation + "|" + apl;
      if (msk == "PA") open(key, "work", t, operation + " at " + apl);
      if (msk == "PE") {
        close(key, "work", t);
        close(key, "interruption", t);
      }
      if (msk == "PU") open(key, "interruption", t, operation + " " + trimmed(b.KeyUbg.view()));
      if (msk == "PW") close(key, "interruption", t);
    }
  }

  void closeAll(int at) {
    while (!open_.empty()) {
      auto it = open_.begin();
      const auto [key, kind] = it->first;
      close(key, kind, at);
    }
  }

  const std::map<std::string, PersonFigures>& personFigures() const { return figures_; }

 private:
  struct Open {
    int from;
    std::string label;
  };

  void open(const std::string& key, const char* kind, int t, const std::string& label) {
    open_.emplace(std::make_pair(key, std::string(kind)), Open{t, label});
  }

  void close(const std::string& key, const std::string& kind, int t) {
    auto it = open_.find({key, kind});
    if (it == open_.end()) return;
    const Open o = it->second;
    open_.erase(it);
    if (key[0] == 'P') {
      addClipped(placeLane(key.substr(2, key.find('|', 2) - 2)).bars, o.from, t, kind.c_str(), o.label);
      return;
    }
    // A person: lane per person number, figures per person and operation.
    const std::string rest = key.substr(2);
    const std::string pnr = rest.substr(0, rest.find('|'));
    addClipped(personLane(pnr).bars, o.from, t, kind.c_str(), o.label);
    PersonFigures& f = figures_[rest];
    (kind == "work" ? f.work : f.interruption) += static_cast<long long>(std::max(0, t - o.from)) * 60;
  }

  Lane& placeLane(const std::string& apl) {
    auto it = places_.find(apl);
    if (it != places_.end()) return day_.workPlaces[it->second];
    places_[apl] = day_.workPlaces.size();
    day_.workPlaces.push_back({apl, "", {}, {}});
    return day_.workPlaces.back();
  }

  Lane& personLane(const std::string& pnr) {
    auto it = persons_.find(pnr);
    if (it != persons_.end()) return day_.persons[it->second];
    persons_[pnr] = day_.persons.size();
    PrvSatz prv;
    prv.PrvPnr = pnr;
    const std::string name = Prv_PKeyReadk(&prv) == status::kOk ? trimmed(prv.PrvNam.view()) : "unknown person";
    day_.persons.push_back({name, pnr, {}, {}});
    return day_.persons.back();
  }

  Day& day_;
  std::map<std::string, std::size_t>& places_;
  std::map<std::string, std::size_t> persons_;
  std::map<std::pair<std::string, std::string>, Open> open_;
  std::map<std::string, PersonFigures> figures_;
};

// Where open periods end: at midnight, or on the current day now (or at
// its last booking, should the clocks of the terminals run ahead).
int endOfDay(const std::string& day, const std::vector<RptBuchung>& bookings) {
  std::string date, time;
  Datum_Zeit(date, time, 3);
  if (date != day) return kDayMinutes;
  const int last = bookings.empty() ? 0 : minuteOf(bookings.back().KeyUhr.view());
  return std::max(minuteOf(time), last);
}

std::string hm(double stored) { return html::HoursMinutes(DauerSekunden(stored)); }

std::string clockOf(const FixedText<15>& stamp) {
  const std::string s = stamp.str();
  return s.size() < 12 ? s : s.substr(8, 2) + ":" + s.substr(10, 2);
}

Table personTable(const std::map<std::string, PersonFigures>& figures, const Day& day) {
  Table t{"Persons on order operations (from the bookings)",
          {"person", "number", "order/operation", "work place", "work", "interruption"}, {}};
  for (const auto& [key, f] : figures) {
    const std::string pnr = key.substr(0, key.find('|'));
    const std::string rest = key.substr(key.find('|') + 1);
    std::string name = pnr;
    for (const Lane& l : day.persons)
      if (l.detail == pnr) name = l.title;
    t.rows.push_back({name, pnr, rest.substr(0, rest.find('|')), rest.substr(rest.find('|') + 1),
                      html::HoursMinutes(f.work), html::HoursMinutes(f.interruption)});
  }
  return t;
}

void periodTables(const std::vector<RptPeriode>& rows, Day& day) {
  Table shifts{"Run time per operation and shift",
               {"work place", "order/operation", "shift", "set-up", "work", "break", "interruption"}, {}};
  Table stoppages{"Stoppages of the work places within their shifts",
                  {"work place", "from", "to", "reason", "in shift", "of it in breaks"}, {}};
  Table persons{"Person periods of the person-time analysis",
                {"person", "work place", "order/operation", "period", "from", "to"}, {}};
  for (const RptPeriode& r : rows) {
    const std::string operation = trimmed(r.NzaApk.view()) + "/" + trimmed(r.NzaApp.view());
    if (r.NzaSa == 4)
      shifts.rows.push_back({trimmed(r.NzaApl.view()), operation, trimmed(r.NzaPnr.view()), hm(r.NzaBzr), hm(r.NzaBza),
                             hm(r.NzaPza), hm(r.NzaUza)});
    if (r.NzaSa == 13)
      stoppages.rows.push_back({trimmed(r.NzaApl.view()), clockOf(r.NzaDtm), clockOf(r.NzaEdt),
                                trimmed(r.NzaUbg.view()), hm(r.NzaBzu), hm(r.NzaPzu)});
    if (r.NzaSa == 1 || r.NzaSa == 2)
      persons.rows.push_back({trimmed(r.NzaPnr.view()), trimmed(r.NzaApl.view()), operation,
                              r.NzaSa == 1 ? "work" : "interruption", clockOf(r.NzaDtm), clockOf(r.NzaEdt)});
  }
  day.tables.push_back(std::move(shifts));
  day.tables.push_back(std::move(stoppages));
  if (!persons.rows.empty()) day.tables.push_back(std::move(persons));
}

}  // namespace

Day CollectDay(const std::string& dayText) {
  Day day;
  day.day = dayText;
  std::map<std::string, std::size_t> placeIndex;
  std::vector<RptArbeitsplatz> places;
  Rpt_Arbeitsplaetze(places);
  for (const RptArbeitsplatz& apl : places) {
    placeIndex[trimmed(apl.AplApl.view())] = day.workPlaces.size();
    Lane lane{trimmed(apl.AplApl.view()), trimmed(apl.AplBez.view()), {}, {}};
    shiftBands(apl, dayText, lane);
    day.workPlaces.push_back(std::move(lane));
  }
  Periods periods(day, placeIndex);
  std::vector<RptBuchung> bookings;
  Rpt_Buchungen(dayText, bookings);
  for (const RptBuchung& b : bookings) periods.book(b);
  periods.closeAll(endOfDay(dayText, bookings));
  std::vector<RptPeriode> rows;
  Rpt_Perioden(dayText, rows);
  day.tables.push_back(personTable(periods.personFigures(), day));
  periodTables(rows, day);
  return day;
}

}  // namespace report
