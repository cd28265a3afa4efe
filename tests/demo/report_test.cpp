// The day report and the board of the demo day as a person sees them:
// opened in headless Chromium, with a probe script added to a copy of the
// page; the report's figures against the period rows; the range and
// standard output through the binary.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "analysis/duration.h"
#include "app/html/html_text.h"
#include "app/html/state_style.h"
#include "base/civil_date.h"
#include "base/datetime.h"
#include "program.h"

namespace {

using intake_test::Program;
using intake_test::ReadFile;
using intake_test::WorkerBinary;
namespace fs = std::filesystem;

constexpr const char* kChromium = "/usr/bin/chromium";

// Added before </body> of a copy of the page: scrolls to every set-up,
// interruption and stoppage drawn and, once the browser has drawn what is
// then on the screen (parts of the page off the screen are laid out only
// when scrolled to, as for a person), asks which element is at its middle;
// writes what it found into the page. The browser runs on virtual time, so
// the waits cost nothing.
constexpr const char* kProbe = R"(<script>
const drawn = () => new Promise(done => setTimeout(done, 100));
(async () => {
  const lines = [];
  for (const r of document.querySelectorAll(
      'g.lane rect.interruption, g.lane rect.stoppage, g.lane rect.setup')) {
    r.scrollIntoView({block: 'center', inline: 'center'});
    await drawn();
    const b = r.getBoundingClientRect();
    const hit = document.elementFromPoint(b.left + b.width / 2, b.top + b.height / 2);
    lines.push((hit === r ? 'visible' : 'hidden by ' + (hit ? hit.getAttribute('class') : 'nothing')) + '|' +
               r.closest('g.lane').dataset.title + '|' + r.querySelector('title').textContent);
  }
  for (const s of document.querySelectorAll('rect.swatch'))
    lines.push('legend|' + s.getAttribute('class').split(' ')[0] + '|' + getComputedStyle(s).fill);
  const pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = '\n' + lines.join('\n') + '\n';
  document.body.appendChild(pre);
})();
</script>
)";

// Added before </body> of a copy of the board: every tile, whether the
// browser gives it a size, its work place and the state it shows.
constexpr const char* kTileProbe = R"(<script>
const lines = [];
for (const t of document.querySelectorAll('article.tile')) {
  const b = t.getBoundingClientRect();
  lines.push((b.width > 0 && b.height > 0 ? 'shown' : 'not shown') + '|' + t.dataset.workPlace + '|' +
             t.querySelector('p.state b').textContent);
}
const pre = document.createElement('pre');
pre.id = 'probe';
pre.textContent = '\n' + lines.join('\n') + '\n';
document.body.appendChild(pre);
</script>
)";

class DemoReport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    dir_ = fs::temp_directory_path() / ("bdemorvelt-report-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::string unused;
    Datum_Zeit(day_, unused, 3);
    ASSERT_EQ(0, run(dir_.string(), {"demo", "demo"})) << output();
    page_ = dir_ / "demo" / ("report-" + day_ + ".html");
    ASSERT_NE(std::string::npos, output().find("demo/report-" + day_ + ".html"));
  }
  void TearDown() override {
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
  }

  int run(const std::string& workDir, const std::vector<std::string>& args) {
    Program p(workDir, dir_.string(), args, "", (dir_ / "out.txt").string());
    return p.wait();
  }
  int report(const std::vector<std::string>& args) {
    std::vector<std::string> all{"--config", "korvantis.ini", "report"};
    all.insert(all.end(), args.begin(), args.end());
    return run((dir_ / "demo").string(), all);
  }
  std::string output() const { return ReadFile((dir_ / "out.txt").string()); }

  // The page after the browser ran it and drew its frames, as text.
  std::string renderedDom(const fs::path& page) {
    const fs::path out = dir_ / "dom.html";
    const std::string command = std::string(kChromium) + " --headless --no-sandbox --disable-gpu --user-data-dir=" +
                                (dir_ / "chromium").string() +
                                " --window-size=1320,900 --virtual-time-budget=10000 --dump-dom file://" +
                                page.string() + " > " + out.string() + " 2>/dev/null";
    EXPECT_EQ(0, std::system(command.c_str()));
    return ReadFile(out.string());
  }

  // The cells of the table row at `at` ("<tr...").
  static std::vector<std::string> cellsAt(const std::string& page, std::size_t at) {
    std::vector<std::string> cells;
    const std::size_t end = page.find("</tr>", at);
    for (std::size_t c = page.find("<td", at); c < end; c = page.find("<td", c + 1)) {
      const std::size_t from = page.find('>', c) + 1;
      cells.push_back(page.substr(from, page.find("</td>", from) - from));
    }
    return cells;
  }
  // The position of the nth table row whose first cell is `first`.
  static std::size_t rowAt(const std::string& page, const std::string& first, int nth = 0) {
    std::size_t at = 0;
    for (int i = 0; i <= nth; ++i) {
      at = page.find("><td>" + first + "</td>", at + 1);
      if (at == std::string::npos) return at;
    }
    return page.rfind("<tr", at);
  }
  static std::vector<std::string> rowOf(const std::string& page, const std::string& first, int nth = 0) {
    const std::size_t at = rowAt(page, first, nth);
    return at == std::string::npos ? std::vector<std::string>{} : cellsAt(page, at);
  }
  // The line of work outside shift time that follows a work place's row.
  static std::vector<std::string> outsideOf(const std::string& page, const std::string& place) {
    const std::size_t next = page.find("<tr", rowAt(page, place) + 1);
    const std::string outside = "<tr class=\"outside\">";
    if (page.compare(next, outside.size(), outside) != 0) return {};
    return cellsAt(page, next);
  }

  fs::path dir_, page_;
  std::string day_;
};

