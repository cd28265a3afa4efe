// Period rows from bookings: a start booking ("PA", "PU") opens a row, an
// end booking ("PE", "PW") closes the row of the remembered start, and an
// end whose start is missing completes a row of its own.
#include <string>

#include "analysis/note_rows.h"
#include "analysis/nzs/nzs.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "base/status.h"

namespace {

bool isSet(const FixedText<2>& flag) { return flag == "1"; }

// The booking's set-up/work state as the row keeps it; later tests win.
std::int32_t rauOfStart(const MelSatz& b) {
  std::int32_t rau = 5;
  if (isSet(b.Sts00R)) rau = 1;
  if (isSet(b.Sts00A)) rau = 3;
  return rau;
}

std::int32_t rauOfEnd(const MelSatz& b) {
  std::int32_t rau = 5;
  if (isSet(b.Sts00R)) rau = 1;
  if (isSet(b.Sts00A)) rau = 3;
  if (isSet(b.Sts00U)) rau = 4;
  return rau;
}

void takeKeys(const MelSatz& b, NzaSatz& row) {
  row.NzaApl = b.KeyApl;
  row.NzaApk = b.KeyApk;
  row.NzaApp = b.KeyApp;
  row.NzaPnr = b.KeyPnr;
}

bool sameKeys(const NzaSatz& key, const MelSatz& b) {
  return key.NzaApl == b.KeyApl && key.NzaApk == b.KeyApk && key.NzaApp == b.KeyApp && key.NzaPnr == b.KeyPnr;
}

void setEnd(const MelSatz& b, NzaSatz& row) {
  row.NzaEdt = b.KeyDat;
  row.NzaEdtUhr = b.KeyUhr;
  row.NzaEmk = b.MelMsk;
  row.NzaEnd = 1;
  row.NzaEbn = b.KeyBnr;
  row.NzaEln = b.KeyLfn;
}

}  // namespace

void Nza_ArbeitBeginn(MelSatz booking, bool interruptionPeriods) {
  NzaSatz row;
  takeKeys(booking, row);
  row.NzaDtm = booking.KeyDat;
  row.NzaDtmUhr = booking.KeyUhr;
  row.NzaTnr = booking.KeyTnr;
  row.NzaRau = rauOfStart(booking);
  row.NzaBmk = booking.MelMsk;
  row.NzaUbg = booking.KeyUbg;
  row.NzaBeg = 1;
  row.NzaBbn = booking.KeyBnr;
  row.NzaBln = booking.KeyLfn;
  if (booking.MelMsk == "PA") {
    row.NzaSa = 1;
    Nza_ZeileErfassen(row);
  } else {
    row.NzaSa = 2;
    if (interruptionPeriods) Nza_ZeileErfassen(row);
  }
}

void Nza_ZeileErfassen(NzaSatz row) {
  NzaSatz stored = row;
  int rc = RowRead(&stored);
  if (rc == status::kOk) {
    // The start was booked before (a window is read again by every run).
    stored.NzaFnr = kStartAlreadyThere;
    rc = RowUpdate(&stored);
    if (rc != status::kOk) LogError("Nza_ZeileAender", "Fehler bei Nza_PKeyUpd", rc);
    return;
  }
  if (rc != status::kNoRow) {
    LogError("Nza_ArbeitBeginn", "Fehler bei Nza_PKeyReadk", rc);
    return;
  }
  NzaSatz fresh;
  fresh.NzaSa = row.NzaSa;
  fresh.NzaApl = row.NzaApl;
  fresh.NzaApk = row.NzaApk;
  fresh.NzaApp = row.NzaApp;
  fresh.NzaPnr = row.NzaPnr;
  fresh.NzaDtm = row.NzaDtm;
  fresh.NzaDtmUhr = row.NzaDtmUhr;
  fresh.NzaRau = row.NzaRau;
  fresh.NzaVar = row.NzaVar;
  fresh.Nza00A = row.Nza00A;
  fresh.Nza00U = row.Nza00U;
  fresh.Nza00S = row.Nza00S;
  fresh.NzaBmk = row.NzaBmk;
  fresh.NzaUbg = row.NzaUbg;
  fresh.NzaBeg = row.NzaBeg;
  fresh.NzaBbn = row.NzaBbn;
  fresh.NzaBln = row.NzaBln;
  fresh.NzaTnr = row.NzaTnr;
  fresh.NzaErf = kMldToNza;
  fresh.NzaEmk = "  ";
  fresh.NzaEmo = "          ";
  Nza_AuswParameter(fresh);
  rc = RowInsert(&fresh);
  if (rc != status::kOk) LogError("Nza_ZeileErfassen", "Fehler bei Nza_PKeyIns", rc);
}

