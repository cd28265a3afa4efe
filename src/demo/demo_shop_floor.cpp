#include "demo/demo_shop_floor.h"

#include <cstdio>

#include "base/civil_date.h"
#include "db/tables/master_records.h"
#include "db/tables/aem.h"
#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/azv.h"
#include "db/engine/date_text.h"
#include "db/tables/emo.h"
#include "db/tables/kal.h"
#include "db/tables/pms.h"
#include "db/tables/pmz.h"
#include "db/tables/prv.h"
#include "db/tables/pse.h"
#include "db/tables/tag.h"
#include "db/tables/ztg.h"
#include "demo/function_codes.h"

namespace {

constexpr std::string_view kGroup = "MECH";          // every work place belongs to it
constexpr std::string_view kShiftModel = "2SHIFT";
constexpr std::string_view kDayType = "AT";          // the demo works every day
constexpr std::string_view kCalendar = "00001";
constexpr const char* kBreakModel = "P-SHIFT";
constexpr std::string_view kTimeModel = "GLZ-7.5";
constexpr const char* kPlannedBreaks = "PS-7.5";
constexpr int kDaysAround = 7;  // calendar days loaded before and after today

// Collects the first failure; later writes are skipped.
class Loader {
 public:
  explicit Loader(std::string* error) : error_(error) {}
  bool ok() const { return ok_; }
  void check(int rc, std::string_view what) {
    if (!ok_ || rc == 0) return;
    ok_ = false;
    *error_ = std::string(what) + " could not be written (" + std::to_string(rc) + ")";
  }

 private:
  std::string* error_;
  bool ok_ = true;
};

void LoadWorkPlaces(Loader& l) {
  for (const DemoWorkPlace& w : DemoWorkPlaces()) {
    AplSatz apl;
    apl.AplApl = w.apl;
    apl.AplBez = w.name;
    apl.AplApg = kGroup;
    apl.AplSts = 1;
    apl.AplUbg = "0000";
    apl.AplKap = 7.5;
    apl.AplErf = "demo";
    l.check(Apl_PKeyIns(&apl), "work place");
  }
}

void LoadPersons(const std::string& today, Loader& l) {
  for (const DemoPerson& p : DemoPersons()) {
    PrvSatz prv;
    prv.PrvPnr = p.pnr;
    prv.PrvAwn = p.badge;
    prv.PrvGvo = AddDays(today, -400);
    if (!p.validToday) prv.PrvGbi = AddDays(today, -1);
    prv.PrvPzm = 1;
    prv.PrvNam = p.name;
    prv.PrvErf = "demo";
    l.check(Prv_PKeyIns(&prv), "person");
  }
}

void LoadOrders(Loader& l) {
  for (const DemoOrder& o : DemoOrders()) {
    ApkSatz apk;
    apk.ApkApk = o.apk;
    apk.ApkBz1 = o.name;
    apk.ApkSts = 1;  // released
    apk.ApkAfo = static_cast<std::int16_t>(o.operations);
    apk.ApkTnr = o.part;
    apk.ApkSme = o.quantity;
    apk.ApkMee = "PCS";
    apk.ApkErf = "demo";
    apk.ApkAba = o.completionRule;
    l.check(Apk_PKeyIns(&apk), "order");
  }
  for (const DemoOperation& o : DemoOperations()) {
    AppSatz app;
    app.AppApk = o.apk;
    app.AppApp = o.app;
    app.AppVaf = "00000";
    app.AppNaf = o.successor;
    app.AppBz1 = o.name;
    app.AppSme = o.quantity;
    app.AppMee = "PCS";
    app.AppStr = o.setUpTime;
    app.AppApg = kGroup;
    app.AppApl = o.apl;
    app.AppErf = "demo";
    l.check(App_PKeyIns(&app), "operation");
  }
}

// Early shift 06:00-14:00 and late shift 14:00-22:00, each with a short
// and a long break; the work places' group works it on every day.
void LoadShifts(const std::string& today, Loader& l) {
  struct Shift {
    std::string_view txt;
    int begin, end, art;
  };
  for (const Shift& s : {Shift{"Early", 360, 840, 1}, Shift{"Late", 840, 1320, 2}}) {
    EmoSatz emo;
    emo.EmoEmo = kShiftModel;
    emo.EmoTtp = kDayType;
    emo.EmoTxt = s.txt;
    emo.EmoBeg = s.begin;
    emo.EmoEnd = s.end;
    emo.EmoArt = s.art;
    l.check(Emo_PKeyIns(&emo, kBreakModel), "shift");
  }
  struct Break {
    std::string_view num;
    int begin, end;
  };
  for (const Break& b : {Break{"00001", 540, 555}, Break{"00002", 720, 750}, Break{"00003", 1020, 1035},
                         Break{"00004", 1140, 1170}}) {
    PmsSatz pms;
    pms.PmsNum = b.num;
    pms.PmsBeg = b.begin;
    pms.PmsEnd = b.end;
    pms.PmsPse = b.end - b.begin;
    l.check(Pms_PKeyIns(&pms), "break");
    PmzSatz pmz;
    pmz.PmzPmo = kBreakModel;
    pmz.PmzPms = b.num;
    pmz.PmzGvo = AddDays(today, -400);
    pmz.PmzGbi = AddDays(today, 400);
    l.check(Pmz_PKeyIns(&pmz), "break model");
  }
  AemSatz aem;
  aem.AemApg = kGroup;
  aem.AemEmo = kShiftModel;
  aem.AemGvo = AddDays(today, -400);
  aem.AemBez = "Two shifts";
  aem.AemKal = kCalendar;
  aem.AemMaz = 4;
  l.check(Aem_PKeyIns(&aem, 1, ""), "shift assignment");
  for (int d = -kDaysAround; d <= kDaysAround; ++d) {
    const std::string day = AddDays(today, d);
    BakSatz bak = Bak_Tag(day);
    l.check(Bak_PKeyIns(&bak), "calendar day");
    KalSatz kal;
    kal.KalNum = kCalendar;
    kal.KalDtm = day;
    kal.KalBtp = kDayType;
    l.check(Kal_PKeyIns(&kal), "calendar day type");
  }
}

// Every person plans 06:00-14:00 with 7.5 hours of work and a break
// 12:00-12:30, and is present 05:50-14:30 every day.
void LoadDayModels(const std::string& today, Loader& l) {
  PseSatz pse;
  pse.PseNum = kPlannedBreaks;
  pse.PseLfd = 1;
  pse.PseVon = 720;
  pse.PseBis = 750;
  l.check(Pse_PKeyIns(&pse), "planned break");
  AzvSatz azv;
  azv.AzvNum = kTimeModel;
  azv.AzvGvo = AddDays(today, -400);
  azv.AzvMav = 330;
  azv.AzvMab = 900;
  azv.AzvNov = 360;
  azv.AzvNob = 840;
  azv.AzvSol = 450;
  azv.AzvPsm = kPlannedBreaks;
  l.check(Azv_PKeyIns(&azv), "time model");
  for (const DemoPerson& p : DemoPersons()) {
    for (int d = -kDaysAround; d <= kDaysAround; ++d) {
      ZtgSatz ztg;
      ztg.ZtgPnr = p.pnr;
      ztg.ZtgVon = AddDays(today, d);
      ztg.ZtgAzt = kTimeModel;
      ztg.ZtgAgr = "GRP1";
      ztg.ZtgTtp = kDayType;
      l.check(Ztg_PKeyIns(&ztg), "person day model");
      const std::string day = AddDays(today, d);
      TagSatz tag;
      tag.TagPnr = p.pnr;
      tag.TagVon = tag.TagBis = day;
      tag.TagUhr = "055000";
      tag.TagEnd = "143000";
      tag.TagTgb = kDayType;
      l.check(Tag_PKeyIns(&tag, day.c_str()), "person attendance");
    }
  }
}

// Every analysis kind active, every kind leaving notes.
void LoadAnalysisParameters(const std::string& today, Loader& l) {
  for (int kind : {1, 2, 3, 4, 5, 7, 9}) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    nzp.NzpGvn = AddDays(today, -400);
    nzp.NzpGbi = AddDays(today, 400);
    nzp.NzpAak = 1;
    nzp.NzpMrk = 1;
    l.check(Nzp_PKeyIns(&nzp), "analysis parameter");
  }
}

