#include "analysis/analyses.h"
#include "analysis/corner_values.h"
#include "analysis/note_unit.h"
#include "analysis/order_events.h"
#include "analysis/run_stamp.h"
#include "analysis/stg/stoppage.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/mrk.h"
#include "db/tables/pass_reads.h"

namespace {

constexpr int kPeriodRowsKind = 5;

// The newest stoppage begin (M03) of the work place at or before the note.
int stoppageBegin(MelSatz& key) {
  MelSatz params = key;
  params.ObjTyp = "M__";
  params.MelFcd = "M03";
  Mel_PrfRdBck_M readBack;
  int rc = readBack.Open(&params, key.KeyDat.c_str(), key.KeyUhr.c_str(), key.KeySek.c_str());
  if (rc != status::kOk) {
    LogError("Mel_PrfRdBck_M_Open", "Fehler: Cursor Open", rc);
    return rc;
  }
  rc = readBack.Read(&key);
  if (rc != status::kOk) LogError("Mel_PrfRdBck_M_Read", "Fehler: Cursor Read", rc);
  return rc;
}

// The bookings of the stoppage: the "M03" booking that began it, every
// booking of the work place strictly between it and the note, and the
// booking the note was left for. The window alone would leave out both
// ends of the stoppage, and no stoppage would ever be measured; bookings of
// other objects in the same second as either end stay outside.
int stoppageEvents(const std::string& stamp, const MelSatz& begin, std::int32_t noteBnr, NzaSatz& run,
                   TimeLine& line) {
  MelSatz window;
  window.ObjTyp = "M__";
  window.KeyApl = run.NzaApl;
  window.KeyDat = run.NzaDtm;
  window.KeyUhr = run.NzaDtmUhr;
  MelSatz noted;
  noted.KeyBnr = noteBnr;
  const bool withNoted = noteBnr != begin.KeyBnr && Mel_PKeyReadk(&noted) == status::kOk &&
                         noted.ObjTyp.view() == "M__" && noted.KeyApl.view() == begin.KeyApl.view();
  Mel_MVon bookings;
  if (bookings.Open(&window, run.NzaEdt.c_str(), run.NzaEdtUhr.c_str()) != status::kOk) return 0;
  enum { kBegin, kInside, kNoted, kDone } phase = kBegin;
  const int stored = Mlt_Meldungen(kArbeitsplatzEreignisse, stamp, run, line, [&](MelSatz* out) {
    switch (phase) {
      case kBegin:
        phase = kInside;
        *out = begin;
        return status::kOk;
      case kInside:
        if (bookings.Read(out) == status::kOk) return status::kOk;
        phase = kNoted;
        [[fallthrough]];
      case kNoted:
        phase = kDone;
        if (!withNoted) return status::kNoRow;
        *out = noted;
        return status::kOk;
      case kDone: break;
    }
    return status::kNoRow;
  });
  return stored;
}

}  // namespace

void Dlz_Laufzeit(MelSatz key, bool periodenZeilen) {
  TimeLine line;
  const MelSatz note = key;
  const std::string stamp = Laufstempel();
  if (stoppageBegin(key) != status::kOk) return;
  NzaSatz run = LaufSatz(13, key, "00000000");
  run.NzaEdt = note.KeyDat;
  run.NzaEdtUhr = note.KeyUhr;
  const std::int32_t noteBnr = note.KeyBnr;
  if (stoppageEvents(stamp, key, noteBnr, run, line) == 0) return;
  Mlt_Eckwerte(kStoerungEckwerte, stamp, run, line);
  for (NzaSatz& row : Dlz_Auswerten(line, periodenZeilen)) {
    const int rc = Nza_PKeyIns(&row);
    if (rc != status::kOk) LogError("Nza_SA_M_Ins()", "Nza_PKeyIns", rc);
  }
}

bool Get_MerkSTGLoeschen(const MelSatz& key) {
  MerkSatz note;
  note.MrkKng = "STG";
  note.MrkApl = key.KeyApl;
  note.MrkApk = "000000000000";
  note.MrkApp = "00000";
  note.MrkPnr = "00000000";
  note.MrkBnr = key.KeyBnr;
  return MerkSatzLoeschen(note, "Get_MerkSTGLoeschen");
}

int Dlz_Abarbeiten() {
  const bool periodRows = NzpPassSwitches().Aktiv(kPeriodRowsKind);
  NotizenAbarbeiten("STG", "Dlz_Abarbeiten", [periodRows](const MerkSatz& note) {
    const MelSatz key = SchluesselBuchung(note, false);
    if (Get_MerkSTGLoeschen(key)) Dlz_Laufzeit(key, periodRows);
  });
  return 0;
}
