// The plant's master data, written as the programs that own it would.
#include <algorithm>
#include <cstdio>
#include <map>

#include "base/civil_date.h"
#include "db/tables/master_records.h"
#include "db/tables/aem.h"
#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/azv.h"
#include "db/tables/bup.h"
#include "db/tables/emo.h"
#include "db/tables/kal.h"
#include "db/tables/pms.h"
#include "db/tables/pmz.h"
#include "db/tables/prv.h"
#include "db/tables/pse.h"
#include "db/engine/session.h"
#include "db/tables/tag.h"
#include "db/tables/ztg.h"
#include "db/engine/unit_of_work.h"
#include "demo/function_codes.h"
#include "plant/plant.h"

namespace plant {
namespace {

constexpr const char* kCreator = "plant";
constexpr const char* kDayType = "AT";  // the plant works every day
constexpr const char* kCalendar = "00001";
constexpr const char* kLongAgo = "20000101";
constexpr const char* kFarAhead = "20991231";

// Collects the first failure; later writes are skipped.
class Writer {
 public:
  explicit Writer(std::string* error) : error_(error) {}
  bool ok() const { return ok_; }
  void check(int rc, const std::string& what) {
    if (!ok_ || rc == 0) return;
    ok_ = false;
    *error_ = what + " could not be written (" + std::to_string(rc) + ")";
  }

