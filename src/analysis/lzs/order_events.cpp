#include "analysis/lzs/run_time.h"
#include "analysis/run_stamp.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/mlt.h"

namespace {

constexpr const char* kErfasser = "LzaStd";

MltSatz eventOf(const std::string& stamp, const MelSatz& booking, std::int32_t& counter) {
  MltSatz row;
  row.MltErf = kErfasser;
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
  row.MltArg = "        ";
  return row;
}

bool insertEvent(const MltSatz& row) {
  int rc = Mlt_PKeyIns(&row);
  if (rc != status::kOk) LogError("Mlt_MAVon_Meldung", "Mlt_PKeyIns", rc);
  return rc == status::kOk;
}

}  // namespace

int Mlt_MAVon_Meldung(const std::string& stamp, NzaSatz& run, std::int32_t& counter) {
  MelSatz window;
  window.ObjTyp = "M_A";
  window.KeyApl = run.NzaApl;
  window.KeyApk = run.NzaApk;
  window.KeyApp = run.NzaApp;
  window.KeyDat = run.NzaDtm;
  window.KeyUhr = run.NzaDtmUhr;
  if (Mel_MAVon_Open(&window, run.NzaEdt.c_str(), run.NzaEdtUhr.c_str()) != status::kOk) return 0;
  MelSatz booking, last;
  if (Mel_MAVon_Read(&booking) != status::kOk) {
    Mel_MAVon_Close();
    return 0;
  }
  run.NzaDtm = booking.KeyDat;
  run.NzaDtmUhr = booking.KeyUhr;
  run.NzaBmk = booking.MelMsk;
  run.NzaBbn = booking.KeyBnr;
  bool running = false, stored = false;
  do {
    last = booking;
    if (!insertEvent(eventOf(stamp, booking, counter))) continue;
    stored = true;
    const std::string_view msk = booking.MelMsk.view();
    if (msk == "AB" || msk == "RB") running = true;
    else if (msk == "AE" || msk == "RE") running = false;
  } while (Mel_MAVon_Read(&booking) == status::kOk);
  Mel_MAVon_Close();

  if (!running) {
    run.NzaEdt = last.KeyDat;
    run.NzaEdtUhr = last.KeyUhr;
    run.NzaBmk = last.MelMsk;
    run.NzaBbn = last.KeyBnr;
    return stored ? 1 : 0;
  }
  // Still running: the event list ends now, with a generated end of work.
  MltSatz end = eventOf(stamp, last, counter);
  end.MltObj = "AE";
  end.MltMdt = StempelDatum(stamp);
  end.MltMdtUhr = StempelZeit(stamp);
  insertEvent(end);
  run.NzaEdt = StempelDatum(stamp);
  run.NzaEdtUhr = StempelZeit(stamp);
  run.NzaBmk = "GE";
  run.NzaBbn = 0;
  return stored ? 1 : 0;
}

void Mlt_LzaLoeschen(const std::string& stamp) {
  if (Mlt_MltErf_Open(kErfasser, stamp.c_str()) != status::kOk) return;
  MltSatz row;
  while (Mlt_MltErf_Read(&row) == status::kOk) Mlt_PKeyDel(&row);
  Mlt_MltErf_Close();
}
