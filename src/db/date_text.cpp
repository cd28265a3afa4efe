#include "db/date_text.h"

#include <cctype>
#include <cstdio>

#include "base/status.h"

namespace db {
namespace {

constexpr int kTooShort = -1840;   // input not long enough for the format
constexpr int kTooLong = -1830;    // format ends before the input
constexpr int kYearZero = -1841;
constexpr int kBadHour = -1850;
constexpr int kBadMinute = -1851;
constexpr int kBadSecond = -1852;

int number(std::string_view s, std::size_t pos, std::size_t len) {
  int v = 0;
  for (std::size_t k = pos; k < pos + len; ++k) v = v * 10 + (s[k] - '0');
  return v;
}

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

bool sameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
      return false;
  return true;
}

}  // namespace

std::int64_t daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

int dateTextToStored(std::string_view text, std::string_view format, std::string& stored) {
  const bool withTime = !sameNoCase(format, "yyyymmdd");
  const std::size_t need = withTime ? 14 : 8;
  if (text.size() < need) return kTooShort;
  if (text.size() > need) return kTooLong;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return status::kBadDateText;
  const int y = number(text, 0, 4), mo = number(text, 4, 2), d = number(text, 6, 2);
  if (y == 0) return kYearZero;
  if (mo < 1 || mo > 12) return status::kBadDate;
  if (d < 1 || d > daysInMonth(y, mo)) return status::kBadDay;
  int h = 0, mi = 0, s = 0;
  if (withTime) {
    h = number(text, 8, 2), mi = number(text, 10, 2), s = number(text, 12, 2);
    if (h > 23) return kBadHour;
    if (mi > 59) return kBadMinute;
    if (s > 59) return kBadSecond;
  }
  char buf[80];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
  stored = buf;
  return status::kOk;
}

int addDaysToStored(std::string_view stored, std::int64_t days, std::string& out) {
  if (stored.size() < 10) return status::kBadDateText;
  for (std::size_t k : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!std::isdigit(static_cast<unsigned char>(stored[k]))) return status::kBadDateText;
  int y = number(stored, 0, 4), m = number(stored, 5, 2), d = number(stored, 8, 2);
  if (m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return status::kBadDay;
  civilFromDays(daysFromCivil(y, m, d) + days, y, m, d);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
  out = std::string(buf) + std::string(stored.size() > 10 ? stored.substr(10) : " 00:00:00");
  return status::kOk;
}

}  // namespace db