// Minutes of an "h:mm" text.
long long minutesOf(const std::string& hm) {
  const auto colon = hm.find(':');
  if (colon == std::string::npos) return -1;
  return std::stoll(hm.substr(0, colon)) * 60 + std::stoll(hm.substr(colon + 1));
}

TEST_F(DemoReport, EveryInterruptionAndStoppageIsVisibleWhereItHappened) {
  if (!fs::exists(kChromium)) GTEST_SKIP() << "no " << kChromium;
  std::string page = ReadFile(page_.string());
  page.insert(page.rfind("</body>"), kProbe);
  const fs::path probed = dir_ / "probed.html";
  std::ofstream(probed) << page;
  const std::string dom = renderedDom(probed);
  const auto at = dom.find("<pre id=\"probe\">");
  ASSERT_NE(std::string::npos, at) << dom;
  const std::string probe = dom.substr(at);

  std::map<std::string, int> seen;
  const std::regex line("\n(visible|hidden[^|]*)\\|([^|\n]*)\\|([^\n]*)");
  for (auto it = std::sregex_iterator(probe.begin(), probe.end(), line); it != std::sregex_iterator(); ++it) {
    EXPECT_EQ("visible", (*it)[1].str()) << (*it)[2] << ": " << (*it)[3];
    ++seen[(*it)[3].str().substr(0, (*it)[3].str().find(' '))];
  }
  // Lathe and Jonas 09:00-09:20, mill and Anna 10:15-11:00 and 13:30-13:50;
  // the mill's stoppage below its interruption; three set-ups.
  EXPECT_EQ(6, seen["interruption"]) << probe;
  EXPECT_EQ(1, seen["stoppage"]) << probe;
  EXPECT_EQ(3, seen["setup"] + seen["set-up"]) << probe;
  for (const char* title :
       {"|LATHE-0002|interruption 09:00-09:20 (0:20) FA2026-00102/00010 reason 0003",
        "|MILL-00001|interruption 10:15-11:00 (0:45) FA2026-00101/00010 reason 0101",
        "|MILL-00001|stoppage 10:15-11:00 (0:45) reason 0101",
        "|Jonas Weber|interruption 09:00-09:20 (0:20) FA2026-00102/00010 at LATHE-0002 reason 0003"})
    EXPECT_NE(std::string::npos, probe.find(title)) << title << "\n" << probe;
  // Each legend swatch has its state's colour from the shared palette.
  for (const html::StateStyle& s : html::kStates) {
    if (s.key == html::kIdle.key) continue;
    const std::string hex(s.colour.substr(1));
    const std::string rgb = "rgb(" + std::to_string(std::stoi(hex.substr(0, 2), nullptr, 16)) + ", " +
                            std::to_string(std::stoi(hex.substr(2, 2), nullptr, 16)) + ", " +
                            std::to_string(std::stoi(hex.substr(4, 2), nullptr, 16)) + ")";
    EXPECT_NE(std::string::npos, probe.find("legend|" + std::string(s.key) + "|" + rgb)) << s.key << "\n" << probe;
  }
}

