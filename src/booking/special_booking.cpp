#include "booking/special_booking.h"

#include <cmath>
#include <string_view>

#include "booking/upload_row.h"
#include "db/tables/app.h"
#include "db/tables/mel.h"
#include "db/tables/pass_reads.h"
#include "base/status.h"
#include "base/datetime.h"
#include "base/msglog.h"

namespace {

// Rounding noise of the decimal minutes (1.13 is 112.99999... hundredths)
// must not cost a whole minute when the total is cut to whole minutes.
constexpr double kMinuteNoise = 1e-6;

// The field at 1-based `from` of `width` characters; shorter or empty when
// the data ends early.
std::string_view DataField(std::string_view data, std::size_t from, std::size_t width) {
  if (data.size() < from) return {};
  return data.substr(from - 1, width);
}

MelSatz UploadRecord(const TelSatz& tel, const FzuSatz& fzu, double timeValue) {
  const std::string_view data = tel.TelDta.view();
  MelSatz mel;
  mel.MelFcd = fzu.FzuFcd;
  mel.MelMsk = fzu.FzuMld;
  mel.KeyDat = tel.TelDat;
  mel.KeyUhr = tel.TelUhr;
  mel.MelTrm = tel.TelTrm;
  mel.MelOff = tel.TelOff;
  mel.MelErf = "MldToNza";
  mel.MelFnr = 0;
  mel.MelAwn = DataField(data, 1, 8);
  mel.KeyPnr = DataField(data, 9, 8);
  mel.KeyApk = DataField(data, 17, 12);
  mel.KeyApp = DataField(data, 29, 5);
  mel.KeyApl = DataField(data, 34, 10);
  mel.ObjTyp = "M_A";
  mel.KeySek = "98";
  mel.KeyUbg = "0000";
  mel.KeyAug = "0000";
  mel.MelZt1 = timeValue;
  return mel;
}

// The person behind the badge, when it is assigned today; otherwise the
// telegram's own person number stands, without a log entry.
void ResolvePerson(MelSatz* mel) {
  PrvSatz prv;
  prv.PrvAwn = mel->MelAwn;
  if (Awn_PassRead(&prv) != status::kOk) return;
  mel->KeyPnr = prv.PrvPnr;
  mel->MelAwn = prv.PrvAwn;
}

}  // namespace

double HoursMinutesToMinutes(double hm) {
  const double hours = std::trunc(hm);
  return hours * 60 + (hm * 100 - hours * 100);
}

double MinutesToHoursMinutes(long minutes) { return static_cast<double>(minutes / 60) + (minutes % 60) * 0.01; }

double TargetTime(double setUp, double perUnit, double units) {
  const double total = HoursMinutesToMinutes(setUp) + HoursMinutesToMinutes(perUnit) * units;
  return MinutesToHoursMinutes(static_cast<long>(std::trunc(total + kMinuteNoise)));
}

void Meldung_Klasse2(TelSatz tel, FzuSatz fzu) {
  if (fzu.FzuFcd == "Z01") Sonderbuchung(tel, fzu);
}

void Sonderbuchung(TelSatz tel, FzuSatz fzu) {
  double timeValue = 0;
  Text_Zahl(DataField(tel.TelDta.view(), 44, 9), timeValue, 2);
  MelSatz mel = UploadRecord(tel, fzu, timeValue);
  ResolvePerson(&mel);
  AppSatz app;
  app.AppApk = mel.KeyApk;
  app.AppApp = mel.KeyApp;
  int rc = App_PKeyReadk(&app);
  if (rc != status::kOk) {
    LogError("Sonderbuchung", "App_PKeyReadk", rc);
    return;
  }
  app.AppSza = TargetTime(app.AppStr, timeValue, app.AppSme);
  app.AppZf1 = "v";
  app.AppErf = "MldToNza";
  rc = App_PKeyUpd(&app);
  if (rc != status::kOk) {
    LogError("Sonderbuchung", "App_PKeyUpd", rc);
    return;
  }
  PPS_SatzSchreiben(mel);
}
