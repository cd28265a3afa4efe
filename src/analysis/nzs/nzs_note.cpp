// One note: read back the person's bookings on the operation since the
// latest log-on ("P05"), open and close the period rows they imply, then
// evaluate every work period that starts inside that window.
#include <string>

#include "analysis/cursor_rows.h"
#include "analysis/moments.h"
#include "analysis/note_rows.h"
#include "analysis/nzs/nzs.h"
#include "base/msglog.h"
#include "base/status.h"

namespace {

// The keys and start of the latest start booking of one kind seen in the
// window, as the key of the period it opened.
NzaSatz periodKeyOf(std::int16_t kind, const MelSatz* start) {
  NzaSatz key;
  key.NzaSa = kind;
  if (start) {
    key.NzaApl = start->KeyApl;
    key.NzaApk = start->KeyApk;
    key.NzaApp = start->KeyApp;
    key.NzaPnr = start->KeyPnr;
    key.NzaDtm = start->KeyDat;
    key.NzaDtmUhr = start->KeyUhr;
  }
  return key;
}

// The person's work and interruption rows on the operation from the log-on
// on: every period row the note reads or writes, as long as the keys are
// whole and the log-on a valid moment. The log-on carries the note's keys.
void keepPeriodsFrom(const MelSatz& logOn) {
  const NzaSatz from = periodKeyOf(0, &logOn);
  const std::string start = BoundStart(from);
  if (from.NzaApl.empty() || from.NzaApk.empty() || from.NzaApp.empty() || from.NzaPnr.empty() ||
      !IsValidMoment(start))
    return;
  KeepNoteRows(ReadAllRows<NzaSatz, Nza_MpaAb>(&from), [from, start](const NzaSatz& key, bool withStart) {
    return withStart && (key.NzaSa == 1 || key.NzaSa == 2) && key.NzaApl == from.NzaApl &&
           key.NzaApk == from.NzaApk && key.NzaApp == from.NzaApp && key.NzaPnr == from.NzaPnr &&
           BoundStart(key) >= start;
  });
}

// Builds the time line of a closed work period and evaluates it.
void evaluateClosedPeriod(NzaSatz& period, bool interruptionPeriods) {
  TimeLine line;
  Mlt_BeginnEnde(period, line);
  Mlt_Unterbr_Nza(period, line);
  if (period.NzaPzm == 1) {
    Mlt_PZM_Tage(period, line);
  } else {
    Mlt_ZeitDaten_Bde(period, line);
  }
  for (const NzsUnterbrechung& u : Nza_MPA_Auswerten(line, period, interruptionPeriods)) Nza_SA_B_Schreiben(u);
  period.NzaErf = kNzaMpa;
}

}  // namespace

void Nza_MPA_Meldungen(MelSatz& keyBooking, bool interruptionPeriods) {
  MelSatz probe = keyBooking;
  probe.ObjTyp = "MPA";
  probe.MelFcd = "P05";
  Mel_PrfRdBck_MPA readBack;
  int rc = readBack.Open(&probe, keyBooking.KeyDat.c_str(), keyBooking.KeyUhr.c_str(), keyBooking.KeySek.c_str());
  if (rc != status::kOk) {
    LogError("Mel_PrfRdBck_MPA_Open", "Open Cursor fehlgeschlagen ", rc);
    return;
  }
  MelSatz logOn;
  rc = readBack.Read(&logOn);
  readBack.Close();
  if (rc != status::kOk) {
    LogError("Mel_PrfRdBck_MPA_Read", "Cursor-Read fehlgeschlagen ", rc);
    return;
  }

  MelSatz from = keyBooking;
  from.ObjTyp = "MPA";
  from.KeyDat = logOn.KeyDat;
  from.KeyUhr = logOn.KeyUhr;
  keepPeriodsFrom(logOn);
  // The person's bookings on the operation from the log-on up to the note
  // (its log texts keep the name Mel_MPA2).
  CursorRows<MelSatz> window =
      ReadAllRows<MelSatz, Mel_MPAVon>(&from, keyBooking.KeyDat.c_str(), keyBooking.KeyUhr.c_str());
  if (!window.opened()) {
    LogError("Mel_MPA2_Open()", "Fehler: Open Cursor", window.openStatus);
    return;
  }
  if (!window.rows.empty()) {
    keyBooking.KeyDat = window.rows.front().KeyDat;
    keyBooking.KeyUhr = window.rows.front().KeyUhr;
  }

  const MelSatz* lastWorkStart = nullptr;
  const MelSatz* lastInterruptionStart = nullptr;
  for (const MelSatz& booking : window.rows) {
    const std::string_view mask = booking.MelMsk.view();
    if (mask == "PA") {
      lastWorkStart = &booking;
      Nza_ArbeitBeginn(booking, interruptionPeriods);
    } else if (mask == "PU") {
      lastInterruptionStart = &booking;
      Nza_ArbeitBeginn(booking, interruptionPeriods);
    } else if (mask == "PE") {
      NzaSatz key = periodKeyOf(1, lastWorkStart);
      Nza_ZeileBeenden(booking, key, interruptionPeriods);
    } else if (mask == "PW") {
      NzaSatz key = periodKeyOf(2, lastInterruptionStart);
      if (interruptionPeriods) Nza_ZeileBeenden(booking, key, interruptionPeriods);
    }
  }
  if (window.readFailed()) LogError("Mel_MPA2_Read()", "Fehler: Read MelSatz(MPA)", window.endStatus);
}

void Nza_MPA(MelSatz keyBooking, bool interruptionPeriods) {
  const NoteRows rows;  // the person's period rows on the operation, read once
  const MelSatz note = keyBooking;
  Nza_MPA_Meldungen(keyBooking, interruptionPeriods);

  NzaSatz window;
  window.NzaSa = 1;
  window.NzaApl = keyBooking.KeyApl;
  window.NzaApk = keyBooking.KeyApk;
  window.NzaApp = keyBooking.KeyApp;
  window.NzaPnr = keyBooking.KeyPnr;
  window.NzaDtm = keyBooking.KeyDat;
  window.NzaDtmUhr = keyBooking.KeyUhr;
  window.NzaEdt = note.KeyDat;
  window.NzaEdtUhr = note.KeyUhr;
  CursorRows<NzaSatz> periods =
      RowsInWindow(window);
  if (!periods.opened()) {
    LogError("Nza_PKeyVon_Open(SA_A)", "Fehler: Open Cursor", periods.openStatus);
    return;
  }
  for (NzaSatz& period : periods.rows) {
    if (period.NzaEnd >= 1) evaluateClosedPeriod(period, interruptionPeriods);
    const int rc = RowUpdate(&period);
    if (rc != status::kOk) LogError("Nza_PKeyUpd()", "Fehler: Update NzaSatz", rc);
  }
  if (periods.readFailed()) LogError("Nza_PKeyVon_Read()", "Fehler: Read NzaSatz", periods.endStatus);
}
