#include "demo/terminal_telegram.h"

#include <cmath>
#include <cstdio>

namespace terminal {

std::string Fixed(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, std::min(text.size(), width)));
  out.resize(width, ' ');
  return out;
}

std::string Quantity(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%011lld", static_cast<long long>(std::llround(value * 1000)));
  return buf;
}

std::string Quantities(double good, double reject) {
  return Quantity(good) + Quantity(reject) + Quantity(0) + Quantity(0);
}

std::string Raw(std::string_view fcd, std::string_view day, std::string_view time, std::string_view terminal,
                std::string_view data) {
  std::string t = Fixed("RCV BDE-TERMINAL-NET", 52);
  t += "1";
  t += "0";
  t += Fixed(terminal, 2);
  t += "0";
  t += day.substr(2, 6);
  t += time;
  t += "00";
  t += fcd;
  t += data;
  return t;
}

std::string OrderKeys(std::string_view badge, std::string_view apk, std::string_view app, std::string_view apl) {
  return Fixed(badge, 8) + Fixed(apk, 12) + Fixed(app, 5) + Fixed(apl, 10);
}

std::string WithQuantities(const std::string& keys, double good, double reject) {
  return keys + Quantities(good, reject);
}

std::string OperationInterrupted(const std::string& keys, std::string_view reason) {
  return keys + Quantities(0, 0) + " " + Fixed(reason, 4) + "   ";
}

std::string OperationEnd(const std::string& keys, double good, double reject, bool finished) {
  return keys + Quantities(good, reject) + (finished ? "1" : "0") + " " + "0000";
}

std::string AtWorkPlace(std::string_view badge, std::string_view apl) {
  return Fixed(badge, 8) + Fixed(apl, 10) + Fixed("", 11);
}

std::string PersonInterruption(const std::string& keys, std::string_view reason) {
  return keys + " " + Fixed(reason, 4) + Fixed("", 11);
}

std::string PersonOff(const std::string& keys, double good, double reject) {
  return keys + Fixed("", 11) + Quantities(good, reject) + " 0000";
}

std::string WorkPlaceState(std::string_view badge, std::string_view apl, std::string_view reason) {
  return Fixed(badge, 8) + Fixed(apl, 10) + " " + Fixed(reason, 4);
}

}  // namespace terminal
