// The analysis switches: per analysis kind, whether the analysis is active
// and whether bookings leave recalculation notes for it. The drain loads
// them once for its telegrams (db/pass_reads.h), each analysis when it
// runs; a parameter change takes effect with the next pass.
#pragma once

inline constexpr int kNzpKinds = 10;  // kinds 1, 2, 3, 4, 5, 7 and 9 are used

struct NzpSchalter {
  bool aktiv[kNzpKinds] = {};  // NzpAktiv: the analysis of the kind runs
  bool merk[kNzpKinds] = {};   // NzpMerk: bookings leave notes for the kind

  bool Aktiv(int kind) const { return kind >= 0 && kind < kNzpKinds && aktiv[kind]; }
  bool Merk(int kind) const { return kind >= 0 && kind < kNzpKinds && merk[kind]; }
};

// The switches of the parameter rows valid today; a kind without such a
// row (or whose row cannot be read) has both switches off.
NzpSchalter NzpLaden();
// NzpLaden into `out`; false when a read failed for another reason than
// a missing row, so that the switches are not to be kept.
bool LoadSwitches(NzpSchalter* out);
