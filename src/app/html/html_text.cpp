#include "app/html/html_text.h"

#include <cstdio>

namespace html {

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string HoursMinutes(long long seconds) {
  const bool negative = seconds < 0;
  const long long minutes = ((negative ? -seconds : seconds) + 30) / 60;
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld:%02lld", negative ? "-" : "", minutes / 60, minutes % 60);
  return text;
}

}  // namespace html
