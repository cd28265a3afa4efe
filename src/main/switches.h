// The analysis switches: per analysis kind, whether the analysis is active
// and whether bookings leave recalculation notes for it. Loaded at start
// and again before every telegram, so a parameter change or a new day
// takes effect with the next telegram.
#pragma once

constexpr int kNzpKinds = 10;  // kinds 1, 2, 3, 4, 5, 7 and 9 are used

extern bool NzpAktiv[kNzpKinds];
extern bool NzpMerk[kNzpKinds];

void NzpLaden();
