// The demo end to end: the command builds its shop floor, books its day and
// reports it; the configuration it leaves lets the worker find the database.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "db_fixture.h"
#include "base/config.h"

namespace {

namespace fs = std::filesystem;

const char* Binary() {
  const char* bin = std::getenv("BDEMORVELT_BIN");
  return bin && *bin ? bin : nullptr;
}

// Runs the command, returns its standard output; `rc` gets the exit code.
std::string RunCommand(const std::string& command, int* rc) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int status = pclose(p);
  *rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

TEST(DemoScenario, BooksTheDayAndReportsIt) {
  if (!Binary()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
  const fs::path dir = fs::path(testdb::ScratchDir()) / "demo";
  for (int run = 0; run < 2; ++run) {  // a second run starts from the same sample
    int rc = -1;
    const std::string out = RunCommand(std::string(Binary()) + " demo " + dir.string() + " 2>&1", &rc);
    ASSERT_EQ(0, rc) << out;
    EXPECT_NE(std::string::npos, out.find("25 telegrams received, 25 processed and backed up, 0 still waiting"))
        << out;
    EXPECT_NE(std::string::npos, out.find("6001  badge unknown or not valid today")) << out;
    EXPECT_NE(std::string::npos, out.find("FA2026-00102  00010  Turn shaft            finished")) << out;
    EXPECT_NE(std::string::npos, out.find("in work                  31       0  12:45")) << out;
    EXPECT_NE(std::string::npos, out.find("A04   AU   M_A  MILL-00001")) << out;
    // Every run-time note is worked off: per shift and in total.
    EXPECT_NE(std::string::npos, out.find("MILL-00001  FA2026-00101/00010  Early           0:35      6:00")) << out;
    EXPECT_NE(std::string::npos, out.find("FA2026-00101/00010  total           0:35      6:00")) << out;
    EXPECT_EQ(std::string::npos, out.find("LZS ")) << out;
    EXPECT_NE(std::string::npos, out.find("MILL-00001  10:15  11:00  0101        0:45      0:00")) << out;
    EXPECT_EQ(std::string::npos, out.find("STG ")) << out;
    EXPECT_NE(std::string::npos, out.find("Anna Becker     MILL-00001  FA2026-00101/00010  work            06:45  13:50 "
                                          "     5:30      6:00      0:30      6:00      1:05"))
        << out;
    EXPECT_EQ(std::string::npos, out.find("NZS ")) << out;
    EXPECT_NE(std::string::npos, out.find("Message log: ")) << out;
    EXPECT_NE(std::string::npos, out.find("Durations are in hours:minutes")) << out;
  }
  const std::string config = (dir / "korvantis.ini").string();
  EXPECT_EQ("sqlite:bde.db", Get_IniWert("", "NET8", 0, config));
  EXPECT_TRUE(fs::exists(dir / "Msg" / "BdeMorvelt.txt"));

  ASSERT_EQ(0, dbConnectWith("", "", "sqlite:" + (dir / "bde.db").string()));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(25, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(45, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(21, testdb::QueryInt("select count(*) from Kvs560Mel where MelErf='MldGen'"));
  EXPECT_EQ(19, testdb::CountRows("Kvs580Pps"));
  db::Session::get().disconnect();
}

TEST(DemoScenario, RefusesASecondDirectory) {
  if (!Binary()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
  int rc = -1;
  RunCommand(std::string(Binary()) + " demo a b 2>&1", &rc);
  EXPECT_EQ(2, rc);
}

}  // namespace
