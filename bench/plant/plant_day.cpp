// The plant's people, orders and telegrams, drawn from the seed.
#include <algorithm>
#include <cstdio>
#include <map>

#include "base/civil_date.h"
#include "demo/terminal_telegram.h"
#include "plant/plant.h"

namespace plant {
namespace {

// A small generator of our own (splitmix64): the standard distributions
// may differ between library versions, and a plant must come out the same
// everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int between(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1)); }
  bool chance(int percent) { return between(0, 99) < percent; }

 private:
  std::uint64_t state_;
};

// A stream of its own for each part of the plant, so that, say, one more
// work place leaves the others' days as they were.
Random StreamOf(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0) {
  Random r(seed ^ (a * 0x100000001B3ull) ^ (b * 0xC2B2AE3D27D4EB4Full) ^ (c * 0x165667B19E3779F9ull));
  r.next();
  return r;
}

std::string Numbered(const char* format, int n) {
  char s[32];
  std::snprintf(s, sizeof s, format, n);
  return s;
}

constexpr long kDay = 86400;
constexpr int kPlacesPerPerson = 2;

std::vector<PlantShiftModel> ShiftModels(int shifts) {
  PlantShiftModel plantModel{shifts == 3 ? "THREE" : "TWO",
                             {{"Early", 360, 840, {{540, 555}, {720, 750}}},
                              {"Late", 840, 1320, {{1020, 1035}, {1170, 1200}}}}};
  if (shifts == 3) plantModel.shifts.push_back({"Night", 1320, 360, {{1410, 1425}, {120, 150}}});
  PlantShiftModel toMidnight{"TO-MIDNITE",
                             {{"Day", 480, 960, {{600, 615}, {720, 750}}},
                              {"Evening", 960, 1440, {{1140, 1155}, {1290, 1320}}}}};
  return {plantModel, toMidnight};
}

// Begin and end of a shift on day `day` (0 = the first day), in seconds.
long ShiftBegin(const PlantShift& s, int day) { return day * kDay + s.begin * 60L; }
long ShiftEnd(const PlantShift& s, int day) {
  return day * kDay + (s.end > s.begin ? s.end : s.end + 1440) * 60L;
}

struct Event {
  long second;
  long sequence;
  const char* fcd;
  const char* terminal;
  std::string data;
};

// An operation end a person books only on their next shift.
struct LateEnd {
  std::string keys;
  int good;
  int day;  // the day the operation ended
};

}  // namespace

class PlantBuilder {
 public:
  explicit PlantBuilder(Plant& p) : p_(p), o_(p.options_) {}

  void build() {
    p_.models_ = ShiftModels(o_.shifts);
    placeWorkPlaces();
    hireCrews();
    for (int day = 0; day < o_.days; ++day)
      for (std::size_t g = 0; g < crews_.size(); ++g)
        for (std::size_t s = 0; s < crews_[g].size(); ++s) workShift(day, static_cast<int>(g), static_cast<int>(s));
    sendTelegrams();
  }

 private:
  void placeWorkPlaces() {
    for (int w = 0; w < o_.workPlaces; ++w) {
      const int group = w / o_.groupSize;
      p_.workPlaces_.push_back({Numbered("WP%08d", w + 1), Numbered("G%03d", group + 1), group % 2});
    }
  }

  // Each shift of each group gets its share of the persons per shift.
  void hireCrews() {
    const int perShift = o_.personsPerShift > 0 ? o_.personsPerShift : std::max(1, o_.workPlaces * 4 / 5);
    const int groups = (o_.workPlaces + o_.groupSize - 1) / o_.groupSize;
    crews_.resize(static_cast<std::size_t>(groups));
    for (int g = 0; g < groups; ++g) {
      const int places = std::min(o_.groupSize, o_.workPlaces - g * o_.groupSize);
      const int crew = std::max(1, (perShift * places + o_.workPlaces / 2) / o_.workPlaces);
      const PlantShiftModel& model = p_.models_[static_cast<std::size_t>(g % 2)];
      crews_[static_cast<std::size_t>(g)].resize(model.shifts.size());
      for (std::size_t s = 0; s < model.shifts.size(); ++s)
        for (int k = 0; k < crew; ++k) hire(g, static_cast<int>(s));
    }
  }

  void hire(int group, int shift) {
    const int n = static_cast<int>(p_.persons_.size());
    PlantPerson person{Numbered("%08d", 10001 + n), Numbered("B%07d", 10001 + n), Numbered("Person %d", n + 1),
                       Numbered("G%03d", group + 1), group % 2, shift, n % 2 == 0, {}};
    const PlantShift& s = p_.models_[static_cast<std::size_t>(person.model)].shifts[static_cast<std::size_t>(shift)];
    for (int day = 0; day < o_.days; ++day) {
      Random r = StreamOf(o_.seed, 1, static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(day));
      if (r.chance(3)) continue;  // away for the day
      const long come = ShiftBegin(s, day) - r.between(5, 20) * 60 - r.between(0, 59);
      const long go = ShiftEnd(s, day) + r.between(3, 25) * 60 + r.between(0, 59);
      person.attendance.push_back(
          {AddDays(o_.firstDay, day), PlantMoment(o_.firstDay, come), PlantMoment(o_.firstDay, go)});
    }
    crews_[static_cast<std::size_t>(group)][static_cast<std::size_t>(shift)].push_back(n);
    p_.persons_.push_back(std::move(person));
  }

