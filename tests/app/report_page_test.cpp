// The day page of a plant: long tables come in parts that line up as one
// table, the time line in one picture per group, and nothing of the day is
// lost on the way.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "app/report/report_day.h"
#include "app/report/report_summary.h"

namespace report {
namespace {

constexpr int H = 3600;

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// 3 groups of 20 work places, each with a shift, a break, work and an
// interruption; a person on each work place.
Day plant() {
  Day day;
  day.day = "20260302";
  for (int g = 0; g < 3; ++g)
    for (int p = 0; p < 20; ++p) {
      const std::string place = "WP" + std::to_string(100 + g * 20 + p);
      Lane lane{place, place, "Machine " + place, "G" + std::to_string(g), false, {}, {}, {}, 3, 1};
      lane.shifts = {{6 * H, 14 * H, "shift", "Early", "", "", 0}};
      lane.breaks = {{9 * H, 9 * H + 1800, "break", "", "", "", 0}};
      lane.bars = {{6 * H + p * 60, 13 * H, "work", "", place, "FA/10", 0},
                   {10 * H, 10 * H + 600 + p * 60, "interruption", "reason 0003", place, "FA/10", 0}};
      day.workPlaces.push_back(lane);
      Lane person{"P" + place, "Person " + place, "0000" + place, place, false, {}, {}, {}, 0, 0};
      person.bars = {{6 * H, 14 * H, "present", "", place, "", 0},
                     {6 * H + p * 60, 13 * H, "work", "", place, "FA/10", 0}};
      day.persons.push_back(person);
    }
  return day;
}

TEST(ReportPage, LongTablesAndTheTimeLineComeInPartsWithEveryRowAndPeriod) {
  const Day day = plant();
  const std::string page = RenderPage(day, false);
  EXPECT_EQ(std::string::npos, page.find("<script"));

  // Every row of both summary tables, once and in order, each table's
  // caption and head once, every part with the same columns and width.
  std::size_t searchFrom = 0, expectedParts = 0, rows = 0;
  for (const Table& t : SummaryTables(day)) {
    expectedParts += (t.rows.size() + 23) / 24;
    rows += t.rows.size() + 1;
    ASSERT_GT(t.rows.size(), 24u) << t.caption;
    EXPECT_EQ(1u, count(page, "<caption>" + t.caption + "</caption>")) << t.caption;
    for (const auto& row : t.rows) {
      std::string cells;
      for (const std::string& c : row) cells += "<td>" + c + "</td>";
      const std::size_t at = page.find(cells, searchFrom);
      ASSERT_NE(std::string::npos, at) << t.caption << ": " << cells;
      searchFrom = at + 1;
    }
  }
  EXPECT_EQ(rows, count(page.substr(0, page.find("<h2>The day")), "<tr"));
  const std::regex part(
      "<div class=\"part\"[^>]*><table class=\"parted\" style=\"([^\"]*)\">\n(?:<caption>[^<]*</caption>\n)?"
      "(<colgroup>.*</colgroup>)");
  std::map<std::string, std::set<std::string>> shapesOfWidth;  // table width -> column sets
  std::size_t parts = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), part); it != std::sregex_iterator(); ++it, ++parts)
    shapesOfWidth[(*it)[1]].insert((*it)[2]);
  EXPECT_EQ(expectedParts, parts);
  EXPECT_EQ(2u, shapesOfWidth.size());
  for (const auto& [width, columns] : shapesOfWidth) EXPECT_EQ(1u, columns.size()) << width;

  // A picture per group of work places and of persons, each as high as its
  // lanes, with every period under its title.
  const std::regex picture(
      "<svg class=\"timeline lined\" width=\"1280\" height=\"(\\d+)\" role=\"img\" "
      "aria-label=\"(group G\\d|at WP\\d+)\"");
  std::size_t groups = 0, persons = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), picture); it != std::sregex_iterator(); ++it) {
    const bool ofPlaces = (*it)[2].str().rfind("group ", 0) == 0;
    (ofPlaces ? groups : persons)++;
    EXPECT_EQ(ofPlaces ? 20 + 20 * 34 : 20 + 24, std::stoi((*it)[1])) << (*it)[2];
  }
  EXPECT_EQ(3u, groups);
  EXPECT_EQ(60u, persons);
  EXPECT_EQ(60u, count(page, "\"><title>interruption 10:00-"));
  EXPECT_EQ(120u, count(page, "\"><title>work 06:"));
  EXPECT_EQ(60u, count(page, "\"><title>present 06:00-14:00"));
}

}  // namespace
}  // namespace report
