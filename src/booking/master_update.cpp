#include "booking/master_update.h"

#include <string_view>

#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "base/status.h"
#include "base/msglog.h"

namespace {

constexpr std::int16_t kOrderUnread = 1001;
constexpr std::int16_t kOperationUnread = 2001;
constexpr std::int16_t kWorkPlaceUnread = 4001;
constexpr std::string_view kBookedBy = "MldToNza";
constexpr std::string_view kLastOperation = "00000";

// Good and reject quantities of a booking; a package's leading operation
// keeps none, its members report them.
void AddQuantities(const MelSatz& mel, AppSatz* app) {
  if (IsPackageHead(*app)) return;
  app->AppIme += mel.MelGum;
  app->AppAme += mel.MelFam;
}

void SaveStatus(AppSatz* app, std::int16_t next) {
  app->AppSis = app->AppSts;
  app->AppSts = next;
}

void SaveStatus(ApkSatz* apk, std::int16_t next) {
  apk->ApkSis = apk->ApkSts;
  apk->ApkSts = next;
}

template <class DateField, class TimeField>
void StampMoment(const MelSatz& mel, DateField* date, TimeField* time) {
  *date = mel.KeyDat;
  *time = mel.KeyUhr;
}

// "A03" keeps the earliest start: a start that is later than this booking,
// or none at all (a date before the year 2000), is replaced.
void StartOrder(const MelSatz& mel, ApkSatz* apk) {
  const std::string started = apk->ApkBdi.str() + apk->ApkBdiUhr.str();
  const std::string booked = mel.KeyDat.str() + mel.KeyUhr.str();
  if (started > booked || apk->ApkBdi.view() < std::string_view("20000000"))
    StampMoment(mel, &apk->ApkBdi, &apk->ApkBdiUhr);
  SaveStatus(apk, 3);
}

// Closes the order by its completion rule; the quantity is the operation's
// before this booking's own quantity is added.
void CompleteOrder(const MelSatz& mel, const AppSatz& app, ApkSatz* apk) {
  apk->ApkEaf += 1;
  if (apk->ApkAba == 1 && app.AppNaf == kLastOperation) {
    apk->ApkEaf += 1;
    SaveStatus(apk, 9);
    apk->ApkIme = app.AppIme;
    StampMoment(mel, &apk->ApkEdi, &apk->ApkEdiUhr);
  }
  if (apk->ApkAba == 2 && apk->ApkEaf == apk->ApkAfo) {
    SaveStatus(apk, 9);
    apk->ApkIme = app.AppIme;
  }
}

void EndOperation(const MelSatz& mel, ApkSatz* apk, AppSatz* app) {
  app->AppSis = app->AppSts;
  if (mel.MelAec == "1") {
    CompleteOrder(mel, *app, apk);
    app->AppSts = 9;
  } else {
    app->AppSts = 6;
  }
  AddQuantities(mel, app);
  StampMoment(mel, &app->AppEdi, &app->AppEdiUhr);
}

void ApplyCode(const MelSatz& mel, ApkSatz* apk, AppSatz* app) {
  const std::string_view fcd = mel.MelFcd.view();
  if (fcd == "A01") {
    SaveStatus(apk, 3);
    StampMoment(mel, &apk->ApkBdi, &apk->ApkBdiUhr);
    SaveStatus(app, 1);
    StampMoment(mel, &app->AppRad, &app->AppRadUhr);
  } else if (fcd == "A02") {
    SaveStatus(app, 2);
    AddQuantities(mel, app);
    StampMoment(mel, &app->AppRed, &app->AppRedUhr);
  } else if (fcd == "A03") {
    StartOrder(mel, apk);
    SaveStatus(app, 3);
    StampMoment(mel, &app->AppBdi, &app->AppBdiUhr);
  } else if (fcd == "A04") {
    SaveStatus(app, 4);
  } else if (fcd == "A05") {
    app->AppSts = app->AppSis;  // back to the status before the interruption
  } else if (fcd == "A06") {
    AddQuantities(mel, app);
  } else if (fcd == "A07") {
    EndOperation(mel, apk, app);
  }
}

}  // namespace

bool IsPackageHead(const AppSatz& app) {
  const std::string_view marker = app.AppZf2.view().substr(0, 10);
  return marker == "*PKT_KOPF*" || marker == "*PKT_PROG*";
}

void StammTab_Akual(MelSatz* mel) {
  ApkSatz apk;
  apk.ApkApk = mel->KeyApk;
  int rc = Apk_PKeyReadk(&apk);
  const bool orderRead = rc == status::kOk;
  if (orderRead) {
    mel->KeyTnr = apk.ApkTnr;
  } else {
    LogError("StammTab_Akual", "Apk_PKeyReadk", rc);
    mel->MelFnr = kOrderUnread;
  }
  AppSatz app;
  app.AppApk = mel->KeyApk;
  app.AppApp = mel->KeyApp;
  rc = App_PKeyReadk(&app);
  const bool operationRead = rc == status::kOk;
  if (!operationRead) {
    LogError("StammTab_Akual", "App_PKeyReadk", rc);
    mel->MelFnr = kOperationUnread;
  }
  ApplyCode(*mel, &apk, &app);
  // A row that could not be read is not written back.
  if (orderRead) {
    apk.ApkErf = kBookedBy;
    rc = Apk_PKeyUpd(&apk);
    if (rc != status::kOk) LogError("StammTab_Akual", "Apk_PKeyUpd", rc);
  }
  // The package members count on their orders only after this order is
  // written: a member of the same order would otherwise have its count
  // overwritten by the row read above.
  if (mel->MelFcd == "A07" && IsPackageHead(app)) Put_Pakete(*mel, app);
  if (operationRead) {
    app.AppErf = kBookedBy;
    rc = App_PKeyUpd(&app);
    if (rc != status::kOk) LogError("StammTab_Akual", "App_PKeyUpd", rc);
  }
}

void Teilenummer_Holen(MelSatz* mel) {
  ApkSatz apk;
  apk.ApkApk = mel->KeyApk;
  int rc = Apk_PKeyReadk(&apk);
  if (rc != status::kOk) {
    LogError("StammTab_Akual", "Apk_PKeyReadk", rc);
    mel->MelFnr = kOrderUnread;
    return;
  }
  mel->KeyTnr = apk.ApkTnr;
}

void Arbeitsplatz_Aktual(MelSatz* mel) {
  AplSatz apl;
  apl.AplApl = mel->KeyApl;
  int rc = Apl_PKeyReadk(&apl);
  if (rc != status::kOk) {
    LogError("StammTab_Akual", mel->KeyApl, rc);
    mel->MelFnr = kWorkPlaceUnread;
    return;
  }
  if (mel->MelFcd == "M03") {
    apl.AplUbg = mel->KeyUbg;
    // Left-aligned, so that a short date or time keeps its place.
    std::string moment = mel->KeyDat.str();
    moment.resize(8, ' ');
    moment += mel->KeyUhr.str();
    moment.resize(14, ' ');
    apl.AplUdt = moment;
    apl.AplSts = 3;
  } else if (mel->MelFcd == "M04") {
    apl.AplUbg = "0000";
    apl.AplUdt.clear();
    apl.AplSts = 1;
  }
  apl.AplErf = kBookedBy;
  rc = Apl_PKeyUpd(&apl);
  if (rc != status::kOk) LogError("Arbeitsplatz_Aktual", "Apl_PKeyUpd", rc);
}
