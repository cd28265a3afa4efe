#include "base/civil_date.h"

#include <cstdio>

std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

bool IsCivilDate(int y, int m, int d) { return m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m); }

std::string AddDays(std::string_view text, int days) {
  if (text.size() != 8) return std::string();
  int parts[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  std::size_t at = 0;
  for (int k = 0; k < 3; ++k)
    for (int n = 0; n < widths[k]; ++n, ++at) {
      if (text[at] < '0' || text[at] > '9') return std::string();
      parts[k] = parts[k] * 10 + (text[at] - '0');
    }
  int y = parts[0], m = parts[1], d = parts[2];
  if (!IsCivilDate(y, m, d)) return std::string();
  CivilFromDays(DaysFromCivil(y, m, d) + days, y, m, d);
  char out[48];
  std::snprintf(out, sizeof out, "%04d%02d%02d", y, m, d);
  return out;
}

int IsoWeekday(int y, int m, int d) {
  const std::int64_t days = DaysFromCivil(y, m, d);  // 1970-01-01 was a Thursday
  return static_cast<int>(((days % 7) + 7 + 3) % 7) + 1;
}

int DayOfYear(int y, int m, int d) { return static_cast<int>(DaysFromCivil(y, m, d) - DaysFromCivil(y, 1, 1)) + 1; }

namespace {

int weeksInYear(int y) {
  const int jan1 = IsoWeekday(y, 1, 1);
  return jan1 == 4 || (jan1 == 3 && IsLeapYear(y)) ? 53 : 52;
}

}  // namespace

int IsoWeek(int y, int m, int d) {
  const int week = (DayOfYear(y, m, d) - IsoWeekday(y, m, d) + 10) / 7;
  if (week < 1) return weeksInYear(y - 1);
  if (week > weeksInYear(y)) return 1;
  return week;
}
