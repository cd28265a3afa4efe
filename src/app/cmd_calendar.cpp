// bdemorvelt calendar FROM TO: fills the shared calendar (one day row and
// one day-type row per day and calendar) for an installation where no other
// program maintains it. The analyses need every day of their windows there,
// in the calendars their shift assignments name.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "base/civil_date.h"
#include "base/status.h"
#include "db/tables/aem.h"
#include "db/tables/bak.h"
#include "db/tables/emo.h"
#include "db/tables/kal.h"
#include "db/engine/unit_of_work.h"

namespace {

constexpr std::size_t kCalendarNumberWidth = 5;
constexpr std::size_t kDayTypeWidth = 3;

bool isDate(const std::string& text) { return text.size() == 8 && !AddDays(text, 0).empty(); }

// A key of the calendar tables: printable, without blanks, within its width.
bool isKey(const std::string& text, std::size_t width) {
  if (text.empty() || text.size() > width) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F && c != ','; });
}

// Seven day types, Monday first; empty when the text does not hold seven.
std::vector<std::string> dayTypesOf(const std::string& text) {
  std::vector<std::string> types;
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = text.find(',', from);
    types.push_back(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  for (const std::string& t : types)
    if (!isKey(t, kDayTypeWidth)) return {};
  return types.size() == 7 ? types : std::vector<std::string>{};
}

int fail(const char* message, const std::string& what) {
  std::fprintf(stderr, "bdemorvelt calendar: %s%s\n", message, what.c_str());
  return 2;
}

void warn(const std::string& text) { std::fprintf(stderr, "bdemorvelt calendar: warning: %s\n", text.c_str()); }

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The calendars to fill: the one asked for, else every one the shift
// assignments name ("1" when they name none). A calendar or day type the
// shift data does not know is filled all the same, with a warning.
bool chooseCalendars(const std::string& asked, const std::vector<std::string>& types,
                     std::vector<std::string>& calendars) {
  std::vector<std::string> named, known;
  int rc = Aem_Kalender(named);
  if (rc == status::kOk) rc = Emo_Tagestypen(known);
  if (rc != status::kOk) {
    std::fprintf(stderr, "bdemorvelt calendar: the shift assignments cannot be read (%d)\n", rc);
    return false;
  }
  calendars = !asked.empty() ? std::vector<std::string>{asked} : named;
  if (calendars.empty()) calendars.push_back("1");
  for (const std::string& c : calendars)
    if (!contains(named, c)) warn("no shift assignment names calendar " + c);
  std::vector<std::string> warned;
  for (const std::string& t : types) {
    if (contains(known, t) || contains(warned, t)) continue;
    warned.push_back(t);
    warn("no shift model has shifts for day type " + t + ": its days get no shifts");
  }
  return true;
}

// Inserts a row unless the day is there already.
bool insertNew(int rc, const char* what, const std::string& day) {
  if (rc == status::kOk || rc == status::kDuplicate) return true;
  std::fprintf(stderr, "bdemorvelt calendar: %s of %s could not be written (%d)\n", what, day.c_str(), rc);
  return false;
}

bool fill(const std::string& from, const std::string& to, const std::vector<std::string>& calendars,
          const std::vector<std::string>& types, int& days) {
  for (std::string day = from; day <= to; day = AddDays(day, 1), ++days) {
    BakSatz bak = Bak_Tag(day);
    if (!insertNew(Bak_PKeyIns(&bak), "the day", day)) return false;
    for (const std::string& calendar : calendars) {
      KalSatz kal;
      kal.KalNum = calendar;
      kal.KalDtm = day;
      kal.KalBtp = types[static_cast<std::size_t>(bak.BakWtg - 1)];
      if (!insertNew(Kal_PKeyIns(&kal), "the day type", day)) return false;
    }
  }
  return true;
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

}  // namespace

int RunCalendar(const Options& options) {
  if (options.args.size() != 2) return fail("needs FROM and TO (yyyymmdd)", "");
  const std::string& from = options.args[0];
  const std::string& to = options.args[1];
  if (!isDate(from)) return fail("not a date: ", from);
  if (!isDate(to)) return fail("not a date: ", to);
  if (to < from) return fail("TO lies before FROM: ", from + " " + to);
  const std::vector<std::string> types = dayTypesOf(options.dayTypes);
  if (types.empty()) return fail("--day-types needs seven day types of 1 to 3 characters, Monday first: ", options.dayTypes);
  const std::string& asked = options.calendarNumbers;
  if (!asked.empty() && !isKey(asked, kCalendarNumberWidth))
    return fail("not a calendar number (1 to 5 characters): ", asked);

  if (!ConnectForCommand(options, false)) return 1;
  std::vector<std::string> calendars;
  if (!chooseCalendars(asked, types, calendars)) return 1;
  db::UnitOfWork unit;
  if (!unit.open()) return fail("cannot begin a unit of work", "");
  int days = 0;
  if (!fill(from, to, calendars, types, days) || unit.spoiled()) return 1;  // the unit rolls back
  if (!unit.commit().committed()) {
    std::fprintf(stderr, "bdemorvelt calendar: the calendar could not be committed\n");
    return 1;
  }
  std::printf("calendar %s: %d days from %s to %s\n", joined(calendars).c_str(), days, from.c_str(), to.c_str());
  return 0;
}
