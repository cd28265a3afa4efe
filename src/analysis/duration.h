// Durations as the period rows store them: whole minutes before the
// decimal point and the remaining seconds as hundredths (90 s is 1.30).
#pragma once

#include <cstdint>

// The stored form of `seconds`.
double Dauer(std::int64_t seconds);

// The whole seconds of a stored duration. The stored value is first taken
// to the nearest hundredth: 1.15 is held as 1.1499999..., and cutting it
// would lose a second at every addition.
std::int64_t DauerSekunden(double stored);

// A stored duration plus seconds, in the stored form.
inline double DauerPlus(double stored, std::int64_t seconds) { return Dauer(DauerSekunden(stored) + seconds); }
