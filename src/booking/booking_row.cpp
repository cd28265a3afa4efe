#include "booking/booking_row.h"

#include "base/msglog.h"

int Buchungssatz_Schreiben(const MelSatz& mel) {
  int rc = Mel_PKeyIns(&mel);
  if (rc != 0) LogError("Buchungssatz_Schreiben", "Mel_PKeyIns", rc);
  return rc;
}
