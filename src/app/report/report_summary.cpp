#include "app/report/report_summary.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>

#include "app/html/html_text.h"
#include "app/html/state_style.h"
#include "app/report/report_spans.h"

namespace report {
namespace {

constexpr std::size_t kStateCount = std::size(html::kStates);
constexpr std::size_t kNotUsed = kStateCount - 1;

Spans spansOf(const std::vector<Bar>& bars, std::string_view kind = {}, std::string_view operation = {}) {
  Spans out;
  for (const Bar& b : bars)
    if ((kind.empty() || b.kind == kind) && (operation.empty() || b.operation == operation))
      out.emplace_back(b.from, b.to);
  return Merged(std::move(out));
}

long long minutes(long long seconds) { return (seconds + 30) / 60; }
std::string hm(long long wholeMinutes) { return html::HoursMinutes(wholeMinutes * 60); }

std::string quantity(double q) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", q);
  return text;
}

std::string percent(double p) {
  if (p < 0) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f %%", p);
  return text;
}

std::vector<std::string> placeRow(const std::string& name, const std::string& detail, const PlaceFigures& f,
                                  bool outside) {
  std::vector<std::string> row{name, detail};
  for (std::string& cell : FigureCells(f, outside)) row.push_back(std::move(cell));
  return row;
}

bool hasOutside(const PlaceFigures& f) {
  for (long long s : f.outside)
    if (s > 0) return true;
  return false;
}

Table placeTable(const Day& day) {
  Table t{"Work places", {"work place", "name", "shift", "breaks"}, {}, "", {}};
  for (const html::StateStyle& s : html::kStates) t.head.emplace_back(s.name);
  t.head.insert(t.head.end(), {"utilisation", "good", "reject"});
  auto add = [&t](std::vector<std::string> row, const char* rowClass) {
    t.rows.push_back(std::move(row));
    t.rowClasses.emplace_back(rowClass);
  };
  auto addPlace = [&](const std::string& name, const std::string& detail, const PlaceFigures& f, const char* cls) {
    add(placeRow(name, detail, f, false), cls);
    if (hasOutside(f)) add(placeRow("", "outside shift time or in breaks", f, true), "outside");
  };
  PlaceFigures plant, group;
  for (std::size_t i = 0; i < day.workPlaces.size(); ++i) {
    const Lane& lane = day.workPlaces[i];
    const PlaceFigures f = FiguresOf(lane);
    addPlace(lane.title, lane.detail, f, "");
    group.add(f);
    plant.add(f);
    if (i + 1 == day.workPlaces.size() || day.workPlaces[i + 1].group != lane.group) {
      addPlace("group " + (lane.group.empty() ? std::string("(none)") : lane.group), "", group, "group");
      group = {};
    }
  }
  addPlace("plant", std::to_string(day.workPlaces.size()) + " work places", plant, "plant");
  t.source =
      "Shift and breaks from the shift calendar of each work place (or its group). Each second of shift time "
      "outside the breaks counts once, under the first that applies of stoppage (work-place bookings), "
      "interruption, set-up and work (bookings of its order operations, several operations at once counting "
      "once); the rest is not used. Work excludes interruption. Utilisation = work / (shift - breaks). Good and "
      "reject: quantities booked on the work place's operations that day.";
  return t;
}

Table personTable(const Day& day) {
  Table t{"Persons", {"person", "number", "worked most at", "present", "on operations", "interrupted"}, {}, "", {}};
  PersonFigures all;
  int counted = 0;
  for (const Lane& lane : day.persons) {
    const PersonFigures f = PersonFiguresOf(lane);
    t.rows.push_back({lane.title, lane.detail, lane.unknownBadge ? "" : lane.group, hm(minutes(f.present)),
                      hm(minutes(f.onOperations)), hm(minutes(f.interrupted))});
    t.rowClasses.emplace_back(lane.unknownBadge ? "unknown" : "");
    if (lane.unknownBadge) continue;
    ++counted;
    all.present += f.present;
    all.onOperations += f.onOperations;
    all.interrupted += f.interrupted;
  }
  t.rows.push_back({"plant", std::to_string(counted) + " persons", "", hm(minutes(all.present)),
                    hm(minutes(all.onOperations)), hm(minutes(all.interrupted))});
  t.rowClasses.emplace_back("plant");
  t.source =
      "From the persons' bookings: present from log-on to log-off at a work place or while on an operation; on "
      "operations while working on at least one (interruptions excluded); interrupted while all their "
      "operations are interrupted. A badge without a person is shown but not counted.";
  return t;
}

}  // namespace

