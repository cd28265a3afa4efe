// Packages: the state of a package's leading operation passes on to its
// members, and a finished member counts on its own order.
#include <cstdio>
#include <string>

#include "booking/master_update.h"
#include "booking/upload_row.h"
#include "db/tables/apk.h"
#include "base/status.h"
#include "base/msglog.h"

namespace {

constexpr std::string_view kBookedBy = "MldToNza";
constexpr std::string_view kDownloadMark = "STA";
constexpr std::string_view kDownloadNote = "Download PELTRAXON";

// The leading operation's order and operation number, right-aligned in 12
// and 5 characters, followed by 13 blanks: what its members carry in AppZf2.
std::string PackageKey(const AppSatz& head) {
  char key[31];
  std::snprintf(key, sizeof key, "%12.12s%5.5s%13s", head.AppApk.c_str(), head.AppApp.c_str(), "");
  return key;
}

void MarkForDownload(ApkSatz* apk) {
  apk->ApkDwn = kBookedBy;
  apk->ApkDna = kDownloadMark;
  apk->ApkZf3 = kDownloadNote;
}

void TakeOverHead(const AppSatz& head, AppSatz* member) {
  member->AppBdi = head.AppBdi;
  member->AppBdiUhr = head.AppBdiUhr;
  member->AppEdi = head.AppEdi;
  member->AppEdiUhr = head.AppEdiUhr;
  member->AppSts = head.AppSts;
}

void PassOnToMember(const AppSatz& head, AppSatz member, MelSatz* upload) {
  TakeOverHead(head, &member);
  upload->MelGum = 0;
  if (member.AppSts == 9) {
    upload->MelGum = member.AppIme;
    Put_PaketeAPK(member);
  }
  upload->MelFam = upload->MelMam = upload->MelNam = 0;
  upload->KeyApk = member.AppApk;
  upload->KeyApp = member.AppApp;
  member.AppErf = kBookedBy;
  member.AppDna = kDownloadMark;
  member.AppZf3 = kDownloadNote;
  int rc = App_PKeyUpd(&member);
  if (rc != status::kOk) LogError("Put_Pakete", "App_PKeyUpd", rc);
  PPS_SatzSchreiben(*upload);
}

}  // namespace

void Put_Pakete(MelSatz mel, AppSatz head) {
  const std::string key = PackageKey(head);
  App_Zf2 members;
  if (members.Open(key.c_str()) != status::kOk) return;
  AppSatz member;
  int rc;
  while ((rc = members.Read(&member)) == status::kOk) PassOnToMember(head, member, &mel);
  if (rc != status::kNoRow) LogError("Put_Pakete", "App_Zf2_Read", rc);
}

void Put_PaketeAPK(AppSatz member) {
  ApkSatz apk;
  apk.ApkApk = member.AppApk;
  int rc = Apk_PKeyReadk(&apk);
  if (rc != status::kOk) {
    LogError("Put_PaketeAPK", "Apk_PKeyReadk", rc);
    return;
  }
  apk.ApkEaf += 1;
  if (apk.ApkAba == 1 && member.AppNaf == "00000") {
    apk.ApkEaf += 1;
    apk.ApkSis = apk.ApkSts;
    apk.ApkSts = 9;
    apk.ApkIme = member.AppIme;
    apk.ApkEdi = member.AppEdi;
    apk.ApkEdiUhr = member.AppEdiUhr;
    MarkForDownload(&apk);
  }
  if (apk.ApkAba == 2 && apk.ApkEaf == apk.ApkAfo) {
    apk.ApkSis = apk.ApkSts;
    apk.ApkSts = 9;
    apk.ApkIme = member.AppIme;
    MarkForDownload(&apk);
  }
  apk.ApkErf = kBookedBy;
  rc = Apk_PKeyUpd(&apk);
  // The text has always named the read here; operators search for it.
  if (rc != status::kOk) LogError("Put_PaketeAPK", "Apk_PKeyReadk", rc);
}
