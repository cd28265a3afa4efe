#include "analysis/order_events.h"

#include "analysis/run_stamp.h"
#include "base/status.h"

namespace {

MltSatz eventOf(const EreignisQuelle& q, const std::string& stamp, const MelSatz& booking) {
  MltSatz row;
  row.MltErf = q.erfasser;
  row.MltDat = stamp;
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

bool isOneOf(std::string_view key, const std::string_view (&keys)[2]) { return key == keys[0] || key == keys[1]; }

}  // namespace

const EreignisQuelle kAuftragsEreignisse = {"LzaStd", {"AB", "RB"}, {"AE", "RE"}, "AE", "        "};
const EreignisQuelle kArbeitsplatzEreignisse = {"DlzStd", {"BS", "BS"}, {"ES", "ES"}, "ES", ""};

int Mlt_Meldungen(const EreignisQuelle& q, const std::string& stamp, NzaSatz& run, TimeLine& line,
                  const Buchungsquelle& next) {
  MelSatz booking, last;
  if (next(&booking) != status::kOk) return 0;
  run.NzaDtm = booking.KeyDat;
  run.NzaDtmUhr = booking.KeyUhr;
  run.NzaBmk = booking.MelMsk;
  run.NzaBbn = booking.KeyBnr;
  bool open = false;
  do {
    last = booking;
    line.Add(eventOf(q, stamp, booking));
    if (isOneOf(booking.MelMsk.view(), q.beginnt)) open = true;
    else if (isOneOf(booking.MelMsk.view(), q.endet)) open = false;
  } while (next(&booking) == status::kOk);

  if (!open) {
    run.NzaEdt = last.KeyDat;
    run.NzaEdtUhr = last.KeyUhr;
    run.NzaBmk = last.MelMsk;
    run.NzaBbn = last.KeyBnr;
    return 1;
  }
  // Still open: the event list ends now, with a generated end.
  MltSatz end = eventOf(q, stamp, last);
  end.MltObj = q.erzeugtesEnde;
  end.MltMdt = StempelDatum(stamp);
  end.MltMdtUhr = StempelZeit(stamp);
  line.Add(end);
  run.NzaEdt = StempelDatum(stamp);
  run.NzaEdtUhr = StempelZeit(stamp);
  run.NzaBmk = "GE";
  run.NzaBbn = 0;
  return 1;
}
