#include "demo/demo_summary.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string_view>

#include "analysis/duration.h"
#include "app/html/html_text.h"
#include "db/engine/access.h"
#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/map.h"
#include "db/tables/mel.h"
#include "db/tables/prv.h"
#include "demo/demo_shop_floor.h"
#include "demo/function_codes.h"

namespace {

// A period row's duration (whole minutes, seconds as hundredths) as
// hours:minutes, the one format of durations in the demo and the report.
std::string Duration(double stored) { return html::HoursMinutes(DauerSekunden(stored)); }

// A time per unit as the terminals send it, hours before the point and
// minutes after it (0.12 is twelve minutes), as hours:minutes.
std::string HoursDotMinutes(double value) {
  const long long hundredths = std::llround(value * 100);
  return html::HoursMinutes((hundredths / 100 * 60 + hundredths % 100) * 60);
}

// Reads every row of a summary query.
std::vector<db::Row> Rows(db::Query& q) {
  std::vector<db::Row> rows;
  db::Cursor c(q);
  if (c.open(std::span<const db::Value>()) != 0) return rows;
  db::Row row;
  while (c.fetchRow(row) == 0) rows.push_back(row);
  c.close();
  return rows;
}

std::int64_t Count(db::Query& q) {
  std::vector<db::Row> rows = Rows(q);
  return rows.empty() || rows[0].empty() ? 0 : rows[0][0].asInt();
}

std::string Trim(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// "HH:MM" of an HHMMSS text.
std::string Clock(std::string_view hhmmss) {
  if (hhmmss.size() < 4) return std::string(hhmmss);
  return std::string(hhmmss.substr(0, 2)) + ":" + std::string(hhmmss.substr(2, 2));
}

std::string PersonName(std::string_view pnr) {
  if (pnr == "99999999") return "unknown badge";
  PrvSatz prv;
  prv.PrvPnr = pnr;
  if (Prv_PKeyReadk(&prv) != 0) return std::string(pnr);
  return prv.PrvNam.str();
}

const char* OperationStatus(int sts) {
  switch (sts) {
    case 0: return "not started";
    case 1: return "being set up";
    case 2: return "set up";
    case 3: return "in work";
    case 4: return "interrupted";
    case 6: return "ended, not finished";
    case 9: return "finished";
    default: return "?";
  }
}

const char* OrderStatus(int sts) {
  switch (sts) {
    case 1: return "released";
    case 3: return "in work";
    case 9: return "finished";
    default: return "?";
  }
}

const char* ErrorMeaning(int fnr) {
  switch (fnr) {
    case 1001: return "order could not be read";
    case 2001: return "operation could not be read";
    case 4001: return "work place could not be read";
    case 5001: return "state could not be written";
    case 5002: return "end or change without a start";
    case 5003: return "start or change not allowed in the current state";
    case 5005: return "person logs on to an order that is not active here";
    case 5013: return "state could not be read";
    case 6001: return "badge unknown or not valid today";
    default: return "";
  }
}

// What the flags of an order operation at a work place say.
std::string OrderState(const MapSatz& v) {
  std::string s;
  if (v.Map00U == "1") s = v.Map00S == "1" ? "stopped with the work place" : "interrupted";
  else if (v.Map00A == "1") s = "in work";
  else if (v.Map00R == "1") s = "being set up";
  else s = "active";
  if (v.Map00U == "1") s += " (reason " + v.MapUbg.str() + ")";
  return s;
}

void PrintHeader(const DemoRun& run) {
  const std::string& d = run.day;
  std::printf("BdeMorvelt demo: early shift of %s-%s-%s\n", d.substr(0, 4).c_str(), d.substr(4, 2).c_str(),
              d.substr(6, 2).c_str());
  std::printf("Database, configuration and message log are in %s\n", run.directory.c_str());
  std::printf("Durations are in hours:minutes (7:40 is seven hours and forty minutes).\n\n");
  std::printf("The day's telegrams as the terminals sent them:\n");
  for (const DemoTelegram& t : run.telegrams)
    std::printf("  %s:%s  %-3.3s  %.*s\n", t.time.substr(0, 2).c_str(), t.time.substr(2, 2).c_str(),
                t.text.substr(71, 3).c_str(), static_cast<int>(t.story.size()), t.story.data());
  static db::Query queue("Demo_Queue", "select count(*) from Kvs570Rcv");
  static db::Query backup("Demo_Backup", "select count(*) from Kvs571Rvs");
  const std::int64_t queued = Count(queue);
  const std::int64_t backedUp = Count(backup);
  std::printf("\n%zu telegrams received, %lld processed and backed up, %lld still waiting in the queue.\n",
              run.telegrams.size(), static_cast<long long>(backedUp), static_cast<long long>(queued));
}

void PrintBookingsByKind() {
  static db::Query q("Demo_BookingsByKind",
                     "select MelFcd, MelMsk, sum(case when MelErf='MldGen' then 0 else 1 end), "
                     "sum(case when MelErf='MldGen' then 1 else 0 end), "
                     "sum(case when MelFnr<>0 then 1 else 0 end) from Kvs560Mel group by MelFcd, MelMsk "
                     "order by MelFcd, MelMsk");
  std::printf("\nBookings by kind\n");
  std::printf("  code  msg  %-30s  %9s  %9s  %10s\n", "meaning", "terminal", "generated", "with error");
  std::int64_t total = 0;
  for (const db::Row& r : Rows(q)) {
    const std::string fcd = r[0].asText();
    std::printf("  %-4s  %-3s  %-30.*s  %9lld  %9lld  %10lld\n", fcd.c_str(), r[1].asText().c_str(),
                static_cast<int>(FunctionCodeMeaning(fcd).size()), FunctionCodeMeaning(fcd).data(),
                static_cast<long long>(r[2].asInt()), static_cast<long long>(r[3].asInt()),
                static_cast<long long>(r[4].asInt()));
    total += r[2].asInt() + r[3].asInt();
  }
  std::printf("  %lld bookings in all.\n", static_cast<long long>(total));

  static db::Query errors("Demo_Errors",
                          "select MelFnr, count(*) from Kvs560Mel where MelFnr<>0 group by MelFnr order by MelFnr");
  std::vector<db::Row> rows = Rows(errors);
  if (rows.empty()) return;
  std::printf("\nError numbers on bookings (the bookings are kept, marked)\n");
  for (const db::Row& r : rows)
    std::printf("  %4lld  %-52s  %3lld\n", static_cast<long long>(r[0].asInt()),
                ErrorMeaning(static_cast<int>(r[0].asInt())), static_cast<long long>(r[1].asInt()));
}

void PrintPersonsOnOrder(const MapSatz& order) {
  MapSatz params = order;
  params.MapObj = "MPA";
  Map_AppPnr persons;
  if (persons.Open(&params) != 0) return;
  MapSatz person;
  while (persons.Read(&person) == 0)
    std::printf("          with %s%s\n", PersonName(person.MapPnr.view()).c_str(),
                person.Map00U == "1" ? " (interrupted)" : "");
}

void PrintWorkPlace(std::string_view apl, std::string_view name) {
  AplSatz w;
  w.AplApl = apl;
  Apl_PKeyReadk(&w);
  const std::string_view since = w.AplUdt.view().substr(std::min<std::size_t>(8, w.AplUdt.size()));
  const std::string state =
      w.AplSts == 3 ? "down since " + Clock(since) + " (reason " + w.AplUbg.str() + ")" : "available";
  std::printf("  %-10.*s  %-22.*s %s\n", static_cast<int>(apl.size()), apl.data(), static_cast<int>(name.size()),
              name.data(), state.c_str());
  MapSatz params;
  params.MapApl = apl;
  params.MapObj = "MP_";
  std::vector<std::string> present;
  if (Map_AplPnr persons; persons.Open(&params) == 0) {
    MapSatz p;
    while (persons.Read(&p) == 0) present.push_back(PersonName(p.MapPnr.view()));
  }
  for (const std::string& p : present) std::printf("      logged on: %s\n", p.c_str());
  params.MapObj = "M_A";
  std::vector<MapSatz> orders;
  if (Map_AplApp vectors; vectors.Open(&params) == 0) {
    MapSatz v;
    while (vectors.Read(&v) == 0) orders.push_back(v);
  }
  if (orders.empty() && present.empty()) std::printf("      nothing active\n");
  for (const MapSatz& v : orders) {
    std::printf("      %s/%s %s\n", v.MapApk.c_str(), v.MapApp.c_str(), OrderState(v).c_str());
    PrintPersonsOnOrder(v);
  }
}

void PrintWorkPlaces() {
  std::printf("\nWork places after the day\n");
  for (const DemoWorkPlace& w : DemoWorkPlaces()) PrintWorkPlace(w.apl, w.name);
}

void PrintOperations() {
  std::printf("\nOperations after the day\n");
  std::printf("  %-12s  %-5s  %-20s  %-20s  %5s  %6s  %s\n", "order", "op", "operation", "status", "good", "reject",
              "target time");
  for (const DemoOperation& o : DemoOperations()) {
    AppSatz app;
    app.AppApk = o.apk;
    app.AppApp = o.app;
    if (App_PKeyReadk(&app) != 0) continue;
    const std::string target = app.AppZf1 == "v" ? HoursDotMinutes(app.AppSza) : "";
    std::printf("  %-12s  %-5s  %-20s  %-20s  %5.0f  %6.0f  %s\n", app.AppApk.c_str(), app.AppApp.c_str(),
                app.AppBz1.c_str(), OperationStatus(app.AppSts), app.AppIme, app.AppAme, target.c_str());
  }
  std::printf("\nOrders after the day\n");
  for (const DemoOrder& o : DemoOrders()) {
    ApkSatz apk;
    apk.ApkApk = o.apk;
    if (Apk_PKeyReadk(&apk) != 0) continue;
    std::string started = apk.ApkBdi.empty() ? "not started" : "started " + Clock(apk.ApkBdiUhr.view());
    std::printf("  %-12s  %-20s  %-9s  %d of %d operations counted finished, %s\n", apk.ApkApk.c_str(),
                apk.ApkBz1.c_str(), OrderStatus(apk.ApkSts), apk.ApkEaf, apk.ApkAfo, started.c_str());
  }
}

void PrintGenerated() {
  static db::Query q("Demo_Generated",
                     "select KeyBnr, KeyLfn from Kvs560Mel where MelErf='MldGen' order by KeyBnr, KeyLfn");
  std::printf("\nBookings the worker generated itself\n");
  std::printf("  %7s  %3s  %-4s  %-3s  %-3s  %-10s  %-18s  %-14s  %s\n", "booking", "no", "code", "msg", "obj",
              "work place", "order/operation", "person", "reason");
  for (const db::Row& r : Rows(q)) {
    MelSatz mel;
    mel.KeyBnr = static_cast<std::int32_t>(r[0].asInt());
    mel.KeyLfn = static_cast<std::int32_t>(r[1].asInt());
    if (Mel_PKeyReadk(&mel) != 0) continue;
    const std::string what = mel.KeyApk.str() + "/" + mel.KeyApp.str();
    const std::string error = mel.MelFnr != 0 ? "  error " + std::to_string(mel.MelFnr) : "";
    std::printf("  %7d  %3d  %-4s  %-3s  %-3s  %-10s  %-18s  %-14s  %s%s\n", mel.KeyBnr, mel.KeyLfn,
                mel.MelFcd.c_str(), mel.MelMsk.c_str(), mel.ObjTyp.c_str(), mel.KeyApl.c_str(), what.c_str(),
                PersonName(mel.KeyPnr.view()).c_str(), Trim(mel.KeyUbg.view()).c_str(), error.c_str());
  }
}

void PrintUploads() {
  static db::Query q("Demo_Uploads",
                     "select PpsLfn, PpsFcd, PpsApk, PpsApp, PpsPnr, PpsSts, PpsGum, PpsFam, PpsZt1 "
                     "from Kvs580Pps order by PpsLfn");
  std::printf("\nUpload rows for production planning\n");
  std::printf("  %3s  %-3s  %-18s  %-14s  %6s  %5s  %6s  %s\n", "no", "msg", "order/operation", "person", "status",
              "good", "reject", "time/unit");
  for (const db::Row& r : Rows(q)) {
    std::string what = r[2].asText() + "/" + r[3].asText();
    const std::string zt = r[8].asReal() != 0 ? HoursDotMinutes(r[8].asReal()) : "";
    std::printf("  %3lld  %-3s  %-18s  %-14s  %6lld  %5.0f  %6.0f  %s\n", static_cast<long long>(r[0].asInt()),
                r[1].asText().c_str(), what.c_str(), PersonName(r[4].asText()).c_str(),
                static_cast<long long>(r[5].asInt()), r[6].asReal(), r[7].asReal(), zt.c_str());
  }
}

void PrintNotes(const DemoRun& run) {
  static db::Query q("Demo_Notes", "select MrkKng, count(*) from Kvs563Mrk group by MrkKng order by MrkKng");
  static const std::map<std::string, const char*> kMeaning = {
      {"NZS", "person time on an order operation"}, {"LZS", "run time of an order operation"},
      {"STG", "work-place interruptions"},          {"NZM", "a person's day"},
      {"NZA", "a finished order operation"},        {"LZM", "a work place"}};
  std::printf("\nRecalculation notes still pending after the pass\n");
  std::vector<db::Row> rows = Rows(q);
  if (rows.empty()) std::printf("  none\n");
  for (const db::Row& r : rows) {
    auto it = kMeaning.find(r[0].asText());
    std::printf("  %-3s  %3lld  %s\n", r[0].asText().c_str(), static_cast<long long>(r[1].asInt()),
                it == kMeaning.end() ? "" : it->second);
  }
  static db::Query analysis("Demo_Analysis", "select count(*) from Kvs590Nza");
  std::printf("  analysis rows written: %lld\n", static_cast<long long>(Count(analysis)));
  std::printf("\nMessage log: %d entr%s written during the pass (%s/Msg/BdeMorvelt.txt)\n", run.logEntries,
              run.logEntries == 1 ? "y" : "ies", run.directory.c_str());
}

void PrintRunTimeRow(const db::Row& r) {
  std::printf("  %-10s  %-18s  %-10s  %8s  %8s  %8s  %8s\n", Trim(r[0].asText()).c_str(),
              (Trim(r[1].asText()) + "/" + Trim(r[2].asText())).c_str(), Trim(r[3].asText()).c_str(),
              Duration(r[4].asReal()).c_str(), Duration(r[5].asReal()).c_str(),
              Duration(r[6].asReal()).c_str(), Duration(r[7].asReal()).c_str());
}

// What the run-time analysis computed: per shift (or per day outside the
// shifts) and in total over all work places.
void PrintRunTimes() {
  static db::Query perShift("Demo_RunTimePerShift",
                            "select NzaApl, NzaApk, NzaApp, NzaPnr, NzaBzr, NzaBza, NzaPza, NzaUza from Kvs590Nza "
                            "where NzaSa=4 order by NzaApl, NzaApk, NzaApp, NzaDtm");
  static db::Query total("Demo_RunTimeTotal",
                         "select '', NzaApk, NzaApp, 'total', NzaBzr, NzaBza, NzaPza, NzaUza from Kvs590Nza "
                         "where NzaSa=8 order by NzaApk, NzaApp");
  std::printf("\nRun time of order operations (hours:minutes)\n");
  std::printf("  %-10s  %-18s  %-10s  %8s  %8s  %8s  %8s\n", "work place", "order/operation", "shift",
              "set-up", "work", "break", "interr.");
  std::vector<db::Row> rows = Rows(perShift);
  if (rows.empty()) std::printf("  none\n");
  for (const db::Row& r : rows) PrintRunTimeRow(r);
  for (const db::Row& r : Rows(total)) PrintRunTimeRow(r);
}

// What the stoppage analysis computed: the part of each stoppage inside
// shift time, and of that the part in breaks.
void PrintStoppages() {
  static db::Query q("Demo_Stoppages",
                     "select NzaApl, TO_CHAR(NzaDtm,'HH24MISS'), TO_CHAR(NzaEdt,'HH24MISS'), NzaUbg, NzaBzu, NzaPzu "
                     "from Kvs590Nza where NzaSa=13 order by NzaApl, NzaDtm");
  std::printf("\nStoppages of work places within their shifts (hours:minutes)\n");
  std::printf("  %-10s  %-5s  %-5s  %-6s  %8s  %8s\n", "work place", "from", "to", "reason", "in shift", "in break");
  std::vector<db::Row> rows = Rows(q);
  if (rows.empty()) std::printf("  none\n");
  for (const db::Row& r : rows)
    std::printf("  %-10s  %-5s  %-5s  %-6s  %8s  %8s\n", Trim(r[0].asText()).c_str(), Clock(r[1].asText()).c_str(),
                Clock(r[2].asText()).c_str(), Trim(r[3].asText()).c_str(), Duration(r[4].asReal()).c_str(),
                Duration(r[5].asReal()).c_str());
}

// What the person-time analysis computed: each work period with its
// figures, each followed by the interruptions inside it.
void PrintPersonPeriods() {
  static db::Query q("Demo_PersonPeriods",
                     "select NzaSa, NzaPnr, NzaApl, NzaApk, NzaApp, TO_CHAR(NzaDtm,'HH24MISS'), "
                     "TO_CHAR(NzaEdt,'HH24MISS'), NzaEnd, NzaUbg, NzaNza, NzaBza, NzaPza, NzaAbz, NzaBzu, NzaUza, "
                     "NzaPzu, NzaUbz from Kvs590Nza where NzaSa in (1,2) "
                     "order by NzaPnr, NzaApl, NzaApk, NzaApp, NzaDtm, NzaSa");
  std::printf("\nPerson time on order operations (hours:minutes)\n");
  std::printf("  %-14s  %-10s  %-18s  %-14s  %-5s  %-5s  %8s  %8s  %8s  %8s  %8s\n", "person", "work place",
              "order/operation", "period", "from", "to", "net", "gross", "break", "present", "interr.");
  std::vector<db::Row> rows = Rows(q);
  if (rows.empty()) std::printf("  none\n");
  for (const db::Row& r : rows) {
    const bool work = r[0].asInt() == 1;
    const std::string what = Trim(r[3].asText()) + "/" + Trim(r[4].asText());
    const std::string to = r[7].asInt() != 0 ? Clock(r[6].asText()) : "open";
    const std::string period = work ? "work" : "interrupt " + Trim(r[8].asText());
    // An interruption shows its own figures: net, gross, break and present.
    const double net = work ? r[9].asReal() : r[14].asReal();
    const double gross = work ? r[10].asReal() : r[13].asReal();
    const double pause = work ? r[11].asReal() : r[15].asReal();
    const double present = work ? r[12].asReal() : r[16].asReal();
    std::printf("  %-14s  %-10s  %-18s  %-14s  %-5s  %-5s  %8s  %8s  %8s  %8s  %8s\n",
                PersonName(r[1].asText()).c_str(), Trim(r[2].asText()).c_str(), what.c_str(), period.c_str(),
                Clock(r[5].asText()).c_str(), to.c_str(), Duration(net).c_str(), Duration(gross).c_str(),
                Duration(pause).c_str(), Duration(present).c_str(),
                work ? Duration(r[13].asReal()).c_str() : "");
  }
}

}  // namespace

void PrintDemoSummary(const DemoRun& run) {
  PrintHeader(run);
  PrintBookingsByKind();
  PrintWorkPlaces();
  PrintOperations();
  PrintGenerated();
  PrintUploads();
  PrintPersonPeriods();
  PrintRunTimes();
  PrintStoppages();
  PrintNotes(run);
  // The program's own path, so that the line works where it is not on PATH.
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::printf("\nTo run the worker on this database yourself:\n  cd %s && %s --config korvantis.ini --once\n",
              run.directory.c_str(), ec ? "bdemorvelt" : self.c_str());
}
