#include "app/report/report_timeline.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/html/html_text.h"
#include "app/html/state_style.h"
#include "app/report/report_page_parts.h"

namespace report {
namespace {

using html::Escape;

constexpr int kWidth = 1280;
constexpr int kLabelWidth = 230;
constexpr int kRight = 20;
constexpr int kPlaceHeight = 34;
constexpr int kPersonHeight = 24;
constexpr int kHeadingHeight = 26;
constexpr int kGroupHeight = 20;
constexpr int kAxisHeight = 24;
constexpr int kLegendHeight = 50;

// Where a kind is drawn within a lane: rows of the lane as top and height
// in pixels, and the order of drawing (later lies on top).
struct Shape {
  std::string_view kind;
  int top, height, order;
};
constexpr Shape kPlaceShapes[] = {
    {"shift", 0, kPlaceHeight, 0},   {"setup", 3, 18, 1},       {"work", 3, 18, 1},
    {"interruption", 3, 18, 2},      {"stoppage", 23, 9, 3},    {"break", 0, kPlaceHeight, 4},
};
constexpr Shape kPersonShapes[] = {
    {"present", 2, 20, 0}, {"work", 5, 14, 1}, {"interruption", 5, 14, 2}, {"break", 0, kPersonHeight, 4},
};

template <std::size_t N>
const Shape& shapeOf(const Shape (&shapes)[N], std::string_view kind) {
  for (const Shape& s : shapes)
    if (s.kind == kind) return s;
  return shapes[0];
}

// Coordinates to a tenth of a pixel, without a trailing ".0".
std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  std::string s = text;
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

std::string_view nameOf(std::string_view kind) {
  for (const html::StateStyle& s : html::kStates)
    if (s.key == kind) return s.name;
  for (const html::StateStyle* s : {&html::kShift, &html::kBreak, &html::kPresent})
    if (s->key == kind) return s->name;
  return kind;
}

class Drawing {
 public:
  explicit Drawing(const Axis& axis) : axis_(axis) {}

  double x(int second) const {
    const int s = std::clamp(second, axis_.from, axis_.to);
    const double perSecond = static_cast<double>(kWidth - kLabelWidth - kRight) / (axis_.to - axis_.from);
    return kLabelWidth + (s - axis_.from) * perSecond;
  }

  // `ownPlace`: the lane is the bar's work place, so the title need not
  // name it.
  void bar(const Bar& b, const Shape& shape, int laneTop, bool ownPlace) {
    if (b.to <= axis_.from || b.from >= axis_.to) return;
    const double left = x(b.from), width = std::max(1.0, x(b.to) - left);
    out << "<rect class=\"" << b.kind << "\" x=\"" << number(left) << "\" y=\"" << laneTop + shape.top
        << "\" width=\"" << number(width) << "\" height=\"" << shape.height << "\"><title>" << Escape(nameOf(b.kind))
        << ' ' << Clock(b.from) << '-' << Clock(b.to) << " (" << html::HoursMinutes(b.seconds()) << ')';
    if (!b.operation.empty()) out << ' ' << Escape(b.operation);
    if (!ownPlace && !b.place.empty()) out << " at " << Escape(b.place);
    if (!b.title.empty()) out << ' ' << Escape(b.title);
    out << "</title></rect>";
  }

  template <std::size_t N>
  void lane(const Lane& l, int top, int height, const Shape (&shapes)[N], const char* cls) {
    out << "<g class=\"lane " << cls << (l.unknownBadge ? " unknown" : "") << "\" data-title=\"" << Escape(l.title)
        << "\">\n<rect class=\"lane-bg\" x=\"" << kLabelWidth << "\" y=\"" << top << "\" width=\""
        << kWidth - kLabelWidth - kRight << "\" height=\"" << height << "\"/>\n"
        << "<text class=\"label\" x=\"6\" y=\"" << top + height / 2 << "\">" << Escape(l.title) << "</text>\n"
        << "<text class=\"detail\" x=\"6\" y=\"" << top + height / 2 + 11 << "\">" << Escape(l.detail) << "</text>\n";
    std::vector<const Bar*> all;
    for (const auto* list : {&l.shifts, &l.bars, &l.breaks})
      for (const Bar& b : *list) all.push_back(&b);
    std::stable_sort(all.begin(), all.end(), [&](const Bar* a, const Bar* b) {
      return shapeOf(shapes, a->kind).order < shapeOf(shapes, b->kind).order;
    });
    for (const Bar* b : all)
      if (shapeOf(shapes, b->kind).kind == b->kind) bar(*b, shapeOf(shapes, b->kind), top, b->place == l.key);
    out << "</g>\n";
  }

