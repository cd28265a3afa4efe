// A plant day: a seeded, realistic shop floor and the telegrams its
// terminals send, for benchmarks and for tests that need a whole plant.
//
//   plant::Plant p({.workPlaces = 200, .shifts = 2, .days = 1, .seed = 7});
//   p.load(&error);                    // master data, attendance, calendar
//   plant::QueueTelegrams(p.telegrams(), 0, n, 1);   // what the receiver does
//
// Work places come in groups (ten by default). Even groups work the plant's
// shift model: early 06:00-14:00 and late 14:00-22:00, plus a night shift
// 22:00-06:00 across midnight when three shifts are asked for. Odd groups
// work a day and an evening shift, 08:00-16:00 and 16:00-24:00. Every shift
// has two breaks. Each shift of a group has a crew; a person of the crew
// looks after one work place or, when the crew is smaller than the group,
// two at once; machines beyond that stand still for the shift. Half the persons work to a time model (planned days and
// account-day bookings), half to the shift model; everyone has a come and
// go row per day.
//
// On every staffed work place and shift the terminals report: the person
// logs on to the work place, order operations are set up and started,
// quantities with good and reject are reported, operations and persons are
// interrupted and resumed, the work place stops and runs again with a
// reason, a helper from the crew logs on to an operation for a while, and
// operations end (finished, or handed on unfinished to the next shift). A
// few end bookings come late (the next day) or never, a few persons log off
// an operation they never logged on to or resume without an interruption,
// and a few persons stay away for a day.
//
// Everything follows from the options: the same options give the same
// master data and byte for byte the same telegrams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plant {

struct PlantOptions {
  int workPlaces = 20;
  int groupSize = 10;
  int shifts = 2;               // 2 or 3, for the even groups
  int personsPerShift = 0;      // over the whole plant; 0: four for every five work places
  std::string firstDay = "20260302";  // yyyymmdd
  int days = 1;
  std::uint64_t seed = 1;
};

// One telegram as the receiving component gets it.
struct PlantTelegram {
  std::string moment;  // yyyymmddHHMMSS it was sent and received; no two share one
  std::string text;    // the raw telegram
  bool operator==(const PlantTelegram&) const = default;
};

// A shift of a shift model, in minutes after midnight; an end not after the
// begin lies on the next day (1440 is midnight at the shift's own end).
struct PlantShift {
  std::string text;  // "Early", "Late", ...
  int begin = 0, end = 0;
  int breaks[2][2] = {};  // two breaks, begin and end minute
  bool operator==(const PlantShift&) const = default;
};

struct PlantShiftModel {
  std::string name;  // the model's name in the shift tables
  std::vector<PlantShift> shifts;
  bool operator==(const PlantShiftModel&) const = default;
};

struct PlantWorkPlace {
  std::string apl, group;
  int model = 0;  // index into shiftModels()
  bool operator==(const PlantWorkPlace&) const = default;
};

// One day's attendance of a person, as the time-recording program keeps it.
struct PlantAttendance {
  std::string day;               // the day the shift belongs to
  std::string come, go;          // yyyymmddHHMMSS
  bool operator==(const PlantAttendance&) const = default;
};

struct PlantPerson {
  std::string pnr, badge, name;
  std::string group;         // the crew's work-place group
  int model = 0, shift = 0;  // the crew's shift model and shift
  bool timeModel = false;    // works to a time model rather than the shift model
  std::vector<PlantAttendance> attendance;  // days present
  bool operator==(const PlantPerson&) const = default;
};

struct PlantOperation {
  std::string apk, apl;  // the order's one operation "00010" runs on apl
  int quantity = 0;
  bool operator==(const PlantOperation&) const = default;
};

class Plant {
 public:
  explicit Plant(PlantOptions options);

  const PlantOptions& options() const { return options_; }
  const std::vector<PlantShiftModel>& shiftModels() const { return models_; }
  const std::vector<PlantWorkPlace>& workPlaces() const { return workPlaces_; }
  const std::vector<PlantPerson>& persons() const { return persons_; }
  const std::vector<PlantOperation>& operations() const { return operations_; }
  // In the order sent: ascending moments, each moment once in the plant.
  const std::vector<PlantTelegram>& telegrams() const { return telegrams_; }

  // The days of the calendar the plant needs: a week before the first day
  // up to a week after the last.
  std::string calendarFrom() const;
  std::string calendarTo() const;
  std::string lastDay() const;

  // Writes the master data into the connected database in one unit:
  // function codes, analysis switches (every analysis active, notes of the
  // stoppage analysis switched on), work places, shift models, breaks and
  // their assignment, the calendar, persons with their day models and
  // attendance, orders and operations. False with a reason when a row
  // cannot be written.
  bool load(std::string* error) const;

 private:
  PlantOptions options_;
  std::vector<PlantShiftModel> models_;
  std::vector<PlantWorkPlace> workPlaces_;
  std::vector<PlantPerson> persons_;
  std::vector<PlantOperation> operations_;
  std::vector<PlantTelegram> telegrams_;

  friend class PlantBuilder;
};

// Puts telegrams[from, to) into the receive queue with running numbers from
// `firstLfn`, as the receiving component does, in one unit. 0, or the status
// of the first insert that failed (nothing is queued then).
int QueueTelegrams(const std::vector<PlantTelegram>& telegrams, std::size_t from, std::size_t to,
                   std::int32_t firstLfn);

// The moment (yyyymmddHHMMSS) `second` seconds after midnight of `firstDay`.
std::string PlantMoment(const std::string& firstDay, long second);

// The index of the first telegram sent after `moment` (yyyymmddHHMMSS).
std::size_t TelegramsUpTo(const std::vector<PlantTelegram>& telegrams, const std::string& moment);

}  // namespace plant