 private:
  std::string* error_;
  bool ok_ = true;
};

std::string Numbered(const char* format, int n) {
  char s[32];
  std::snprintf(s, sizeof s, format, n);
  return s;
}

int EndMinute(const PlantShift& s) { return s.end > s.begin ? s.end : s.end + 1440; }

// Names of a shift's own break model and of its time model ("TM0102": the
// first model's second shift).
std::string BreakModel(const PlantShiftModel& m, std::size_t shift) {
  return m.name.substr(0, 7) + "-" + std::to_string(shift + 1);
}
std::string TimeModel(int model, int shift) { return Numbered("TM%02d", model + 1) + Numbered("%02d", shift + 1); }

void Switches(Writer& w) {
  BnrSatz bnr;
  bnr.BnrKey = "BDBER";
  bnr.BnrBnr = 10;
  bnr.BnrEsb = kCreator;
  w.check(Bnr_PKeyIns(&bnr), "polling interval");
  for (int kind : {1, 2, 3, 4, 5, 7, 9}) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    nzp.NzpGvn = kLongAgo;
    nzp.NzpGbi = kFarAhead;
    nzp.NzpAak = 1;
    nzp.NzpMrk = kind == 5 ? 1 : 0;  // stoppages leave notes; the notes no analysis here reads stay off
    w.check(Nzp_PKeyIns(&nzp), "analysis parameter");
  }
}

void Shifts(const Plant& p, Writer& w) {
  int breakNumber = 0;
  for (std::size_t m = 0; m < p.shiftModels().size(); ++m) {
    const PlantShiftModel& model = p.shiftModels()[m];
    for (std::size_t s = 0; s < model.shifts.size(); ++s) {
      const PlantShift& shift = model.shifts[s];
      EmoSatz emo;
      emo.EmoEmo = model.name;
      emo.EmoTtp = kDayType;
      emo.EmoTxt = shift.text;
      emo.EmoBeg = shift.begin;
      emo.EmoEnd = shift.end;
      emo.EmoArt = static_cast<std::int32_t>(s + 1);
      const std::string breakModel = BreakModel(model, s);
      w.check(Emo_PKeyIns(&emo, breakModel.c_str()), "shift");
      PseSatz pse;  // the same breaks, planned for persons on the shift's time model
      pse.PseNum = Numbered("PS%02d", static_cast<int>(m * 10 + s + 1));
      for (const auto& b : shift.breaks) {
        PmsSatz pms;
        pms.PmsNum = Numbered("%05d", ++breakNumber);
        pms.PmsBeg = b[0];
        pms.PmsEnd = b[1];
        pms.PmsPse = b[1] - b[0];
        w.check(Pms_PKeyIns(&pms), "break");
        PmzSatz pmz;
        pmz.PmzPmo = breakModel;
        pmz.PmzPms = pms.PmsNum;
        pmz.PmzGvo = kLongAgo;
        pmz.PmzGbi = kFarAhead;
        w.check(Pmz_PKeyIns(&pmz), "break model");
        ++pse.PseLfd;
        pse.PseVon = b[0];
        pse.PseBis = b[1];
        w.check(Pse_PKeyIns(&pse), "planned break");
      }
      AzvSatz azv;
      azv.AzvNum = TimeModel(static_cast<int>(m), static_cast<int>(s));
      azv.AzvGvo = kLongAgo;
      azv.AzvMav = std::max(0, shift.begin - 30);
      azv.AzvMab = (EndMinute(shift) + 30) % 1440;
      azv.AzvNov = shift.begin;
      azv.AzvNob = shift.end;
      azv.AzvSol = 450;
      azv.AzvPsm = pse.PseNum;
      w.check(Azv_PKeyIns(&azv), "time model");
    }
  }
}

// Groups work their model; the plant's last work place has an assignment of
// its own (the same model), as single machines sometimes do.
void Assignments(const Plant& p, Writer& w) {
  std::string lastGroup;
  for (const PlantWorkPlace& place : p.workPlaces()) {
    const bool own = &place == &p.workPlaces().back();
    if (place.group == lastGroup && !own) continue;
    AemSatz aem;
    aem.AemApg = own ? place.apl : place.group;
    aem.AemEmo = p.shiftModels()[static_cast<std::size_t>(place.model)].name;
    aem.AemGvo = kLongAgo;
    aem.AemBez = "Plant shifts";
    aem.AemKal = kCalendar;
    aem.AemMaz = 8;
    w.check(Aem_PKeyIns(&aem, own ? 2 : 1, ""), "shift assignment");
    if (!own) lastGroup = place.group;
  }
}

void Calendar(const Plant& p, Writer& w) {
  for (std::string day = p.calendarFrom(); day <= p.calendarTo(); day = AddDays(day, 1)) {
    BakSatz bak = Bak_Tag(day);
    w.check(Bak_PKeyIns(&bak), "calendar day");
    KalSatz kal;
    kal.KalNum = kCalendar;
    kal.KalDtm = day;
    kal.KalBtp = kDayType;
    w.check(Kal_PKeyIns(&kal), "calendar day type");
  }
}

void WorkPlaces(const Plant& p, Writer& w) {
  for (const PlantWorkPlace& place : p.workPlaces()) {
    AplSatz apl;
    apl.AplApl = place.apl;
    apl.AplBez = "Machine " + place.apl;
    apl.AplApg = place.group;
    apl.AplSts = 1;
    apl.AplUbg = "0000";
    apl.AplKap = 7.5;
    apl.AplErf = kCreator;
    w.check(Apl_PKeyIns(&apl), "work place");
  }
}

int Minute(const std::string& moment) { return std::stoi(moment.substr(8, 2)) * 60 + std::stoi(moment.substr(10, 2)); }

void Attendance(const PlantPerson& person, Writer& w) {
  for (const PlantAttendance& a : person.attendance) {
    TagSatz tag;
    tag.TagPnr = person.pnr;
    tag.TagVon = a.come.substr(0, 8);
    tag.TagUhr = a.come.substr(8);
    tag.TagBis = a.go.substr(0, 8);
    tag.TagEnd = a.go.substr(8);
    tag.TagTgb = kDayType;
    w.check(Tag_PKeyIns(&tag, a.day.c_str()), "attendance");
    BupSatz bup;
    bup.BupPnr = person.pnr;
    bup.BupVon = tag.TagVon;
    bup.BupUhr = tag.TagUhr;
    bup.BupBis = tag.TagBis;
    bup.BupEnd = tag.TagEnd;
    bup.BupTvo = Minute(a.come);
    bup.BupTbi = Minute(a.go);
    w.check(Bup_PKeyIns(&bup), "account-day booking");
  }
}

void Persons(const Plant& p, Writer& w) {
  for (const PlantPerson& person : p.persons()) {
    PrvSatz prv;
    prv.PrvPnr = person.pnr;
    prv.PrvAwn = person.badge;
    prv.PrvGvo = kLongAgo;
    prv.PrvPzm = person.timeModel ? 1 : 2;
    prv.PrvNam = person.name;
    prv.PrvErf = kCreator;
    w.check(Prv_PKeyIns(&prv), "person");
    Attendance(person, w);
    if (!person.timeModel) continue;
    // Day models from the first day on: the day before it, which the
    // analyses look at too, has none (protocol rows of a person's first day).
    for (std::string day = p.options().firstDay; day <= p.calendarTo(); day = AddDays(day, 1)) {
      ZtgSatz ztg;
      ztg.ZtgPnr = person.pnr;
      ztg.ZtgVon = day;
      ztg.ZtgAzt = TimeModel(person.model, person.shift);
      ztg.ZtgAgr = person.group;
      ztg.ZtgTtp = kDayType;
      w.check(Ztg_PKeyIns(&ztg), "person day model");
    }
  }
}

void Orders(const Plant& p, Writer& w) {
  std::map<std::string, std::string> groupOf;
  for (const PlantWorkPlace& place : p.workPlaces()) groupOf[place.apl] = place.group;
  for (const PlantOperation& o : p.operations()) {
    ApkSatz apk;
    apk.ApkApk = o.apk;
    apk.ApkBz1 = "Order " + o.apk;
    apk.ApkSts = 1;
    apk.ApkAfo = 1;
    apk.ApkTnr = "PART-" + o.apk.substr(o.apk.size() - 4);
    apk.ApkSme = o.quantity;
    apk.ApkMee = "PCS";
    apk.ApkErf = kCreator;
    apk.ApkAba = 1;
    w.check(Apk_PKeyIns(&apk), "order");
    AppSatz app;
    app.AppApk = o.apk;
    app.AppApp = "00010";
    app.AppVaf = "00000";
    app.AppNaf = "00000";
    app.AppBz1 = "Machining";
    app.AppSme = o.quantity;
    app.AppMee = "PCS";
    app.AppStr = 0.30;
    app.AppApg = groupOf[o.apl];
    app.AppApl = o.apl;
    app.AppErf = kCreator;
    w.check(App_PKeyIns(&app), "operation");
  }
}

}  // namespace

bool Plant::load(std::string* error) const {
  db::UnitOfWork unit;
  if (int rc = unit.beginStatus(); rc != 0) {
    *error = "cannot begin writing (" + std::to_string(rc) + ")";
    return false;
  }
  Writer w(error);
  Switches(w);
  w.check(LoadFunctionCodes(kCreator), "function code");
  WorkPlaces(*this, w);
  Shifts(*this, w);
  Assignments(*this, w);
  Calendar(*this, w);
  Persons(*this, w);
  Orders(*this, w);
  if (!w.ok()) return false;  // the unit rolls back
  if (int rc = unit.commit().status; rc != 0) {
    *error = "master data could not be committed (" + std::to_string(rc) + ")";
    return false;
  }
  return true;
}

}  // namespace plant
