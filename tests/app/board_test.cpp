// `bdemorvelt board`: a shop floor with a work place in every state, booked
// by the worker's own routines and read back through the binary; and a
// board rewritten every second beside a draining worker.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/tables/rcv.h"
#include "demo/demo_shop_floor.h"
#include "demo/terminal_telegram.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "program.h"

namespace {

using namespace intake_test;
namespace fs = std::filesystem;

constexpr std::string_view kAnna = "47110001", kJonas = "47120001", kMira = "47130001";
constexpr std::string_view kHousing = "FA2026-00101", kShaft = "FA2026-00102", kFlange = "FA2026-00103";
constexpr std::string_view kCover = "FA2026-00999";

// The local date and time `minutesAgo` before now: yyyymmdd and HHMMSS.
std::pair<std::string, std::string> momentAgo(int minutesAgo) {
  const std::time_t t = std::time(nullptr) - minutesAgo * 60;
  std::tm local{};
  localtime_r(&t, &local);
  char day[16], time[16];
  std::strftime(day, sizeof day, "%Y%m%d", &local);
  std::strftime(time, sizeof time, "%H%M%S", &local);
  return {day, time};
}

std::string clockAgo(int minutesAgo) {
  const std::string t = momentAgo(minutesAgo).second;
  return t.substr(0, 2) + ":" + t.substr(2, 2);
}

class BoardTest : public DbTest {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    DbTest::SetUp();
    if (IsSkipped()) return;
    static int serial = 0;
    dir_ = testdb::ScratchDir() + "/board" + std::to_string(++serial);
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/ipc");
    fs::create_directories(dir_ + "/Msg");
    WriteConfig(dir_ + "/korvantis.ini", LoginFrom(dir_));
    std::string error;
    ASSERT_TRUE(LoadDemoShopFloor(momentAgo(0).first, &error)) << error;
    // A second group with a name that must show as text, and an order for
    // the assembly bench with a target quantity.
    AplSatz paint;
    paint.AplApl = "PAINT-0005";
    paint.AplBez = "Paint <booth> & dry";
    paint.AplApg = "FINISH";
    paint.AplSts = 1;
    paint.AplUbg = "0000";
    ASSERT_EQ(0, Apl_PKeyIns(&paint));
    ApkSatz apk;
    apk.ApkApk = kCover;
    apk.ApkAfo = 1;
    ASSERT_EQ(0, Apk_PKeyIns(&apk));
    AppSatz app;
    app.AppApk = kCover;
    app.AppApp = "00010";
    app.AppNaf = "00000";
    app.AppBz1 = "Cover <A&B>";
    app.AppSme = 100;
    app.AppMee = "PCS";
    ASSERT_EQ(0, App_PKeyIns(&app));
  }

  void TearDown() override {
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
    DbTest::TearDown();
  }

  void queue(std::string_view fcd, int minutesAgo, const std::string& data) {
    const auto [day, time] = momentAgo(minutesAgo);
    RcvSatz rcv;
    rcv.RcvMdt = day + time;
    rcv.RcvLfn = ++lfn_;
    rcv.RcvDta = terminal::Raw(fcd, day, time, "T1", data);
    rcv.RcvEsb = "test";
    ASSERT_EQ(0, Rcv_PKeyIns(&rcv));
  }
  void onOrder(std::string_view fcd, int minutesAgo, std::string_view badge, std::string_view apk,
               std::string_view apl) {
    queue(fcd, minutesAgo, terminal::OrderKeys(badge, apk, "00010", apl));
  }

  // A work place in each state, first that applies: the milling centre set
  // up and then stopped, the lathe working and then interrupted, the drill
  // being set up with Mira logged on, the assembly bench working for an
  // hour and a half with a quantity reported since, the paint booth idle.
  void bookShopFloor() {
    onOrder("A01", 50, kAnna, kHousing, "MILL-00001");
    queue("M03", 25, terminal::WorkPlaceState(kAnna, "MILL-00001", "0101"));
    onOrder("A03", 45, kJonas, kShaft, "LATHE-0002");
    queue("A04", 20, terminal::OperationInterrupted(terminal::OrderKeys(kJonas, kShaft, "00010", "LATHE-0002"),
                                                    "0003"));
    queue("P01", 12, terminal::AtWorkPlace(kMira, "DRILL-0003"));
    onOrder("A01", 10, kJonas, kFlange, "DRILL-0003");
    onOrder("A03", 90, kAnna, kCover, "ASSY-00004");
    queue("A06", 5, terminal::WithQuantities(terminal::OrderKeys(kAnna, kCover, "00010", "ASSY-00004"), 12, 1));
    ASSERT_EQ(0, Input_Buchung());
  }

  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config", dir_ + "/korvantis.ini", "--log", dir_ + "/Msg/BdeMorvelt.txt"});
    Program p(dir_, dir_ + "/ipc", args, "", dir_ + "/out.txt");
    return p.wait();
  }
  std::string output() const { return ReadFile(dir_ + "/out.txt"); }

  // The tile of a work place: from its opening tag to its end.
  static std::string tileOf(const std::string& page, const std::string& apl) {
    const std::size_t at = page.find("data-work-place=\"" + apl + "\"");
    if (at == std::string::npos) return "";
    const std::size_t from = page.rfind("<article", at);
    return page.substr(from, page.find("</article>", at) - from);
  }

  std::string dir_;
  std::int32_t lfn_ = 0;
};