// The summary against the period rows the analyses wrote: stoppages per
// work place, set-up per work place (inside and outside shift time), and
// the interruptions of every person whose interruption rows are closed.
TEST_F(DemoReport, SummaryReconcilesWithThePeriodRows) {
  const std::string page = ReadFile(page_.string());
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open((dir_ / "demo" / "bde.db").c_str(), &db));
  std::map<std::string, std::map<std::string, long long>> expected;  // work place or person -> figure -> seconds
  // Stored durations are whole minutes with seconds as hundredths.
  auto collect = [&](const char* sql, bool stored) {
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_prepare_v2(db, sql, -1, &st, nullptr)) << sql;
    while (sqlite3_step(st) == SQLITE_ROW)
      expected[reinterpret_cast<const char*>(sqlite3_column_text(st, 0))]
              [reinterpret_cast<const char*>(sqlite3_column_text(st, 1))] +=
          stored ? DauerSekunden(sqlite3_column_double(st, 2)) : sqlite3_column_int64(st, 2);
    sqlite3_finalize(st);
  };
  collect("select NzaApl, 'stoppage', NzaBzu from Kvs590Nza where NzaSa=13", true);
  collect("select NzaApl, 'stoppage', -NzaPzu from Kvs590Nza where NzaSa=13", true);
  collect("select NzaApl, 'set-up', NzaBzr from Kvs590Nza where NzaSa=4", true);
  collect("select p.PrvNam, 'interrupted', "
          "  round((julianday(NzaEdt) - julianday(NzaDtm)) * 86400) from Kvs590Nza, Kvs510Prv p "
          "where NzaSa=2 and PrvPnr=NzaPnr and NzaPnr not in "
          "  (select NzaPnr from Kvs590Nza where NzaSa=2 and (NzaEdt is null or NzaEdt=''))",
          false);
  sqlite3_close(db);
  ASSERT_EQ(1u, expected.count("MILL-00001"));
  ASSERT_EQ(1u, expected.count("Jonas Weber"));
  auto text = [](long long seconds) { return html::HoursMinutes(seconds); };

  for (const auto& [who, figures] : expected) {
    const std::vector<std::string> row = rowOf(page, html::Escape(who));
    ASSERT_FALSE(row.empty()) << who;
    if (figures.count("interrupted")) {
      EXPECT_EQ(text(figures.at("interrupted")), row[5]) << who;
      continue;
    }
    // work place, name, shift, breaks, then the states in palette order.
    const std::size_t stoppage = 4 + html::StateIndex(html::kStopped.key);
    const std::size_t setup = 4 + html::StateIndex(html::kSetUp.key);
    EXPECT_EQ(text(figures.count("stoppage") ? figures.at("stoppage") : 0), row[stoppage]) << who;
    long long setupMinutes = minutesOf(row[setup]);
    if (const std::vector<std::string> outside = outsideOf(page, who); !outside.empty())
      setupMinutes += minutesOf(outside.at(setup));
    EXPECT_EQ(minutesOf(text(figures.count("set-up") ? figures.at("set-up") : 0)), setupMinutes) << who;
  }

  // Each work place's parts add up to its shift time outside breaks, and
  // utilisation is work over that.
  for (const char* place : {"ASSY-00004", "DRILL-0003", "LATHE-0002", "MILL-00001"}) {
    const std::vector<std::string> row = rowOf(page, place);
    ASSERT_EQ(12u, row.size()) << place;
    long long parts = 0;
    for (std::size_t s = 4; s < 9; ++s) parts += minutesOf(row[s]);
    EXPECT_EQ(minutesOf(row[2]) - minutesOf(row[3]), parts) << place;
    const double work = static_cast<double>(minutesOf(row[4 + html::StateIndex(html::kRunning.key)]));
    EXPECT_NEAR(100.0 * work / static_cast<double>(parts), std::stod(row[9]), 1.0) << place;
  }
  // The returned badge is shown as such and not counted: four persons.
  EXPECT_EQ("99999999", rowOf(page, "unknown badge").at(1));
  EXPECT_EQ("4 persons", rowOf(page, "plant", 1).at(1));
  EXPECT_NE(std::string::npos, page.find("durations in hours:minutes"));
  EXPECT_EQ(std::string::npos, page.find("hours.minutes"));
}

