#include "booking/vector/generated_booking.h"

#include "base/msglog.h"

void ApplyGeneratedRow(const GeneratedRow& row, MelSatz* mel) {
  mel->MelMsk = row.msk;
  mel->MelFcd = row.fcd;
  if (row.objTyp) mel->ObjTyp = *row.objTyp;
  if (row.sek) mel->KeySek = *row.sek;
  if (row.ubg) mel->KeyUbg = *row.ubg;
  mel->MelErf = kGeneratedBy;
}

int InsertGenerated(const MelSatz& mel, std::string_view generator) {
  int rc = Mel_PKeyIns(&mel);
  if (rc != 0) LogError(generator, "Fehler bei Mel_PKeyIns", rc);
  return rc;
}

void LogCursorReadFailure(std::string_view generator, std::string_view readName, int rc) {
  LogError(generator, readName, rc);
}
