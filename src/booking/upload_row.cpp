#include "booking/upload_row.h"

#include <string>

#include "booking/numbers.h"
#include "base/datetime.h"
#include "base/msglog.h"

namespace {

// Sets PpsSts, and for an accepted "A07" the message code "AT".
void setStatus(const MelSatz& mel, PpsSatz* pps) {
  const std::string_view fcd = mel.MelFcd.view();
  if (fcd == "A01") pps->PpsSts = 1;
  else if (fcd == "A02") pps->PpsSts = 2;
  else if (fcd == "A03") pps->PpsSts = 3;
  else if (fcd == "A04") pps->PpsSts = 4;
  else if (fcd == "A05") pps->PpsSts = 3;
  else if (fcd == "A07" && mel.MelAec == "0") {
    pps->PpsSts = 6;
    pps->PpsFcd = "AT";
  } else if (fcd == "A07") pps->PpsSts = 9;
  else pps->PpsSts = 0;
}

// Builds, numbers and inserts the upload row; the row is written with
// number 0 when none could be drawn.
void writeUploadRow(const MelSatz& mel, std::string_view creator, std::string_view logName) {
  std::string now, unused;
  Datum_Zeit(now, unused, 4);
  PpsSatz pps = UploadZeile(mel, now);
  UploadNummer(&pps, creator);
  int rc = Pps_PKeyIns(&pps);
  if (rc != 0) LogError(logName, "Pps_PKeyIns", rc);
}

}  // namespace

PpsSatz UploadZeile(const MelSatz& mel, std::string_view now) {
  PpsSatz pps;
  pps.PpsDat = now;
  pps.PpsVkz = "*NO";
  pps.PpsFcd = mel.MelMsk;  // the message code, not the function code
  pps.PpsPnr = mel.KeyPnr;
  pps.PpsApl = mel.KeyApl;
  pps.PpsApk = mel.KeyApk;
  pps.PpsApp = mel.KeyApp;
  pps.PpsAwn = mel.MelAwn;
  pps.PpsMdt = mel.KeyDat;
  pps.PpsMzt = mel.KeyUhr;
  pps.PpsUbg = mel.KeyUbg;
  pps.PpsAug = mel.KeyAug;
  pps.PpsSto = "+";
  pps.PpsGum = mel.MelGum;
  pps.PpsFam = mel.MelFam;
  pps.PpsMam = mel.MelMam;
  pps.PpsNam = mel.MelNam;
  pps.PpsMee = mel.MelMee;
  pps.PpsZt1 = mel.MelZt1;
  pps.PpsZt2 = mel.MelZt2;
  pps.PpsZt3 = mel.MelZt3;
  setStatus(mel, &pps);
  return pps;
}

void PPS_SatzSchreiben(MelSatz mel) { writeUploadRow(mel, "MldToNza", "PPS_SatzSchreiben"); }

void GenBdeToPps(MelSatz mel) { writeUploadRow(mel, "MldGen", "GenBdeToPps"); }
