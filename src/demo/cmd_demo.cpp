// `bdemorvelt demo [DIR]`: a sample shop floor in an embedded database,
// a day of terminal telegrams, one pass of the worker and a summary.
//
// DIR receives the database (bde.db), the configuration file
// (korvantis.ini, pointing at bde.db relative to DIR) and the message log
// (Msg/BdeMorvelt.txt), laid out as for a worker started in DIR; the demo
// runs there. Its own earlier files are replaced, so every run starts from
// the same sample.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/board/board.h"
#include "app/commands.h"
#include "app/login.h"
#include "app/loop.h"
#include "app/report/report_day.h"
#include "base/config.h"
#include "base/datetime.h"
#include "base/msglog.h"
#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "db/tables/rcv.h"
#include "db/tables/schema.h"
#include "demo/demo_day.h"
#include "demo/demo_shop_floor.h"
#include "demo/demo_summary.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDatabase = "bde.db";
constexpr const char* kConfig = "korvantis.ini";
constexpr const char* kLogDir = "Msg";
constexpr const char* kLog = "./Msg/BdeMorvelt.txt";

bool Fail(const std::string& what) {
  std::fprintf(stderr, "bdemorvelt: demo: %s\n", what.c_str());
  return false;
}

// Creates DIR, moves into it and clears what an earlier demo left there.
bool EnterDirectory(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return Fail("cannot create " + dir + ": " + ec.message());
  if (chdir(dir.c_str()) != 0) return Fail("cannot enter " + dir);
  for (const char* old : {kDatabase, kConfig, "Msg/BdeMorvelt.txt", "Msg/BdeMorvelt.old"}) fs::remove(old, ec);
  fs::create_directories(kLogDir, ec);
  if (ec) return Fail(std::string("cannot create ") + kLogDir + ": " + ec.message());
  return true;
}

// The configuration as the worker reads it: three enciphered values.
bool WriteConfiguration() {
  std::ofstream out(kConfig, std::ios::binary);
  const std::pair<const char*, std::string> values[] = {
      {"LOGIN", "demo"}, {"PASS", "demo"}, {"NET8", std::string("sqlite:") + kDatabase}};
  int number = 1;
  for (const auto& [key, plain] : values)
    out << "[db];BDE;\n" << number++ << ';' << key << ';' << Wert_Verschluesseln(plain, kIniKey) << '\n';
  out.close();
  if (!out) return Fail(std::string("cannot write ") + kConfig);
  return true;
}

bool CreateDatabase() {
  dbSetConfigFile(kConfig);
  std::string error;
  int rc = dbConnectWith(Get_IniWert("", "LOGIN", 0, kConfig), Get_IniWert("", "PASS", 0, kConfig),
                         Get_IniWert("", "NET8", 0, kConfig), true, &error);
  if (rc != 0) return Fail("cannot open the database (" + std::to_string(rc) + "): " + error);
  rc = db::schema::create(db::Session::get().connection(), &error);
  if (rc != 0) return Fail("cannot create the tables (" + std::to_string(rc) + "): " + error);
  return true;
}

// What the receiving component does: one queue row per telegram, stamped
// with the moment it arrived.
bool QueueTelegrams(const std::string& day, const std::vector<DemoTelegram>& telegrams) {
  std::int32_t lfn = 0;
  for (const DemoTelegram& t : telegrams) {
    RcvSatz rcv;
    rcv.RcvMdt = day + t.time;
    rcv.RcvLfn = ++lfn;
    rcv.RcvDta = t.text;
    rcv.RcvEsb = "demo";
    int rc = Rcv_PKeyIns(&rcv);
    if (rc != 0) return Fail("cannot queue a telegram (" + std::to_string(rc) + ")");
  }
  return true;
}

constexpr const char* kBoard = "board.html";
constexpr int kDemoStaleMinutes = 30;  // as `bdemorvelt board` marks by default

// The live board as it stands right after the demo day's last booking, read
// the way `bdemorvelt board` reads it.
bool WriteDemoBoard(const std::string& day, const std::string& path, std::string* error) {
  board::Board shopFloor;
  int rc = board::CollectBoard(day + "235959", kDemoStaleMinutes, shopFloor);
  if (rc == 0 && !shopFloor.newestBooking.empty())
    rc = board::CollectBoard(shopFloor.newestBooking, kDemoStaleMinutes, shopFloor);
  if (rc != 0) {
    *error = "cannot read the shop floor for the board (" + std::to_string(rc) + ")";
    return false;
  }
  return board::ReplaceFile(path, board::RenderBoard(shopFloor, {}), error);
}

}  // namespace

int RunDemo(const Options& options) {
  if (options.args.size() > 1) {
    std::fprintf(stderr, "usage: bdemorvelt demo [DIR]\n");
    return 2;
  }
  DemoRun run;
  run.directory = options.args.empty() ? "demo" : options.args[0];
  if (!EnterDirectory(run.directory) || !WriteConfiguration() || !CreateDatabase()) return 1;
  run.directory = fs::current_path().string();  // the paths it prints work from anywhere

  std::string unused;
  Datum_Zeit(run.day, unused, 3);
  std::string error;
  if (!LoadDemoShopFloor(run.day, &error)) {
    Fail(error);
    return 1;
  }
  run.telegrams = DemoDay(run.day);
  if (!QueueTelegrams(run.day, run.telegrams)) return 1;

  // One pass of the worker, as `bdemorvelt --once` started in DIR makes it.
  MsgOpen(7, kLog);
  RunPass(DefaultPhases());
  run.logEntries = MsgEntryCount();

  PrintDemoSummary(run);
  const std::string report = "report-" + run.day + ".html";
  if (report::WriteDayReport(run.day, report, false, &error))
    std::printf("\nThe day's picture and figures: %s/%s\n", run.directory.c_str(), report.c_str());
  else
    Fail(error);
  if (WriteDemoBoard(run.day, kBoard, &error))
    std::printf("The shop floor at the end of the day: %s/%s\n", run.directory.c_str(), kBoard);
  else
    Fail(error);
  db::Session::get().disconnect();
  return 0;
}