  bool present(int person, int day) const {
    const std::string d = AddDays(o_.firstDay, day);
    for (const PlantAttendance& a : p_.persons_[static_cast<std::size_t>(person)].attendance)
      if (a.day == d) return true;
    return false;
  }

  void emit(long second, const char* fcd, const char* terminal, std::string data) {
    events_.push_back({second, ++sequence_, fcd, terminal, std::move(data)});
  }

  // The crew's present persons share the group's work places round robin,
  // at most two each; machines no one looks after stand still.
  void workShift(int day, int group, int shift) {
    std::vector<int> crew;
    for (int person : crews_[static_cast<std::size_t>(group)][static_cast<std::size_t>(shift)])
      if (present(person, day)) crew.push_back(person);
    if (crew.empty()) return;
    const PlantShift& s = p_.models_[static_cast<std::size_t>(group % 2)].shifts[static_cast<std::size_t>(shift)];
    const int first = group * o_.groupSize;
    const int places = std::min(o_.groupSize, o_.workPlaces - first);
    const int staffed = std::min(places, kPlacesPerPerson * static_cast<int>(crew.size()));
    const int offset = (day * 3 + shift) * staffed % places;  // idle machines take turns
    for (int k = 0; k < staffed; ++k) {
      const int person = crew[static_cast<std::size_t>(k) % crew.size()];
      workPlaceShift(day, first + (offset + k) % places, s, shift, person, crew);
    }
  }

  // One work place through one shift.
  void workPlaceShift(int day, int w, const PlantShift& s, int shift, int person, const std::vector<int>& crew) {
    Random r = StreamOf(o_.seed, 2, static_cast<std::uint64_t>(w), static_cast<std::uint64_t>(day * 4 + shift));
    const std::string& apl = p_.workPlaces_[static_cast<std::size_t>(w)].apl;
    const std::string& badge = p_.persons_[static_cast<std::size_t>(person)].badge;
    long t = ShiftBegin(s, day) + r.between(2, 12) * 60 + r.between(0, 59);
    emit(t, "P01", "T2", terminal::AtWorkPlace(badge, apl));
    // Ends the person owes from an earlier day; one looking after two
    // machines books them at the first.
    std::vector<LateEnd>& owed = lateEnds_[person];
    for (auto late = owed.begin(); late != owed.end();) {
      if (late->day == day) {
        ++late;
        continue;
      }
      t += r.between(1, 4) * 60 + r.between(0, 59);
      emit(t, "A07", "T1", terminal::OperationEnd(late->keys, late->good, 0, true));
      late = owed.erase(late);
    }
    const long stopAt = ShiftEnd(s, day) - r.between(10, 20) * 60;
    t += r.between(1, 5) * 60 + r.between(0, 59);
    while (t < stopAt - 30 * 60) t = operation(r, day, t, stopAt, w, person, crew);
    emit(std::max(t, stopAt) + r.between(1, 5) * 60 + r.between(0, 59), "P04", "T2",
         terminal::AtWorkPlace(badge, apl));
  }

  std::string newOrder(int w) {
    const int n = static_cast<int>(p_.operations_.size());
    p_.operations_.push_back({Numbered("FA%010d", n + 1), p_.workPlaces_[static_cast<std::size_t>(w)].apl,
                              100 + (n * 37) % 400});
    return p_.operations_.back().apk;
  }

  // One order operation (or the rest of one handed on by the shift
  // before), from set-up to its end; returns when the next may start.
  long operation(Random& r, int day, long t, long stopAt, int w, int person, const std::vector<int>& crew) {
    const std::string& apl = p_.workPlaces_[static_cast<std::size_t>(w)].apl;
    const std::string& badge = p_.persons_[static_cast<std::size_t>(person)].badge;
    std::string& handedOn = unfinished_[w];
    const bool continued = !handedOn.empty();
    const std::string apk = continued ? handedOn : newOrder(w);
    const std::string keys = terminal::OrderKeys(badge, apk, "00010", apl);
    if (!continued) {
      emit(t, "A01", "T1", keys);
      t += r.between(10, 40) * 60 + r.between(0, 59);
      emit(t, "A02", "T1", terminal::WithQuantities(keys, r.between(1, 3), r.chance(20) ? 1 : 0));
      t += r.between(1, 5) * 60 + r.between(0, 59);
    }
    emit(t, "A03", "T1", keys);
    long end = t + r.between(60, 240) * 60 + r.between(0, 59);
    const bool cutByShift = end >= stopAt;
    if (cutByShift) end = stopAt;
    helper(r, t, end, apk, apl, person, crew);
    incidents(r, t, end, keys, badge, apl);
    const int good = r.between(10, 80), reject = r.chance(30) ? r.between(1, 3) : 0;
    handedOn.clear();
    const int fate = r.between(0, 99);
    if (cutByShift) {
      emit(end, "A07", "T1", terminal::OperationEnd(keys, good, reject, false));
      handedOn = apk;
    } else if (fate < 4) {
      lateEnds_[person].push_back({keys, good, day});  // booked at the person's next shift
    } else if (fate >= 7) {
      emit(end, "A07", "T1", terminal::OperationEnd(keys, good, reject, true));
    }  // else: the end is never booked
    return end + r.between(3, 10) * 60 + r.between(0, 59);
  }