TEST_P(BoardTest, EachWorkPlaceShowsTheFirstStateThatApplies) {
  bookShopFloor();
  ASSERT_EQ(0, run({"board", "--out", dir_ + "/wall.html"})) << output();
  EXPECT_EQ(dir_ + "/wall.html\n", output());
  const std::string page = ReadFile(dir_ + "/wall.html");

  struct Expected {
    const char* apl;
    const char* tileClass;
    std::vector<std::string> texts;
  };
  const Expected expected[] = {
      {"MILL-00001", "tile stoppage\"",
       {"<b>stoppage</b> since " + clockAgo(25) + " (0:25)", "reason 0101", "FA2026-00101/00010 Mill housing",
        "<span class=\"op-state interruption\">interruption</span>", "reason 0101"}},
      {"LATHE-0002", "tile interruption\"",
       {"<b>interruption</b> since " + clockAgo(20) + " (0:20), reason 0003", "Jonas Weber"}},
      {"DRILL-0003", "tile setup\"", {"<b>set-up</b> since " + clockAgo(10), "logged on: ", "Mira Schulz"}},
      {"ASSY-00004", "tile work stale\"",
       {"<b>work</b> since " + clockAgo(90) + " (1:30)", "unchanged for 1:30",
        "Cover &lt;A&amp;B&gt;</span>", "12 good, 1 reject of 100 PCS", "Anna Becker"}},
      {"PAINT-0005", "tile idle\"", {"<b>not used</b>", "Paint &lt;booth&gt; &amp; dry", "nobody logged on"}},
  };
  for (const Expected& e : expected) {
    const std::string tile = tileOf(page, e.apl);
    ASSERT_FALSE(tile.empty()) << e.apl;
    EXPECT_NE(std::string::npos, tile.find(e.tileClass)) << tile;
    for (const std::string& text : e.texts) EXPECT_NE(std::string::npos, tile.find(text)) << text << "\n" << tile;
  }
  for (const char* count : {"stoppage 1<", "interruption 1<", "set-up 1<", "work 1<", "not used 1<"})
    EXPECT_NE(std::string::npos, page.find(count)) << count;
  EXPECT_NE(std::string::npos, page.find("newest booking " + clockAgo(5) + " (0:05 ago)"));
  EXPECT_NE(std::string::npos, page.find("<meta http-equiv=\"refresh\" content=\"60\">"));
  EXPECT_LT(page.find("<h2>FINISH</h2>"), page.find("<h2>MECH</h2>"));
  EXPECT_EQ(std::string::npos, page.find("Paint <booth>"));
  for (const char* outside : {"<script", "src=", "href=", "url("}) EXPECT_EQ(std::string::npos, page.find(outside));

  // A longer limit marks nothing.
  ASSERT_EQ(0, run({"board", "--out", "-", "--stale", "120"})) << output();
  EXPECT_EQ(std::string::npos, output().find(" stale\""));
  EXPECT_NE(std::string::npos, output().find("tile work\""));
}

// The board reads beside a draining worker without ever making it wait:
// backlogs are queued and drained one after another until the board has
// replaced its page (a new file renamed over it) several times during a
// drain; every telegram is booked, and the worker's log tells of no lock or
// busy database.
TEST_P(BoardTest, RewritingEverySecondNeverMakesTheDrainWait) {
  constexpr int kBacklog = 1000, kMostRounds = 60, kRewritesWanted = 3;
  onOrder("A03", 60, kAnna, kCover, "ASSY-00004");
  const std::string page = dir_ + "/wall.html";
  Program board(dir_, dir_ + "/ipc",
                {"--config", dir_ + "/korvantis.ini", "--log", dir_ + "/Msg/Board.txt", "board", "--out", page,
                 "--every", "1"},
                "", dir_ + "/board-out.txt");
  struct stat seen {};
  for (int tries = 0; tries < 600 && stat(page.c_str(), &seen) != 0; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(0, stat(page.c_str(), &seen)) << ReadFile(dir_ + "/board-out.txt");

  // Every new inode under the page's name seen during a drain is one rewrite.
  std::atomic<bool> draining{false}, done{false};
  std::atomic<int> rewrites{0};
  std::thread watcher([&] {
    ino_t last = seen.st_ino;
    while (!done) {
      const bool during = draining;
      struct stat now {};
      if (stat(page.c_str(), &now) == 0 && now.st_ino != last) {
        last = now.st_ino;
        if (during && draining) ++rewrites;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  int telegrams = 1, rounds = 0;
  for (; rounds < kMostRounds && rewrites < kRewritesWanted && !HasFailure(); ++rounds) {
    for (int i = 0; i < kBacklog; ++i)
      queue("A06", 59, terminal::WithQuantities(terminal::OrderKeys(kAnna, kCover, "00010", "ASSY-00004"), 1, 0));
    telegrams += kBacklog;
    draining = true;
    const int drained = run({"--once"});
    draining = false;
    EXPECT_EQ(0, drained) << output();
    EXPECT_EQ(0, Rcv_Count());
  }
  done = true;
  watcher.join();
  EXPECT_EQ(0, board.terminate()) << ReadFile(dir_ + "/board-out.txt");

  EXPECT_GE(rewrites, kRewritesWanted) << "after " << rounds << " drains";
  EXPECT_EQ(telegrams, testdb::CountRows("Kvs571Rvs"));  // every telegram booked and backed up
  std::string log = ReadFile(dir_ + "/Msg/BdeMorvelt.txt");
  for (char& c : log) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* waited : {"lock", "busy", "timeout"}) EXPECT_EQ(std::string::npos, log.find(waited)) << log;
  EXPECT_NE(std::string::npos, ReadFile(page).find("ASSY-00004"));
}

INSTANTIATE_DB_TEST(BoardTest);

}  // namespace
