#include "analysis/duration.h"

#include <cmath>

double Dauer(std::int64_t seconds) {
  return static_cast<double>(seconds / 60) + static_cast<double>(seconds % 60) / 100.0;
}

std::int64_t DauerSekunden(double stored) {
  const std::int64_t hundredths = std::llround(stored * 100.0);
  return hundredths / 100 * 60 + hundredths % 100;
}