void Nza_ZeileBeenden(MelSatz booking, NzaSatz& periodKey, bool interruptionPeriods) {
  if (sameKeys(periodKey, booking)) {
    Nza_ArbeitEnde(booking, periodKey);
  } else {
    Nza_ArbeitEndeOhneBeginn(booking, periodKey, interruptionPeriods);
  }
  if (Zeit_Differenz(EndMoment(periodKey), StartMoment(periodKey)) <= kLongPeriodSeconds) return;
  if (booking.MelMsk == "PE") {
    Nza_LangeArbeit(periodKey);
  } else if (booking.MelMsk == "PW") {
    Nza_LangeUnterbrechung(periodKey);
  }
}

void Nza_ArbeitEnde(MelSatz booking, NzaSatz& periodKey) {
  int rc = RowRead(&periodKey);
  if (rc != status::kOk) {
    LogError("Nza_ArbeitEnde", "Fehler bei Nza_PKeyReadk", rc);
    return;
  }
  setEnd(booking, periodKey);
  periodKey.NzaErf = kMldToNza;
  rc = RowUpdate(&periodKey);
  if (rc != status::kOk) LogError("Nza_ArbeitEnde", "Fehler bei Nza_PKeyUpd", rc);
}

void Nza_ArbeitEndeOhneBeginn(MelSatz booking, NzaSatz& periodKey, bool interruptionPeriods) {
  NzaSatz row;
  takeKeys(booking, row);
  row.NzaTnr = booking.KeyTnr;
  row.NzaRau = rauOfEnd(booking);
  row.NzaUbg = booking.KeyUbg;
  row.NzaErf = kMldToNza;
  row.NzaVar = 1;
  setEnd(booking, row);
  row.NzaEmo = "          ";
  // The shift parameters are those of the end: until the start is
  // generated, the row starts where it ends.
  row.NzaDtm = booking.KeyDat;
  row.NzaDtmUhr = booking.KeyUhr;
  Nza_AuswParameter(row);
  Nza_BeginnErgaenzen(row);
  row.NzaSa = 1;
  if (booking.MelMsk == "PW") {
    row.NzaSa = 2;
    row.NzaBmk = "PU";
    if (!interruptionPeriods) return;
  }
  // A start set to the day boundary keeps its own number.
  if (row.NzaFnr != kDayBoundaryStart) row.NzaFnr = kEndWithoutStart;
  const int rc = RowInsert(&row);
  if (rc == status::kOk) {
    Mel_Fehlermeldung(booking, kEndWithoutStart);
  } else {
    LogError("Nza_ArbeitEndeOhneBeginn", "Fehler bei Nza_PKeyIns", rc);
    Mel_Fehlermeldung(booking, kStartAlreadyThere);
  }
  // The length check that follows measures the row just completed.
  periodKey = row;
}

void Mel_Fehlermeldung(MelSatz booking, std::int32_t code) {
  const int rc = Mel_PKeyReadk(&booking);
  if (rc != status::kOk) {
    LogError("Mel_Fehlermeldung", "Fehler bei Mel_PKeyUpd", rc);
    return;
  }
  booking.MelFnr = static_cast<std::int16_t>(code);
  Mel_PKeyUpd(&booking);  // the number is a hint; the row itself is booked
}
