#include "booking/booking_row.h"

#include "intake/unit_watch.h"
#include "main/msglog.h"

int Buchungssatz_Schreiben(const MelSatz& mel) {
  int rc = UnitWatch_Status(Mel_PKeyIns(&mel));
  if (rc != 0) LogError("Buchungssatz_Schreiben", "Mel_PKeyIns", rc);
  return rc;
}
