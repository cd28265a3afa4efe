// The day's page: header, summary, time line and the period rows' tables,
// with the styles of the shared palette; no scripts.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>
#include <fstream>
#include <sstream>

#include "app/html/html_text.h"
#include "app/html/state_style.h"
#include "app/report/report_day.h"
#include "app/report/report_page_parts.h"
#include "app/report/report_summary.h"
#include "app/report/report_timeline.h"

namespace report {
namespace {

using html::Escape;

constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 16px; color: #222; }
h1 { font-size: 20px; margin: 0 0 4px 0; }
h2 { font-size: 16px; margin: 22px 0 4px 0; }
summary h2 { display: inline; }
h3 { font-size: 13px; margin: 14px 0 2px 0; }
pre.rows { font-size: 12px; margin: 0; }
p.note, p.source { color: #555; font-size: 12px; margin: 2px 0 10px 0; max-width: 1260px; }
nav a { margin-right: 16px; }
div.part { content-visibility: auto; }
svg.timeline { display: block; }
table.parted { table-layout: fixed; margin: 0; }
table.parted + p.source { margin-top: 8px; }
div.part + div.part table.parted { margin-top: -1px; }
svg text { font-size: 12px; fill: #222; pointer-events: none; }
svg text.detail { font-size: 10px; fill: #666; }
svg text.heading { font-size: 14px; font-weight: bold; }
svg text.group { font-size: 12px; font-weight: bold; fill: #444; }
svg text.shift-name { font-size: 10px; fill: #333; }
svg rect.shift-name { fill: #dbe9f6; stroke: #9fbfdd; }
svg text.hour { font-size: 10px; text-anchor: middle; fill: #555; }
svg line.tick { stroke: #ddd; stroke-width: 1; pointer-events: none; }
rect.lane-bg { fill: #fafafa; stroke: #e4e4e4; }
rect.break { fill-opacity: 0.45; pointer-events: none; }
rect.swatch { fill-opacity: 1; }
g.unknown text.label { fill: #b00; font-style: italic; }
table { border-collapse: collapse; margin: 6px 0 2px 0; font-size: 13px; }
caption { text-align: left; font-weight: bold; padding: 4px 0; }
th, td { border: 1px solid #ccc; padding: 3px 8px; text-align: left; }
td.none { color: #888; }
tr.group td { background: #f1f1f1; font-weight: bold; }
tr.plant td { background: #e3e3e3; font-weight: bold; }
tr.outside td { color: #666; font-style: italic; }
tr.unknown td { color: #b00; font-style: italic; }
)";

// The colours of the states, from the one palette the pages share.
std::string paletteStyle() {
  std::ostringstream out;
  for (const html::StateStyle& s : html::kStates) out << "rect." << s.key << " { fill: " << s.colour << "; }\n";
  for (const html::StateStyle* s : {&html::kShift, &html::kBreak, &html::kPresent})
    out << "rect." << s->key << " { fill: " << s->colour << "; }\n";
  return out.str();
}

std::string dateOf(const std::string& day) {
  return day.substr(6, 2) + "." + day.substr(4, 2) + "." + day.substr(0, 4);
}

// A table as columns of fixed-width text: the period rows of a plant run
// into thousands, and one text node costs the browser far less than a cell
// each.
std::string textTable(const Table& t) {
  std::vector<std::size_t> width(t.head.size(), 0);
  for (std::size_t c = 0; c < t.head.size(); ++c) width[c] = t.head[c].size();
  for (const auto& row : t.rows)
    for (std::size_t c = 0; c < row.size() && c < width.size(); ++c) width[c] = std::max(width[c], row[c].size());
  auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t c = 0; c < cells.size() && c < width.size(); ++c)
      text += cells[c] + std::string(width[c] - cells[c].size() + 2, ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return Escape(text) + "\n";
  };
  std::ostringstream out;
  out << "<h3>" << Escape(t.caption) << "</h3>\n<pre class=\"rows\">" << line(t.head);
  for (const auto& row : t.rows) out << line(row);
  if (t.rows.empty()) out << "none\n";
  out << "</pre>\n<p class=\"source\">" << Escape(t.source) << "</p>\n";
  return out.str();
}

void navigation(std::ostringstream& out, const Links& links) {
  if (links.previous.empty() && links.next.empty() && links.index.empty()) return;
  out << "<nav>";
  if (!links.previous.empty()) out << "<a rel=\"prev\" href=\"" << Escape(links.previous) << "\">&larr; day before</a>";
  if (!links.index.empty()) out << "<a href=\"" << Escape(links.index) << "\">all days</a>";
  if (!links.next.empty()) out << "<a rel=\"next\" href=\"" << Escape(links.next) << "\">day after &rarr;</a>";
  out << "</nav>\n";
}

std::string headHtml(const Table& t) {
  std::string out = "<thead><tr>";
  for (const std::string& h : t.head) out += "<th>" + Escape(h) + "</th>";
  return out + "</tr></thead>\n";
}

std::string rowsHtml(const Table& t, std::size_t from, std::size_t to) {
  std::ostringstream out;
  for (std::size_t r = from; r < to; ++r) {
    const bool marked = r < t.rowClasses.size() && !t.rowClasses[r].empty();
    out << (marked ? "<tr class=\"" + t.rowClasses[r] + "\">" : std::string("<tr>"));
    for (const std::string& cell : t.rows[r]) out << "<td>" << Escape(cell) << "</td>";
    out << "</tr>\n";
  }
  return out.str();
}

// The width of a text in tenths of the width of a digit ("ch") in the
// sans-serif font of the tables, set bold: digits and capitals take a
// digit's width, small letters a little less, blanks and punctuation half
// of it, and bold a tenth more.
std::size_t tenthsOf(const std::string& text) {
  std::size_t tenths = 0;
  for (const char c : text) {
    if ((c & 0xC0) == 0x80) continue;  // the rest of a UTF-8 character
    if (std::islower(static_cast<unsigned char>(c))) tenths += 9;
    else if (std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80)) tenths += 10;
    else tenths += 5;
  }
  return tenths * 11 / 10;
}

// A long table as a run of tables of a few rows each, every one in a part
// that the browser lays out only near the screen. Their columns are as wide
// as the longest text of the whole table, so the parts line up as one
// table; the browser need not measure any cell to place them.
std::string partedTable(const Table& t) {
  constexpr std::size_t kRowsPerPart = 24;
  constexpr int kRowHeight = 22;
  constexpr int kCellPadding = 18;  // both sides' padding and a border
  if (t.rows.size() <= kRowsPerPart) return TableHtml(t);
  std::string columns = "<colgroup>";
  std::size_t all = 0;
  for (std::size_t c = 0; c < t.head.size(); ++c) {
    std::size_t widest = tenthsOf(t.head[c]);
    for (const auto& row : t.rows)
      if (c < row.size()) widest = std::max(widest, tenthsOf(row[c]));
    const std::size_t ch = widest / 10 + 1;
    columns += "<col style=\"width: calc(" + std::to_string(ch) + "ch + " + std::to_string(kCellPadding) + "px)\">";
    all += ch;
  }
  columns += "</colgroup>\n";
  const std::string table = "<table class=\"parted\" style=\"width: calc(" + std::to_string(all) +
                            "ch + " + std::to_string(kCellPadding * t.head.size()) + "px)\">\n";
  std::ostringstream out;
  for (std::size_t from = 0; from < t.rows.size(); from += kRowsPerPart) {
    const std::size_t to = std::min(t.rows.size(), from + kRowsPerPart);
    out << PartStart(static_cast<int>(to - from) * kRowHeight + (from == 0 ? 60 : 0)) << table;
    if (from == 0) out << "<caption>" << Escape(t.caption) << "</caption>\n";
    out << columns;
    if (from == 0) out << headHtml(t);
    out << "<tbody>\n" << rowsHtml(t, from, to) << "</tbody>\n</table></div>\n";
  }
  if (!t.source.empty()) out << "<p class=\"source\">" << Escape(t.source) << "</p>\n";
  return out.str();
}

}  // namespace

std::string PageHead(const std::string& title, const std::string& style) {
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << Escape(title)
      << "</title>\n<style>" << kStyle << paletteStyle() << style << "</style>\n</head>\n<body>\n";
  return out.str();
}

std::string PartStart(int height) {
  return "<div class=\"part\" style=\"contain-intrinsic-block-size: auto " + std::to_string(height) + "px\">";
}

std::string TableHtml(const Table& t) {
  std::ostringstream out;
  out << "<table>\n<caption>" << Escape(t.caption) << "</caption>\n" << headHtml(t) << "<tbody>\n";
  if (t.rows.empty()) out << "<tr><td colspan=\"" << t.head.size() << "\" class=\"none\">none</td></tr>\n";
  out << rowsHtml(t, 0, t.rows.size()) << "</tbody>\n</table>\n";
  if (!t.source.empty()) out << "<p class=\"source\">" << Escape(t.source) << "</p>\n";
  return out.str();
}

std::string RenderPage(const Day& day, bool fullDay, const Links& links) {
  std::ostringstream out;
  const Axis axis = AxisOf(day, fullDay);
  out << PageHead("Shop floor day " + dateOf(day.day), HourLines(axis));
  navigation(out, links);
  out << "<h1>Shop floor day " << Escape(dateOf(day.day)) << "</h1>\n";
  out << "<p class=\"note\">As of the newest booking of the day, "
      << (day.newest.empty() ? std::string("none") : Escape(day.newest)) << "; page made " << Escape(day.madeAt)
      << ". All durations in hours:minutes (7:40 is seven hours and forty minutes).</p>\n";
  out << "<h2>Summary</h2>\n";
  for (const Table& t : SummaryTables(day)) out << partedTable(t);
  out << "<h2>The day</h2>\n<p class=\"note\">Shifts (named over each group) and breaks from the shift calendar; "
         "set-up, work and interruptions of the order operations and the stoppages (lower row of a work place) "
         "from the bookings. Hover over a period for its times, length and reason.</p>\n";
  out << Timeline(day, axis);
  // Closed until asked for: a plant's period rows run into thousands, and
  // the browser lays out nothing of a closed section.
  out << "<details>\n<summary><h2>Period rows of the analyses</h2></summary>\n";
  for (const Table& t : day.details) out << textTable(t);
  out << "</details>\n";
  navigation(out, links);
  out << "</body>\n</html>\n";
  return out.str();
}

bool WriteText(const std::string& text, const std::string& path, std::string* error) {
  if (path == "-") {
    const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!ok) *error = "cannot write to standard output";
    return ok;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

bool WriteDayReport(const std::string& day, const std::string& path, bool fullDay, std::string* error) {
  return WriteText(RenderPage(CollectDay(day), fullDay), path, error);
}

}  // namespace report