  // Now and then another person of the crew joins the operation for a
  // while; a few of them forget to log on and only log off.
  void helper(Random& r, long from, long to, const std::string& apk, const std::string& apl, int person,
              const std::vector<int>& crew) {
    if (crew.size() < 2 || to - from < 40 * 60) return;
    const int kind = r.between(0, 99);
    if (kind >= 15) return;
    int other = crew[static_cast<std::size_t>(r.between(0, static_cast<int>(crew.size()) - 1))];
    if (other == person) other = crew[(static_cast<std::size_t>(std::find(crew.begin(), crew.end(), other) -
                                                                crew.begin()) + 1) % crew.size()];
    const std::string keys =
        terminal::OrderKeys(p_.persons_[static_cast<std::size_t>(other)].badge, apk, "00010", apl);
    const long join = from + r.between(5, 20) * 60 + r.between(0, 59);
    const long leave = to - r.between(5, 15) * 60 - r.between(0, 59);
    if (kind >= 4) emit(join, "P05", "T1", keys);
    emit(leave, "P08", "T1", terminal::PersonOff(keys, r.between(0, 10), 0));
  }

  // Half-hour slots of the run, each with at most one incident.
  void incidents(Random& r, long from, long to, const std::string& keys, const std::string& badge,
                 const std::string& apl) {
    static const char* kOperationReasons[] = {"R001", "R002", "R003", "R004"};
    static const char* kStopReasons[] = {"M101", "M102", "M103"};
    static const char* kPersonReasons[] = {"P001", "P002"};
    for (long slot = from + 5 * 60; slot + 30 * 60 < to - 5 * 60; slot += 30 * 60) {
      const int kind = r.between(0, 99);
      const long at = slot + r.between(0, 5) * 60 + r.between(0, 59);
      const long back = at + r.between(5, 20) * 60 + r.between(0, 59);
      if (kind < 12) {
        emit(at, "A04", "T1", terminal::OperationInterrupted(keys, kOperationReasons[r.between(0, 3)]));
        emit(back, "A05", "T1", keys);
      } else if (kind < 20) {
        emit(at, "M03", "T3", terminal::WorkPlaceState(badge, apl, kStopReasons[r.between(0, 2)]));
        emit(back, "M04", "T3", terminal::WorkPlaceState(badge, apl, "0000"));
      } else if (kind < 30) {
        emit(at, "P06", "T1", terminal::PersonInterruption(keys, kPersonReasons[r.between(0, 1)]));
        emit(back, "P07", "T1", terminal::PersonInterruption(keys, "0000"));
      } else if (kind < 32) {
        emit(back, "P07", "T1", terminal::PersonInterruption(keys, "0000"));  // no interruption began
      } else if (kind < 55) {
        emit(at, "A06", "T1", terminal::WithQuantities(keys, r.between(5, 40), r.chance(25) ? 1 : 0));
      }
    }
  }

  // In time order; where two terminals would send in the same second, the
  // later one waits a second, so that the queue's order is the plant's.
  void sendTelegrams() {
    std::sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
      return a.second != b.second ? a.second < b.second : a.sequence < b.sequence;
    });
    long previous = -1;
    p_.telegrams_.reserve(events_.size());
    for (const Event& e : events_) {
      previous = std::max(e.second, previous + 1);
      const std::string moment = PlantMoment(o_.firstDay, previous);
      p_.telegrams_.push_back({moment, terminal::Raw(e.fcd, moment.substr(0, 8), moment.substr(8), e.terminal, e.data)});
    }
  }

  Plant& p_;
  const PlantOptions& o_;
  std::vector<std::vector<std::vector<int>>> crews_;  // group, shift: persons
  std::map<int, std::vector<LateEnd>> lateEnds_;      // by person
  std::map<int, std::string> unfinished_;             // by work place: the operation handed on
  std::vector<Event> events_;
  long sequence_ = 0;
};

std::string PlantMoment(const std::string& firstDay, long second) {
  char time[32];
  const long s = second % kDay;
  std::snprintf(time, sizeof time, "%02ld%02ld%02ld", s / 3600, s / 60 % 60, s % 60);
  return AddDays(firstDay, static_cast<int>(second / kDay)) + time;
}

Plant::Plant(PlantOptions options) : options_(std::move(options)) { PlantBuilder(*this).build(); }

std::string Plant::calendarFrom() const { return AddDays(options_.firstDay, -7); }
std::string Plant::calendarTo() const { return AddDays(lastDay(), 7); }
std::string Plant::lastDay() const { return AddDays(options_.firstDay, options_.days - 1); }

}  // namespace plant