void PlaceFigures::add(const PlaceFigures& o) {
  shift += o.shift;
  breaks += o.breaks;
  for (std::size_t s = 0; s < kStateCount; ++s) {
    inShift[s] += o.inShift[s];
    outside[s] += o.outside[s];
  }
  good += o.good;
  reject += o.reject;
}

PlaceFigures FiguresOf(const Lane& lane) {
  PlaceFigures f;
  const Spans shifts = spansOf(lane.shifts);
  const Spans breaks = Intersection(spansOf(lane.breaks), shifts);
  const Spans net = Without(shifts, breaks);
  f.shift = Length(shifts);
  f.breaks = Length(breaks);
  Spans taken;
  for (std::size_t s = 0; s < kNotUsed; ++s) {
    const Spans mine = Without(spansOf(lane.bars, html::kStates[s].key), taken);
    f.inShift[s] = Length(Intersection(mine, net));
    f.outside[s] = Length(mine) - f.inShift[s];
    Spans both = taken;
    both.insert(both.end(), mine.begin(), mine.end());
    taken = Merged(std::move(both));
  }
  f.inShift[kNotUsed] = Length(net) - Length(Intersection(taken, net));
  f.good = lane.good;
  f.reject = lane.reject;
  return f;
}

PersonFigures PersonFiguresOf(const Lane& lane) {
  std::map<std::string, bool> operations;
  for (const Bar& b : lane.bars)
    if (!b.operation.empty()) operations[b.place + "|" + b.operation] = true;
  Spans working, interrupted;
  for (const auto& [key, unused] : operations) {
    const std::string place = key.substr(0, key.find('|')), operation = key.substr(key.find('|') + 1);
    std::vector<Bar> own;
    for (const Bar& b : lane.bars)
      if (b.place == place && b.operation == operation) own.push_back(b);
    const Spans stops = spansOf(own, html::kInterrupted.key);
    for (const auto& s : Without(spansOf(own, html::kRunning.key), stops)) working.push_back(s);
    interrupted.insert(interrupted.end(), stops.begin(), stops.end());
  }
  working = Merged(std::move(working));
  PersonFigures f;
  f.present = Length(spansOf(lane.bars));
  f.onOperations = Length(working);
  f.interrupted = Length(Without(Merged(std::move(interrupted)), working));
  return f;
}

// Each part is rounded once, from its summed seconds; "not used" is what
// the printed shift time leaves, so the printed line adds up.
std::vector<std::string> FigureCells(const PlaceFigures& f, bool outside) {
  const StateSeconds& parts = outside ? f.outside : f.inShift;
  std::vector<std::string> row;
  row.push_back(outside ? "" : hm(minutes(f.shift)));
  row.push_back(outside ? "" : hm(minutes(f.breaks)));
  long long left = minutes(f.shift) - minutes(f.breaks);
  for (std::size_t s = 0; s < kNotUsed; ++s) {
    row.push_back(hm(minutes(parts[s])));
    left -= minutes(parts[s]);
  }
  row.push_back(outside ? "" : hm(left));
  row.push_back(outside ? "" : percent(Utilisation(f)));
  row.push_back(outside ? "" : quantity(f.good));
  row.push_back(outside ? "" : quantity(f.reject));
  return row;
}

double Utilisation(const PlaceFigures& f) {
  const long long net = f.shift - f.breaks;
  const long long work = f.inShift[html::StateIndex(html::kRunning.key)];
  return net <= 0 ? -1 : 100.0 * static_cast<double>(work) / static_cast<double>(net);
}

std::vector<Table> SummaryTables(const Day& day) { return {placeTable(day), personTable(day)}; }

PlaceFigures PlantFigures(const Day& day) {
  PlaceFigures plant;
  for (const Lane& lane : day.workPlaces) plant.add(FiguresOf(lane));
  return plant;
}

}  // namespace report
