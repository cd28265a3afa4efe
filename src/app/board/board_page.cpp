// The board as a page: plain HTML and CSS, no scripts and nothing fetched
// from elsewhere, so that any browser on a wall screen shows it as it is
// and reloads it by itself.
#include <cstdio>
#include <sstream>

#include "app/board/board.h"
#include "app/html/html_text.h"
#include "base/datetime.h"

namespace board {
namespace {

using html::Escape;

constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 12px; color: #222; background: #f4f4f4; }
header.top { display: flex; flex-wrap: wrap; gap: 8px 24px; align-items: baseline; margin-bottom: 10px; }
header.top h1 { font-size: 22px; margin: 0; }
ul.counts { list-style: none; display: flex; gap: 8px; margin: 0; padding: 0; }
ul.counts li { color: #fff; padding: 2px 8px; border-radius: 4px; font-weight: bold; }
.banner { background: #b00020; color: #fff; padding: 8px 12px; font-weight: bold; margin-bottom: 10px; }
h2 { font-size: 17px; margin: 14px 0 6px 0; }
div.tiles { display: grid; grid-template-columns: repeat(auto-fill, minmax(300px, 1fr)); gap: 10px; }
article.tile { background: #fff; border-radius: 6px; border-left: 10px solid #999; padding: 8px 10px; box-shadow: 0 1px 2px #0003; }
article.tile.stale { outline: 3px dashed #222; }
article.tile h3 { font-size: 16px; margin: 0 0 4px 0; }
article.tile h3 span.name { font-weight: normal; color: #444; }
p.state { margin: 0 0 4px 0; font-size: 15px; }
p.state b { color: #fff; padding: 1px 6px; border-radius: 3px; }
p.stale-mark { margin: 0 0 4px 0; font-size: 13px; font-weight: bold; }
ul.operations { list-style: none; margin: 4px 0; padding: 0; font-size: 13px; }
ul.operations li { border-top: 1px solid #ddd; padding: 3px 0; }
span.op-state { font-weight: bold; }
p.persons { margin: 4px 0 0 0; font-size: 13px; color: #333; }
span.interrupted { text-decoration: line-through; }
)";

std::string clockOf(const std::string& moment) {
  if (moment.size() < 12) return "-";
  return moment.substr(8, 2) + ":" + moment.substr(10, 2);
}

// A moment as people read it: the time alone on the day of the page.
std::string shown(const std::string& moment, const std::string& today) {
  if (moment.size() < 12) return "-";
  if (moment.compare(0, 8, today, 0, 8) == 0) return clockOf(moment);
  return moment.substr(0, 4) + "-" + moment.substr(4, 2) + "-" + moment.substr(6, 2) + " " + clockOf(moment);
}

// A full stamp, for when the page was made.
std::string stamp(const std::string& moment) {
  return moment.size() < 14 ? moment : shown(moment, "") + ":" + moment.substr(12, 2);
}

std::string age(const std::string& now, const std::string& moment) {
  const long long seconds = Zeit_Differenz(now, moment);
  return html::HoursMinutes(seconds < 0 ? 0 : seconds);
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

void styleRules(std::ostringstream& out) {
  for (const html::StateStyle& s : html::kStates)
    out << "article.tile." << s.key << " { border-left-color: " << s.colour << "; }\n"
        << "." << s.key << " > b, ul.counts li." << s.key << " { background: " << s.colour << "; }\n"
        << "span.op-state." << s.key << " { color: " << s.colour << "; }\n";
}

void persons(std::ostringstream& out, const std::vector<Person>& list) {
  bool first = true;
  for (const Person& p : list) {
    out << (first ? "" : ", ") << "<span class=\"person" << (p.interrupted ? " interrupted" : "") << "\">"
        << Escape(p.name) << "</span>";
    first = false;
  }
}

void operation(std::ostringstream& out, const Operation& op, const std::string& now) {
  out << "<li><span class=\"op\">" << Escape(op.order) << "/" << Escape(op.operation);
  if (!op.name.empty()) out << " " << Escape(op.name);
  out << "</span> <span class=\"op-state " << op.state->key << "\">" << op.state->name << "</span>";
  if (!op.since.empty()) out << " since " << shown(op.since, now);
  if (!op.reason.empty()) out << ", reason " << Escape(op.reason);
  out << "<br><span class=\"quantity\">" << number(op.good) << " good, " << number(op.reject) << " reject";
  if (op.target > 0) out << " of " << number(op.target);
  if (!op.unit.empty()) out << " " << Escape(op.unit);
  out << "</span>";
  if (!op.persons.empty()) {
    out << "<br>";
    persons(out, op.persons);
  }
  out << "</li>\n";
}

void tile(std::ostringstream& out, const Tile& t, const std::string& now) {
  out << "<article class=\"tile " << t.state->key << (t.stale ? " stale" : "") << "\" data-work-place=\""
      << Escape(t.workPlace) << "\">\n<h3>" << Escape(t.workPlace) << " <span class=\"name\">" << Escape(t.name)
      << "</span></h3>\n<p class=\"state " << t.state->key << "\"><b>" << t.state->name << "</b>";
  if (!t.since.empty()) out << " since " << shown(t.since, now) << " (" << age(now, t.since) << ")";
  if (!t.reason.empty()) out << ", reason " << Escape(t.reason);
  out << "</p>\n";
  if (t.stale) out << "<p class=\"stale-mark\">unchanged for " << age(now, t.since) << "</p>\n";
  if (!t.operations.empty()) {
    out << "<ul class=\"operations\">\n";
    for (const Operation& op : t.operations) operation(out, op, now);
    out << "</ul>\n";
  }
  out << "<p class=\"persons\">";
  if (t.persons.empty()) {
    out << "nobody logged on";
  } else {
    out << "logged on: ";
    persons(out, t.persons);
  }
  out << "</p>\n</article>\n";
}

void topLine(std::ostringstream& out, const Board& b) {
  out << "<header class=\"top\">\n<h1>Shop floor</h1>\n<ul class=\"counts\">";
  for (const html::StateStyle& s : html::kStates) {
    int count = 0;
    for (const Tile& t : b.tiles) count += t.state->key == s.key;
    out << "<li class=\"" << s.key << "\">" << s.name << " " << count << "</li>";
  }
  out << "</ul>\n<span class=\"newest\">newest booking ";
  if (b.newestBooking.empty()) out << "none";
  else out << shown(b.newestBooking, b.made) << " (" << age(b.made, b.newestBooking) << " ago)";
  out << "</span>\n<span class=\"made\">made " << stamp(b.made) << "</span>\n</header>\n";
}

}  // namespace

std::string RenderBoard(const Board& b, const PageSettings& settings) {
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta http-equiv=\"refresh\" content=\"" << settings.refreshSeconds << "\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<title>Shop floor " << clockOf(b.made) << "</title>\n<style>" << kStyle;
  styleRules(out);
  out << "</style>\n</head>\n<body>\n";
  if (!settings.unreachableSince.empty())
    out << "<div class=\"banner\">The database cannot be reached since " << stamp(settings.unreachableSince)
        << " (" << Escape(settings.unreachableReason) << "); this is the board as it was at " << stamp(b.made)
        << ".</div>\n";
  topLine(out, b);
  std::string group;
  bool open = false;
  for (const Tile& t : b.tiles) {
    if (!open || t.group != group) {
      if (open) out << "</div>\n</section>\n";
      group = t.group;
      open = true;
      out << "<section class=\"group\">\n<h2>" << (group.empty() ? "(no group)" : Escape(group))
          << "</h2>\n<div class=\"tiles\">\n";
    }
    tile(out, t, b.made);
  }
  if (open) out << "</div>\n</section>\n";
  if (b.tiles.empty()) out << "<p>No work places.</p>\n";
  out << "</body>\n</html>\n";
  return out.str();
}

}  // namespace board
