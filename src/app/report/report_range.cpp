#include "app/report/report_range.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

#include "app/html/html_text.h"
#include "app/html/state_style.h"
#include "app/report/report_day.h"
#include "app/report/report_page_parts.h"
#include "app/report/report_summary.h"
#include "base/civil_date.h"

namespace report {
namespace {

struct DayFigures {
  std::string day;
  PlaceFigures plant;
};

std::string fileOf(const std::string& day) { return "report-" + day + ".html"; }

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

// Utilisation per day as bars, 0 to 100 %.
std::string chart(const std::vector<DayFigures>& days) {
  constexpr int kBar = 28, kGap = 8, kHeight = 160, kLeft = 40, kTop = 10;
  const int width = kLeft + static_cast<int>(days.size()) * (kBar + kGap) + 10;
  std::ostringstream out;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" width=\"" << width << "\" height=\""
      << kHeight + 40 << "\" role=\"img\" aria-label=\"utilisation per day\">\n";
  for (int p = 0; p <= 100; p += 25) {
    const int y = kTop + kHeight - p * kHeight / 100;
    out << "<line class=\"tick\" x1=\"" << kLeft << "\" y1=\"" << y << "\" x2=\"" << width << "\" y2=\"" << y
        << "\"/><text class=\"hour\" x=\"" << kLeft - 16 << "\" y=\"" << y + 4 << "\">" << p << "%</text>\n";
  }
  for (std::size_t i = 0; i < days.size(); ++i) {
    const double u = std::max(0.0, Utilisation(days[i].plant));
    const double h = u * kHeight / 100;
    const int x = kLeft + static_cast<int>(i) * (kBar + kGap);
    out << "<a href=\"" << fileOf(days[i].day) << "\"><rect class=\"" << html::kRunning.key << "\" x=\"" << x
        << "\" y=\"" << number(kTop + kHeight - h) << "\" width=\"" << kBar << "\" height=\"" << number(h)
        << "\"><title>" << days[i].day << ": " << number(u) << " %</title></rect></a>"
        << "<text class=\"hour\" x=\"" << x + kBar / 2 << "\" y=\"" << kTop + kHeight + 14 << "\">"
        << days[i].day.substr(6, 2) << "." << days[i].day.substr(4, 2) << "</text>\n";
  }
  out << "</svg>\n";
  return out.str();
}

std::string index(const std::vector<DayFigures>& days) {
  Table t{"The plant per day", {"day", "shift", "breaks"}, {}, "", {}};
  for (const html::StateStyle& s : html::kStates) t.head.emplace_back(s.name);
  t.head.insert(t.head.end(), {"utilisation", "good", "reject"});
  t.source = "Each day's plant line of its page: shift time outside breaks split as described there.";
  std::ostringstream links;
  for (const DayFigures& d : days) {
    std::vector<std::string> row{d.day};
    for (std::string& cell : FigureCells(d.plant)) row.push_back(std::move(cell));
    t.rows.push_back(std::move(row));
    links << "<li><a href=\"" << fileOf(d.day) << "\">" << d.day << "</a></li>\n";
  }
  std::ostringstream out;
  out << PageHead("Shop floor days " + days.front().day + "-" + days.back().day) << "<h1>Shop floor days "
      << days.front().day << " to " << days.back().day
      << "</h1>\n<p class=\"note\">All durations in hours:minutes. Utilisation = work / (shift - breaks).</p>\n"
      << chart(days) << TableHtml(t) << "<ul>\n" << links.str() << "</ul>\n</body>\n</html>\n";
  return out.str();
}

}  // namespace

bool WriteRange(const std::string& from, const std::string& to, const std::string& dir, bool fullDay,
                std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    *error = "cannot create " + dir + ": " + ec.message();
    return false;
  }
  std::vector<DayFigures> days;
  for (std::string day = from; day <= to; day = AddDays(day, 1)) {
    const Day collected = CollectDay(day);
    Links links{day == from ? "" : fileOf(AddDays(day, -1)), day == to ? "" : fileOf(AddDays(day, 1)), "index.html"};
    if (!WriteText(RenderPage(collected, fullDay, links), dir + "/" + fileOf(day), error)) return false;
    days.push_back({day, PlantFigures(collected)});
  }
  return WriteText(index(days), dir + "/index.html", error);
}

}  // namespace report
