// The run over the pending "NZS" notes: each note is worked in one unit of
// work together with its deletion, so that a note is either evaluated and
// gone or untouched and still pending.
#include "analysis/analyses.h"
#include "analysis/note_unit.h"
#include "analysis/nzs/nzs.h"
#include "db/tables/pass_reads.h"

namespace {

constexpr int kInterruptionPeriodsKind = 5;

}  // namespace

// Notes that share kind, keys and booking number and differ only in their
// moment go together: kept, they would be worked in every pass.
bool Get_MerkLoeschen(const MelSatz& keyBooking) {
  return MerkSatzLoeschen(MerkSchluessel("NZS", keyBooking), "Get_MerkLoeschen");
}

int Nzs_Abarbeiten() {
  const bool interruptionPeriods = NzpPassSwitches().Aktiv(kInterruptionPeriodsKind);
  NotizenAbarbeiten("NZS", "Nzs_Abarbeiten", [interruptionPeriods](const MerkSatz& note) {
    const MelSatz key = SchluesselBuchung(note, true);
    if (Get_MerkLoeschen(key)) Nza_MPA(key, interruptionPeriods);
  });
  return 0;
}
