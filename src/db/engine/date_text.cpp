#include "db/engine/date_text.h"

#include <cctype>
#include <cstdio>

#include "base/civil_date.h"
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

bool sameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
      return false;
  return true;
}

}  // namespace

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
  if (d < 1 || d > DaysInMonth(y, mo)) return status::kBadDay;
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
  if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return status::kBadDay;
  CivilFromDays(DaysFromCivil(y, m, d) + days, y, m, d);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
  out = std::string(buf) + std::string(stored.size() > 10 ? stored.substr(10) : " 00:00:00");
  return status::kOk;
}

}  // namespace db
