#include "base/datetime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "base/civil_date.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number at [pos, pos + len) of text, read as described in the header.
long long fieldNumber(std::string_view text, std::size_t pos, std::size_t len) {
  if (pos >= text.size()) return 0;
  std::string_view field = text.substr(pos, len);
  std::size_t k = 0;
  while (k < field.size() && field[k] == ' ') ++k;
  long long value = 0;
  for (; k < field.size() && isDigit(field[k]); ++k) value = value * 10 + (field[k] - '0');
  return value;
}

// Leading digits of a text of any length, as a double so that no length
// overflows.
double leadingValue(std::string_view text) {
  double value = 0;
  for (char c : text) {
    if (!isDigit(c)) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string formatTime(const std::tm& when, const char* layout) {
  std::array<char, 32> buf{};
  std::size_t n = std::strftime(buf.data(), buf.size(), layout, &when);
  return std::string(buf.data(), n);
}

long long wallClockSeconds(std::string_view stamp) {
  long long year = fieldNumber(stamp, 0, 4);
  if (year < 70) year += 2000;
  else if (year < 100) year += 1900;
  // A month outside 1..12 is held to that range; the day is taken as it is.
  const long long month = std::clamp(fieldNumber(stamp, 4, 2), 1LL, 12LL);
  long long days = DaysFromCivil(static_cast<int>(year), static_cast<int>(month),
                                 static_cast<int>(fieldNumber(stamp, 6, 2)));
  return days * 86400 + fieldNumber(stamp, 8, 2) * 3600 + fieldNumber(stamp, 10, 2) * 60 +
         fieldNumber(stamp, 12, 2);
}

}  // namespace

void FormatDatumZeit(const std::tm& when, int format, std::string& out1, std::string& out2) {
  out1.clear();
  out2.clear();
  switch (format) {
    case 1: out1 = formatTime(when, "%d%m20%y"); out2 = formatTime(when, "%H%M%S"); break;
    case 2: out1 = formatTime(when, "%d%m20%y%H%M%S"); break;
    case 3: out1 = formatTime(when, "20%y%m%d"); out2 = formatTime(when, "%H%M%S"); break;
    case 4: out1 = formatTime(when, "20%y%m%d%H%M%S"); break;
    default: break;
  }
}

int Datum_Zeit(std::string& out1, std::string& out2, int format) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  FormatDatumZeit(local, format, out1, out2);
  return 0;
}

int Std_Min(std::string_view time) {
  return static_cast<int>(fieldNumber(time, 0, 2) * 60 + fieldNumber(time, 2, 2));
}

std::string Min_Zeit(int minutes) {
  minutes = std::clamp(minutes, 0, 5999);
  if (minutes == 1440) return "235959";
  std::array<char, 8> buf{};
  std::snprintf(buf.data(), buf.size(), "%02d%02d00", minutes / 60, minutes % 60);
  return std::string(buf.data());
}

void Min_Zeit(int minutes, FixedText<7>& out) { out = Min_Zeit(minutes); }

long long Zeit_Differenz(std::string_view a, std::string_view b) {
  return wallClockSeconds(a) - wallClockSeconds(b);
}

int Text_Zahl(std::string_view digits, double& out, int decimals) {
  std::size_t start = digits.find_first_not_of("0 ");
  std::string_view rest =
      start == std::string_view::npos ? std::string_view() : digits.substr(start);
  if (decimals < 0 || rest.size() < static_cast<std::size_t>(decimals)) {
    out = 0;
    return -1;
  }
  const std::size_t integerLength = rest.size() - static_cast<std::size_t>(decimals);
  out = leadingValue(rest.substr(0, integerLength)) +
        leadingValue(rest.substr(integerLength)) / std::pow(10.0, decimals);
  return 0;
}