TEST_F(DemoReport, RangeLinksItsDaysAndStandardOutputTakesOnePage) {
  const std::string before = AddDays(day_, -1), after = AddDays(day_, 1);
  const fs::path range = dir_ / "range";
  ASSERT_EQ(0, report({before, after, "--out", range.string()})) << output();
  EXPECT_NE(std::string::npos, output().find((range / "index.html").string()));
  const std::string first = ReadFile((range / ("report-" + before + ".html")).string());
  const std::string middle = ReadFile((range / ("report-" + day_ + ".html")).string());
  const std::string last = ReadFile((range / ("report-" + after + ".html")).string());
  EXPECT_EQ(std::string::npos, first.find("rel=\"prev\""));
  EXPECT_NE(std::string::npos, first.find("rel=\"next\" href=\"report-" + day_ + ".html\""));
  EXPECT_NE(std::string::npos, middle.find("rel=\"prev\" href=\"report-" + before + ".html\""));
  EXPECT_NE(std::string::npos, middle.find("rel=\"next\" href=\"report-" + after + ".html\""));
  EXPECT_EQ(std::string::npos, last.find("rel=\"next\""));
  EXPECT_NE(std::string::npos, middle.find("<td>MILL-00001</td>"));
  const std::string index = ReadFile((range / "index.html").string());
  EXPECT_NE(std::string::npos, index.find("<svg")) << index;
  for (const std::string& d : {before, day_, after})
    EXPECT_NE(std::string::npos, index.find("<a href=\"report-" + d + ".html\">" + d + "</a>")) << d;
  // The demo day's plant line in the index equals the plant line of its page.
  const std::vector<std::string> plantOfPage = rowOf(middle, "plant");
  const std::vector<std::string> dayOfIndex = rowOf(index, day_);
  ASSERT_EQ(11u, dayOfIndex.size()) << index;
  for (std::size_t i = 2; i < plantOfPage.size(); ++i) EXPECT_EQ(plantOfPage[i], dayOfIndex[i - 1]) << i;

  ASSERT_EQ(0, report({day_, "--out", "-"})) << output();
  EXPECT_EQ(0u, output().rfind("<!DOCTYPE html>", 0)) << output().substr(0, 200);
  EXPECT_NE(std::string::npos, output().find("<td>LATHE-0002</td>"));
  EXPECT_EQ(2, report({after, before, "--out", range.string()}));
  EXPECT_EQ(2, report({before, after}));
}

TEST_F(DemoReport, BoardShowsEveryWorkPlaceInItsState) {
  ASSERT_NE(std::string::npos, output().find("The shop floor at the end of the day: " + (dir_ / "demo").string() +
                                              "/board.html"))
      << output();
  if (!fs::exists(kChromium)) GTEST_SKIP() << "no " << kChromium;
  std::string page = ReadFile((dir_ / "demo" / "board.html").string());
  page.insert(page.rfind("</body>"), kTileProbe);
  const fs::path probed = dir_ / "board-probed.html";
  std::ofstream(probed) << page;
  const std::string dom = renderedDom(probed);
  const auto at = dom.find("<pre id=\"probe\">");
  ASSERT_NE(std::string::npos, at) << dom;
  // The lathe still turns the flange; the other three stand idle.
  EXPECT_EQ("<pre id=\"probe\">\nshown|ASSY-00004|not used\nshown|DRILL-0003|not used\nshown|LATHE-0002|work\n"
            "shown|MILL-00001|not used\n</pre>",
            dom.substr(at, dom.find("</pre>", at) + 6 - at));
  EXPECT_NE(std::string::npos, dom.find(">work 1<")) << dom;
  EXPECT_NE(std::string::npos, dom.find(">not used 3<")) << dom;
}

TEST_F(DemoReport, TextsFromTheDatabaseShowAsText) {
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open((dir_ / "demo" / "bde.db").c_str(), &db));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(db,
                                    "update Kvs531Apl set AplBez='<b>Tom & \"Jerry\"</b>' where AplApl='MILL-00001';"
                                    "update Kvs510Prv set PrvNam='<i>A&B</i>' where PrvPnr='00004711'",
                                    nullptr, nullptr, nullptr));
  sqlite3_close(db);
  const fs::path page = dir_ / "escaped.html";
  ASSERT_EQ(0, report({day_, "--out", page.string()})) << output();
  const std::string html = ReadFile(page.string());
  EXPECT_NE(std::string::npos, html.find("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;"));
  EXPECT_NE(std::string::npos, html.find("&lt;i&gt;A&amp;B&lt;/i&gt;"));
  EXPECT_EQ(std::string::npos, html.find("<b>Tom"));
  EXPECT_EQ(std::string::npos, html.find("<i>A&"));
  if (!fs::exists(kChromium)) return;
  const std::string dom = renderedDom(page);
  EXPECT_NE(std::string::npos, dom.find("&lt;b&gt;Tom &amp; \"Jerry\"&lt;/b&gt;")) << dom;
  EXPECT_EQ(std::string::npos, dom.find("<b>Tom"));

  // The board shows the same texts as text.
  const fs::path board = dir_ / "escaped-board.html";
  ASSERT_EQ(0, run((dir_ / "demo").string(), {"--config", "korvantis.ini", "board", "--out", board.string()}))
      << output();
  const std::string boardHtml = ReadFile(board.string());
  EXPECT_NE(std::string::npos, boardHtml.find("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;")) << boardHtml;
  EXPECT_EQ(std::string::npos, boardHtml.find("<b>Tom"));
  const std::string boardDom = renderedDom(board);
  EXPECT_NE(std::string::npos, boardDom.find("&lt;b&gt;Tom &amp; \"Jerry\"&lt;/b&gt;")) << boardDom;
}

}  // namespace
