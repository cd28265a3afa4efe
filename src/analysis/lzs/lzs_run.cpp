#include "analysis/analyses.h"
#include "analysis/corner_values.h"
#include "analysis/lzs/evaluation.h"
#include "analysis/lzs/run_time.h"
#include "analysis/note_rows.h"
#include "analysis/note_unit.h"
#include "analysis/order_events.h"
#include "analysis/run_stamp.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/mrk.h"
#include "db/tables/pass_reads.h"

namespace {

constexpr int kInterruptionRowsKind = 5;

// The newest start (A01 or A03) of the operation at or before the note.
int startBooking(MelSatz& key) {
  MelSatz params = key;
  params.ObjTyp = "M_A";
  Mel_PrfRdBck_MA readBack;
  int rc = readBack.Open(&params, "A01", "A03", key.KeyDat.c_str(), key.KeyUhr.c_str(), key.KeySek.c_str());
  if (rc != status::kOk) {
    LogError("Mel_PrfRdBck_MA_Open", "Fehler: Cursor Open", rc);
    return rc;
  }
  rc = readBack.Read(&key);
  if (rc != status::kOk) LogError("Mel_PrfRdBck_MA_Read", "Fehler: Cursor Read", rc);
  return rc;
}

// The order events: every booking of the operation at its work place from
// the start booking up to the note, both included.
int orderEvents(const std::string& stamp, NzaSatz& run, TimeLine& line) {
  MelSatz window;
  window.ObjTyp = "M_A";
  window.KeyApl = run.NzaApl;
  window.KeyApk = run.NzaApk;
  window.KeyApp = run.NzaApp;
  window.KeyDat = run.NzaDtm;
  window.KeyUhr = run.NzaDtmUhr;
  Mel_MAVon bookings;
  if (bookings.Open(&window, run.NzaEdt.c_str(), run.NzaEdtUhr.c_str()) != status::kOk) return 0;
  const int stored =
      Mlt_Meldungen(kAuftragsEreignisse, stamp, run, line, [&](MelSatz* m) { return bookings.Read(m); });
  return stored;
}

}  // namespace

void Lza_Laufzeit(MelSatz key, bool unterbrechungsZeilen) {
  const NoteRows rows;  // the operation's run-time rows and totals, read once
  TimeLine line;
  const MelSatz note = key;
  const std::string stamp = Laufstempel();
  if (startBooking(key) != status::kOk) return;
  NzaSatz run = LaufSatz(4, key, "        ");
  run.NzaEdt = note.KeyDat;
  run.NzaEdtUhr = note.KeyUhr;
  if (orderEvents(stamp, run, line) == 0) return;
  KeepRunRows(run);
  Mlt_Eckwerte(kLaufzeitEckwerte, stamp, run, line);
  Lza_ZeilenSchreiben(Lza_Auswerten(stamp, line, run, unterbrechungsZeilen));
  run.NzaErf = "LzaStd";
  Add_LaufZt_Apl(run);
  Add_LaufZt_Ges(run);
}

bool Get_MerkLoeschen_Lzs(const MelSatz& key) {
  return MerkSatzLoeschen(MerkSchluessel("LZS", key), "Get_MerkLoeschen");
}

int Lzs_Abarbeiten() {
  const bool interruptionRows = NzpPassSwitches().Aktiv(kInterruptionRowsKind);
  NotizenAbarbeiten("LZS", "Lzs_Abarbeiten", [interruptionRows](const MerkSatz& note) {
    const MelSatz key = SchluesselBuchung(note, true);
    if (Get_MerkLoeschen_Lzs(key)) Lza_Laufzeit(key, interruptionRows);
  });
  return 0;
}
