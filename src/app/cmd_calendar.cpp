// bdemorvelt calendar FROM TO: fills the shared calendar (one day row and
// one day-type row per day) for an installation where no other program
// maintains it. The analyses need every day of their windows there.
#include <cstdio>
#include <string>
#include <vector>

#include "app/commands.h"
#include "base/civil_date.h"
#include "base/status.h"
#include "db/bak.h"
#include "db/kal.h"
#include "db/session.h"

namespace {

bool isDate(const std::string& text) { return text.size() == 8 && !AddDays(text, 0).empty(); }

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
    if (t.empty() || t.size() > 3) return {};
  return types.size() == 7 ? types : std::vector<std::string>{};
}

int fail(const char* message, const std::string& what) {
  std::fprintf(stderr, "bdemorvelt calendar: %s%s\n", message, what.c_str());
  return 2;
}

// Inserts a row unless the day is there already.
bool insertNew(int rc, const char* what, const std::string& day) {
  if (rc == status::kOk || rc == status::kDuplicate) return true;
  std::fprintf(stderr, "bdemorvelt calendar: %s of %s could not be written (%d)\n", what, day.c_str(), rc);
  return false;
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
  if (types.empty()) return fail("--day-types needs seven day types, Monday first: ", options.dayTypes);
  if (options.calendarNumber.empty() || options.calendarNumber.size() > 5)
    return fail("not a calendar number: ", options.calendarNumber);

  if (!ConnectForCommand(options, false)) return 1;
  db::Session& s = db::Session::get();
  if (s.beginUnit() != status::kOk) return fail("cannot begin a unit of work", "");
  int days = 0;
  bool ok = true;
  for (std::string day = from; ok && day <= to; day = AddDays(day, 1), ++days) {
    BakSatz bak = Bak_Tag(day);
    KalSatz kal;
    kal.KalNum = options.calendarNumber;
    kal.KalDtm = day;
    kal.KalBtp = types[static_cast<std::size_t>(bak.BakWtg - 1)];
    ok = insertNew(Bak_PKeyIns(&bak), "the day", day) && insertNew(Kal_PKeyIns(&kal), "the day type", day);
  }
  if (!ok || s.unitSpoiled()) {
    s.rollbackUnit();
    return 1;
  }
  if (s.commitUnit() != status::kOk) {
    std::fprintf(stderr, "bdemorvelt calendar: the calendar could not be committed\n");
    return 1;
  }
  std::printf("calendar %s: %d days from %s to %s\n", options.calendarNumber.c_str(), days, from.c_str(), to.c_str());
  return 0;
}