// The worker's polling interval: ten seconds.
void LoadPollingInterval(Loader& l) {
  BnrSatz bnr;
  bnr.BnrKey = "BDBER";
  bnr.BnrBnr = 10;
  bnr.BnrEsb = "demo";
  l.check(Bnr_PKeyIns(&bnr), "polling interval");
}

}  // namespace

const std::vector<DemoWorkPlace>& DemoWorkPlaces() {
  static const std::vector<DemoWorkPlace> places = {
      {"MILL-00001", "5-axis milling centre"},
      {"LATHE-0002", "CNC lathe"},
      {"DRILL-0003", "Pillar drill"},
      {"ASSY-00004", "Assembly bench"},
  };
  return places;
}

const std::vector<DemoPerson>& DemoPersons() {
  static const std::vector<DemoPerson> persons = {
      {"00004711", "47110001", "Anna Becker", true},  {"00004712", "47120001", "Jonas Weber", true},
      {"00004713", "47130001", "Mira Schulz", true},  {"00004714", "47140001", "Tobias Koch", true},
      {"00004715", "47150001", "Leon Braun", false},
  };
  return persons;
}

const std::vector<DemoOrder>& DemoOrders() {
  static const std::vector<DemoOrder> orders = {
      {"FA2026-00101", "Gear housing GH-200", "GH-200-A", 3, 1, 40},
      {"FA2026-00102", "Drive shaft DS-40", "DS-40-C", 2, 2, 25},
      {"FA2026-00103", "Flange FL-80", "FL-80-B", 1, 1, 60},
  };
  return orders;
}

const std::vector<DemoOperation>& DemoOperations() {
  static const std::vector<DemoOperation> operations = {
      {"FA2026-00101", "00010", "00020", "Mill housing", "MILL-00001", 1.30, 40},
      {"FA2026-00101", "00020", "00030", "Drill flange holes", "DRILL-0003", 0.20, 40},
      {"FA2026-00101", "00030", "00000", "Assemble", "ASSY-00004", 0.15, 40},
      {"FA2026-00102", "00010", "00020", "Turn shaft", "LATHE-0002", 0.45, 25},
      {"FA2026-00102", "00020", "00000", "Mill keyway", "MILL-00001", 0.30, 25},
      {"FA2026-00103", "00010", "00000", "Turn flange", "LATHE-0002", 0.45, 60},
  };
  return operations;
}

bool LoadDemoShopFloor(const std::string& today, std::string* error) {
  Loader l(error);
  LoadPollingInterval(l);
  l.check(LoadFunctionCodes("demo"), "function code");
  LoadWorkPlaces(l);
  LoadPersons(today, l);
  LoadOrders(l);
  LoadShifts(today, l);
  LoadDayModels(today, l);
  LoadAnalysisParameters(today, l);
  return l.ok();
}