  // A group's heading with the names of its shifts over their bands.
  void groupHeading(const std::string& title, const Lane* shiftsOf) {
    out << "<text class=\"group\" x=\"6\" y=\"15\">" << Escape(title) << "</text>\n";
    if (!shiftsOf) return;
    for (const Bar& s : shiftsOf->shifts) {
      if (s.to <= axis_.from || s.from >= axis_.to) continue;
      out << "<rect class=\"shift-name\" x=\"" << number(x(s.from)) << "\" y=\"3\" width=\""
          << number(std::max(1.0, x(s.to) - x(s.from))) << "\" height=\"15\"/>"
          << "<text class=\"shift-name\" x=\"" << number(x(s.from) + 4) << "\" y=\"14\">"
          << Escape(s.title) << ' ' << Clock(s.from) << '-' << Clock(s.to) << "</text>\n";
    }
  }

  // A part of the drawing: an SVG of its own in a block that the browser
  // lays out only when it comes near the screen, so a plant's thousands of
  // periods cost nothing until they are scrolled to. The hour lines of a
  // lined part are its background (HourLines), not elements of their own.
  void beginPart(int height, const std::string& label, bool lined = true) {
    out << PartStart(height) << "<svg class=\"timeline" << (lined ? " lined" : "") << "\" width=\"" << kWidth
        << "\" height=\"" << height << "\" role=\"img\" aria-label=\"" << Escape(label) << "\">\n";
  }
  void endPart() { out << "</svg></div>\n"; }

  // The hours over the lanes, each with the top of its line.
  void hours() {
    beginPart(kAxisHeight, "hours of the day", false);
    for (int h = axis_.from / 3600; h <= axis_.to / 3600; ++h) {
      const std::string at = number(x(h * 3600));
      out << "<line class=\"tick\" x1=\"" << at << "\" y1=\"16\" x2=\"" << at << "\" y2=\"" << kAxisHeight
          << "\"/><text class=\"hour\" x=\"" << at << "\" y=\"12\">" << Clock(h * 3600) << "</text>\n";
    }
    endPart();
  }

  std::ostringstream out;

 private:
  Axis axis_;
};

void legend(Drawing& d) {
  d.beginPart(kLegendHeight, "legend", false);
  int x = kLabelWidth;
  auto item = [&](const html::StateStyle& s) {
    d.out << "<rect class=\"" << s.key << " swatch\" x=\"" << x << "\" y=\"18\" width=\"18\" height=\"12\"/>"
          << "<text class=\"legend\" x=\"" << x + 24 << "\" y=\"28\">" << s.name << "</text>\n";
    x += 125;
  };
  for (const html::StateStyle& s : html::kStates)
    if (s.key != html::kIdle.key) item(s);
  for (const html::StateStyle* s : {&html::kShift, &html::kBreak, &html::kPresent}) item(*s);
  d.endPart();
}

}  // namespace

std::string Clock(int second) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", second / 3600, second / 60 % 60);
  return text;
}

Axis AxisOf(const Day& day, bool fullDay) {
  if (fullDay) return {};
  int from = kDaySeconds, to = 0;
  for (const auto* lanes : {&day.workPlaces, &day.persons})
    for (const Lane& l : *lanes)
      for (const auto* list : {&l.shifts, &l.bars})
        for (const Bar& b : *list) from = std::min(from, b.from), to = std::max(to, b.to);
  if (from >= to) return {};
  return {from / 3600 * 3600, std::min(kDaySeconds, (to + 3599) / 3600 * 3600)};
}

std::string HourLines(const Axis& axis) {
  const Drawing d(axis);
  std::string lines;
  for (int h = axis.from / 3600; h <= axis.to / 3600; ++h)
    lines += std::string(lines.empty() ? "" : ",\n  ") + "linear-gradient(#ddd, #ddd) " + number(d.x(h * 3600) - 0.5) +
             "px 0 / 1px 100% no-repeat";
  return "svg.lined { background:\n  " + lines + "; }\n";
}

std::string Timeline(const Day& day, const Axis& axis) {
  Drawing d(axis);
  d.hours();
  auto section = [&](const char* heading, const std::vector<Lane>& lanes, bool places) {
    d.beginPart(kHeadingHeight, heading);
    d.out << "<text class=\"heading\" x=\"6\" y=\"18\">" << heading << "</text>\n";
    d.endPart();
    const int laneHeight = places ? kPlaceHeight : kPersonHeight;
    for (std::size_t first = 0, end; first < lanes.size(); first = end) {
      const std::string& group = lanes[first].group;
      for (end = first + 1; end < lanes.size() && lanes[end].group == group;) ++end;
      const std::string title = places ? "group " + (group.empty() ? std::string("(none)") : group)
                                : lanes[first].unknownBadge ? group
                                                            : "at " + group;
      d.beginPart(kGroupHeight + static_cast<int>(end - first) * laneHeight, title);
      d.groupHeading(title, places ? &lanes[first] : nullptr);
      int top = kGroupHeight;
      for (std::size_t i = first; i < end; ++i, top += laneHeight) {
        if (places) d.lane(lanes[i], top, kPlaceHeight, kPlaceShapes, "work-place");
        else d.lane(lanes[i], top, kPersonHeight, kPersonShapes, "person");
      }
      d.endPart();
    }
  };
  section("Work places", day.workPlaces, true);
  section("Persons", day.persons, false);
  legend(d);
  return d.out.str();
}

}  // namespace report
