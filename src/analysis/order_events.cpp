#include "analysis/order_events.h"

#include "analysis/run_stamp.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/mlt.h"

namespace {

MltSatz eventOf(const EreignisQuelle& q, const std::string& stamp, const MelSatz& booking, std::int32_t& counter) {
  MltSatz row;
  row.MltErf = q.erfasser;
  row.MltDat = stamp;
  row.MltLfn = ++counter;
  row.MltApl = booking.KeyApl;
  row.MltApk = booking.KeyApk;
  row.MltApp = booking.KeyApp;
  row.MltPnr = booking.KeyPnr;
  row.MltMdt = booking.KeyDat;
  row.MltMdtUhr = booking.KeyUhr;
  row.MltObj = booking.MelMsk;
  row.MltUbg = booking.KeyUbg;
  row.MltArg = q.arg;
  return row;
}

bool insertEvent(const EreignisQuelle& q, const MltSatz& row) {
  int rc = Mlt_PKeyIns(&row);
  if (rc != status::kOk) LogError(q.logFunktion, "Mlt_PKeyIns", rc);
  return rc == status::kOk;
}

bool isOneOf(std::string_view key, const std::string_view (&keys)[2]) { return key == keys[0] || key == keys[1]; }

}  // namespace

const EreignisQuelle kAuftragsEreignisse = {"LzaStd", {"AB", "RB"}, {"AE", "RE"}, "AE", "        ",
                                             "Mlt_MAVon_Meldung"};
const EreignisQuelle kArbeitsplatzEreignisse = {"DlzStd", {"BS", "BS"}, {"ES", "ES"}, "ES", "", "Mlt_MVon_Meldung"};

int Mlt_Meldungen(const EreignisQuelle& q, const std::string& stamp, NzaSatz& run, std::int32_t& counter,
                  const Buchungsquelle& next) {
  MelSatz booking, last;
  if (next(&booking) != status::kOk) return 0;
  run.NzaDtm = booking.KeyDat;
  run.NzaDtmUhr = booking.KeyUhr;
  run.NzaBmk = booking.MelMsk;
  run.NzaBbn = booking.KeyBnr;
  bool open = false, stored = false;
  do {
    last = booking;
    if (!insertEvent(q, eventOf(q, stamp, booking, counter))) continue;
    stored = true;
    if (isOneOf(booking.MelMsk.view(), q.beginnt)) open = true;
    else if (isOneOf(booking.MelMsk.view(), q.endet)) open = false;
  } while (next(&booking) == status::kOk);

  if (!open) {
    run.NzaEdt = last.KeyDat;
    run.NzaEdtUhr = last.KeyUhr;
    run.NzaBmk = last.MelMsk;
    run.NzaBbn = last.KeyBnr;
    return stored ? 1 : 0;
  }
  // Still open: the event list ends now, with a generated end.
  MltSatz end = eventOf(q, stamp, last, counter);
  end.MltObj = q.erzeugtesEnde;
  end.MltMdt = StempelDatum(stamp);
  end.MltMdtUhr = StempelZeit(stamp);
  insertEvent(q, end);
  run.NzaEdt = StempelDatum(stamp);
  run.NzaEdtUhr = StempelZeit(stamp);
  run.NzaBmk = "GE";
  run.NzaBbn = 0;
  return stored ? 1 : 0;
}

void Mlt_Loeschen(const char* erfasser, const std::string& stamp) {
  Mlt_MltErf run;
  if (run.Open(erfasser, stamp.c_str()) != status::kOk) return;
  MltSatz row;
  while (run.Read(&row) == status::kOk) Mlt_PKeyDel(&row);
}
