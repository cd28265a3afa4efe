// The day report as a person sees it: the demo's report opened in headless
// Chromium, checked from the rendered DOM and a screenshot.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "program.h"

namespace {

using intake_test::Program;
using intake_test::ReadFile;
using intake_test::WorkerBinary;
namespace fs = std::filesystem;

constexpr const char* kChromium = "/usr/bin/chromium";

class ReportInBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    if (!fs::exists(kChromium)) {
      std::cout << "[ SKIPPED: no " << kChromium << "; the browser check of the report did not run ]" << std::endl;
      GTEST_SKIP() << "no chromium";
    }
    dir_ = fs::temp_directory_path() / ("bdemorvelt-report-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::string unused;
    Datum_Zeit(day_, unused, 3);
  }
  void TearDown() override {
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
  }

  int run(const std::string& workDir, const std::vector<std::string>& args) {
    Program p(workDir, dir_.string(), args, "", (dir_ / "out.txt").string());
    return p.wait();
  }

  // What the browser made of the page: its DOM after rendering.
  std::string renderedDom(const fs::path& page) {
    const fs::path out = dir_ / "dom.html";
    const std::string command = std::string(kChromium) +
                                " --headless --no-sandbox --disable-gpu --dump-dom file://" + page.string() + " > " +
                                out.string() + " 2>/dev/null";
    EXPECT_EQ(0, std::system(command.c_str()));
    return ReadFile(out.string());
  }

  bool screenshot(const fs::path& page, const fs::path& png) {
    const std::string command = std::string(kChromium) +
                                " --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1320,1200 "
                                "--screenshot=" + png.string() + " file://" + page.string() + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && fs::exists(png) && fs::file_size(png) > 20000;
  }

  static int count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
  }

  fs::path dir_;
  std::string day_;
};

TEST_F(ReportInBrowser, DemoDayShowsEveryLaneAndPeriod) {
  ASSERT_EQ(0, run(dir_.string(), {"demo", "demo"})) << ReadFile((dir_ / "out.txt").string());
  const fs::path page = dir_ / "demo" / ("report-" + day_ + ".html");
  ASSERT_NE(std::string::npos, ReadFile((dir_ / "out.txt").string()).find("demo/report-" + day_ + ".html"));
  const std::string dom = renderedDom(page);

  for (const char* place : {"ASSY-00004", "DRILL-0003", "LATHE-0002", "MILL-00001"})
    EXPECT_EQ(1, count(dom, std::string("class=\"lane work-place\" data-title=\"") + place + "\"")) << place;
  for (const char* person : {"Anna Becker", "Mira Schulz", "Jonas Weber"})
    EXPECT_EQ(1, count(dom, std::string("class=\"lane person\" data-title=\"") + person + "\"")) << person;
  // The early and the late shift on each of the four work places, their breaks,
  // and what the demo day books.
  EXPECT_EQ(8, count(dom, "<rect class=\"shift\"")) << dom;
  EXPECT_GE(count(dom, "<rect class=\"break\""), 8);
  EXPECT_EQ(1, count(dom, "<title>stoppage 10:15-11:00 reason 0101</title>"));
  EXPECT_GE(count(dom, "<rect class=\"setup\""), 3);
  EXPECT_GE(count(dom, "<rect class=\"work\""), 6);
  EXPECT_GE(count(dom, "<rect class=\"interruption\""), 2);
  for (const char* caption : {"Persons on order operations", "Run time per operation and shift",
                              "Stoppages of the work places within their shifts"})
    EXPECT_NE(std::string::npos, dom.find(caption)) << caption;
  EXPECT_NE(std::string::npos, dom.find("<td>FA2026-00101/00010</td><td>Early</td><td>0:35</td><td>6:00</td>"));
  EXPECT_TRUE(screenshot(page, dir_ / "report.png"));
}

TEST_F(ReportInBrowser, TextsFromTheDatabaseShowAsText) {
  ASSERT_EQ(0, run(dir_.string(), {"demo", "demo"}));
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open((dir_ / "demo" / "bde.db").c_str(), &db));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, "update Kvs531Apl set AplBez='<b>Tom & \"Jerry\"</b>' where AplApl='MILL-00001'",
                                    nullptr, nullptr, nullptr));
  sqlite3_close(db);
  const fs::path page = dir_ / "escaped.html";
  ASSERT_EQ(0, run((dir_ / "demo").string(), {"--config", "korvantis.ini", "report", day_, "--out", page.string()}))
      << ReadFile((dir_ / "out.txt").string());
  const std::string dom = renderedDom(page);
  EXPECT_NE(std::string::npos, dom.find("&lt;b&gt;Tom &amp; \"Jerry\"&lt;/b&gt;")) << dom;
  EXPECT_EQ(std::string::npos, dom.find("<b>Tom"));
}

}  // namespace
