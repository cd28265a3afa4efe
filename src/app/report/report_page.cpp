#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/html/html_text.h"
#include "app/report/report_day.h"

namespace report {
namespace {

using html::Escape;

constexpr int kWidth = 1280;
constexpr int kLabelWidth = 230;
constexpr int kRight = 20;
constexpr int kLaneHeight = 30;
constexpr int kAxisHeight = 28;
constexpr int kHeadingHeight = 26;
constexpr int kMinutes = 1440;

double xOf(int minute) {
  return kLabelWidth + static_cast<double>(minute) * (kWidth - kLabelWidth - kRight) / kMinutes;
}

struct Kind {
  const char* name;
  const char* legend;
  double top, height;  // within the lane, as parts of its height
};

// Bars of a lane lie on top of each other: what interrupts is drawn
// narrower on top of what it interrupts.
constexpr Kind kKinds[] = {
    {"shift", "shift", 0.0, 1.0},          {"break", "break", 0.0, 1.0},
    {"setup", "set-up", 0.2, 0.6},         {"work", "work", 0.2, 0.6},
    {"interruption", "interruption", 0.35, 0.3}, {"stoppage", "stoppage", 0.1, 0.8},
};

const Kind& kindOf(const std::string& name) {
  for (const Kind& k : kKinds)
    if (name == k.name) return k;
  return kKinds[3];
}

std::string number(double v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

std::string clock(int minute) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
  return text;
}

void rect(std::ostringstream& out, const Bar& bar, int laneTop) {
  const Kind& k = kindOf(bar.kind);
  const double x = xOf(bar.from), w = std::max(1.0, xOf(bar.to) - x);
  out << "<rect class=\"" << k.name << "\" x=\"" << number(x) << "\" y=\""
      << number(laneTop + 3 + k.top * (kLaneHeight - 6)) << "\" width=\"" << number(w) << "\" height=\""
      << number(k.height * (kLaneHeight - 6)) << "\"><title>" << Escape(k.legend) << " " << clock(bar.from) << "-"
      << clock(bar.to) << (bar.label.empty() ? "" : " ") << Escape(bar.label) << "</title></rect>\n";
}

void lane(std::ostringstream& out, const Lane& l, int top, const char* group) {
  out << "<g class=\"lane " << group << "\" data-title=\"" << Escape(l.title) << "\">\n";
  out << "<rect class=\"lane-bg\" x=\"" << kLabelWidth << "\" y=\"" << top << "\" width=\""
      << kWidth - kLabelWidth - kRight << "\" height=\"" << kLaneHeight << "\"/>\n";
  out << "<text class=\"label\" x=\"6\" y=\"" << top + 13 << "\">" << Escape(l.title) << "</text>\n";
  out << "<text class=\"detail\" x=\"6\" y=\"" << top + 26 << "\">" << Escape(l.detail) << "</text>\n";
  for (const Bar& b : l.bands) rect(out, b, top);
  for (const Bar& b : l.bars) rect(out, b, top);
  out << "</g>\n";
}

void axis(std::ostringstream& out, int top, int bottom) {
  for (int h = 0; h <= 24; ++h) {
    const std::string x = number(xOf(h * 60));
    out << "<line class=\"tick\" x1=\"" << x << "\" y1=\"" << top + 18 << "\" x2=\"" << x << "\" y2=\"" << bottom
        << "\"/>\n";
    out << "<text class=\"hour\" x=\"" << x << "\" y=\"" << top + 14 << "\">" << (h < 10 ? "0" : "") << h
        << "</text>\n";
  }
}

int heading(std::ostringstream& out, const char* text, int top) {
  out << "<text class=\"heading\" x=\"6\" y=\"" << top + 18 << "\">" << text << "</text>\n";
  return top + kHeadingHeight;
}

std::string timeline(const Day& day) {
  const int lanes = static_cast<int>(day.workPlaces.size() + day.persons.size());
  const int height = kAxisHeight + 2 * kHeadingHeight + lanes * kLaneHeight + 60;
  std::ostringstream out;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"timeline\" width=\"" << kWidth << "\" height=\"" << height
      << "\" viewBox=\"0 0 " << kWidth << " " << height << "\" role=\"img\" aria-label=\"time line of the day\">\n";
  axis(out, 0, height - 50);
  int top = heading(out, "Work places", kAxisHeight);
  for (const Lane& l : day.workPlaces) {
    lane(out, l, top, "work-place");
    top += kLaneHeight;
  }
  top = heading(out, "Persons", top);
  for (const Lane& l : day.persons) {
    lane(out, l, top, "person");
    top += kLaneHeight;
  }
  // The legend.
  int x = kLabelWidth;
  for (const Kind& k : kKinds) {
    out << "<rect class=\"" << k.name << " swatch\" x=\"" << x << "\" y=\"" << top + 20 << "\" width=\"18\" height=\"12\"/>"
        << "<text class=\"legend\" x=\"" << x + 24 << "\" y=\"" << top + 30 << "\">" << k.legend << "</text>\n";
    x += 140;
  }
  out << "</svg>\n";
  return out.str();
}

std::string table(const Table& t) {
  std::ostringstream out;
  out << "<table>\n<caption>" << Escape(t.caption) << "</caption>\n<thead><tr>";
  for (const std::string& h : t.head) out << "<th>" << Escape(h) << "</th>";
  out << "</tr></thead>\n<tbody>\n";
  if (t.rows.empty())
    out << "<tr><td colspan=\"" << t.head.size() << "\" class=\"none\">none</td></tr>\n";
  for (const auto& row : t.rows) {
    out << "<tr>";
    for (const std::string& cell : row) out << "<td>" << Escape(cell) << "</td>";
    out << "</tr>\n";
  }
  out << "</tbody>\n</table>\n";
  return out.str();
}

constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 16px; color: #222; }
h1 { font-size: 20px; margin: 0 0 8px 0; }
p.note { color: #555; font-size: 13px; }
svg text { font-size: 12px; fill: #222; }
svg text.detail { font-size: 10px; fill: #666; }
svg text.heading { font-size: 14px; font-weight: bold; }
svg text.hour { font-size: 10px; text-anchor: middle; fill: #555; }
svg line.tick { stroke: #ddd; stroke-width: 1; }
rect.lane-bg { fill: #fafafa; stroke: #e4e4e4; }
rect.shift { fill: #dbe9f6; }
rect.break { fill: #b9b9b9; fill-opacity: 0.6; }
rect.setup { fill: #f0a020; }
rect.work { fill: #3c9a4c; }
rect.interruption { fill: #d62f2f; }
rect.stoppage { fill: #6a1b9a; fill-opacity: 0.55; }
table { border-collapse: collapse; margin: 18px 0; font-size: 13px; }
caption { text-align: left; font-weight: bold; padding: 4px 0; }
th, td { border: 1px solid #ccc; padding: 3px 8px; text-align: left; }
td.none { color: #888; }
)";

}  // namespace

std::string RenderPage(const Day& day) {
  const std::string date = day.day.substr(6, 2) + "." + day.day.substr(4, 2) + "." + day.day.substr(0, 4);
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Shop floor day "
      << Escape(date) << "</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n";
  out << "<h1>Shop floor day " << Escape(date) << "</h1>\n";
  out << "<p class=\"note\">Shifts and breaks from the shift calendar; set-up, work and interruptions of the order "
         "operations, stoppages of the work places and the periods of the persons from the day's bookings. "
         "Figures in hours.minutes.</p>\n";
  out << timeline(day);
  for (const Table& t : day.tables) out << table(t);
  out << "</body>\n</html>\n";
  return out.str();
}

bool WriteDayReport(const std::string& day, const std::string& path, std::string* error) {
  const std::string page = RenderPage(CollectDay(day));
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << page;
  file.close();
  if (!file) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace report
