// From rows to tiles. A tile takes the first state that applies, in the
// palette's order: a stoppage of the work place, then the states of the
// order operations on it (interruption, set-up, work), else idle.
#include <algorithm>
#include <map>

#include "app/board/board.h"
#include "app/board/board_rows.h"
#include "base/datetime.h"
#include "base/status.h"
#include "db/engine/unit_of_work.h"

namespace board {
namespace {

constexpr std::int16_t kWorkPlaceInterrupted = 3;  // AplSts while a stoppage lasts

// Which flag of an operation's state vector puts it into which state; the
// first set flag wins, so an interrupted set-up counts as interrupted.
struct FlagRule {
  FixedText<2> BoardVectorRow::*flag;
  const html::StateStyle* state;
};
constexpr FlagRule kOperationRules[] = {
    {&BoardVectorRow::Map00U, &html::kInterrupted},
    {&BoardVectorRow::Map00R, &html::kSetUp},
    {&BoardVectorRow::Map00A, &html::kRunning},
};

std::size_t rank(const html::StateStyle* state) {
  for (std::size_t k = 0; k < std::size(html::kStates); ++k)
    if (html::kStates[k].key == state->key) return k;
  return std::size(html::kStates);
}

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

// A reason worth showing: "0000" and blanks mean none.
std::string reasonOf(std::string_view ubg) {
  std::string r = trimmed(ubg);
  return r.find_first_not_of('0') == std::string::npos ? "" : r;
}

// A badge without a person in the master data is shown as such, as the
// day report shows it.
Person personOf(const BoardVectorRow& v) {
  const std::string name = v.PrvNam.empty() ? "unknown badge " + v.MapPnr.str() : trimmed(v.PrvNam.view());
  return {v.MapPnr.str(), name, v.Map00U == "1"};
}

void addPerson(std::vector<Person>& persons, const Person& p) {
  for (const Person& known : persons)
    if (known.pnr == p.pnr) return;
  persons.push_back(p);
}

Operation operationOf(const BoardVectorRow& v) {
  Operation op;
  op.order = trimmed(v.MapApk.view());
  op.operation = trimmed(v.MapApp.view());
  op.name = trimmed(v.AppBz1.view());
  op.good = v.AppIme;
  op.reject = v.AppAme;
  op.target = v.AppSme;
  op.unit = trimmed(v.AppMee.view());
  for (const FlagRule& rule : kOperationRules)
    if (v.*rule.flag == "1") {
      op.state = rule.state;
      break;
    }
  if (op.state == &html::kInterrupted) op.reason = reasonOf(v.MapUbg.view());
  if (op.state != &html::kIdle &&
      Board_StateChange(v.MapApl.str(), v.MapApk.str(), v.MapApp.str(), op.since) != status::kOk)
    op.since = v.MapMoment.str();
  return op;
}

// The tile's state and since when, from the work place and its operations.
int settle(Tile& tile, const BoardWorkPlaceRow& apl, const BoardVectorRow* stoppage) {
  if (apl.AplSts == kWorkPlaceInterrupted || stoppage) {
    tile.state = &html::kStopped;
    tile.reason = reasonOf(apl.AplSts == kWorkPlaceInterrupted ? apl.AplUbg.view() : stoppage->MapUbg.view());
    tile.since = apl.AplSts == kWorkPlaceInterrupted && !apl.AplUdt.empty() ? apl.AplUdt.str()
                 : stoppage                                                  ? stoppage->MapMoment.str()
                                                                             : "";
    return status::kOk;
  }
  for (const Operation& op : tile.operations) {
    if (rank(op.state) < rank(tile.state)) {
      tile.state = op.state;
      tile.reason = op.reason;
      tile.since = op.since;
    } else if (op.state == tile.state && op.since < tile.since) {
      tile.since = op.since;  // the longest of equals says how long
    }
  }
  if (tile.state != &html::kIdle) return status::kOk;
  // Idle since the last booking on the work place or its operations.
  std::string last;
  for (const char* kind : {"M_A", "M__"}) {
    const int rc = Board_LastBooking(kind, apl.AplApl.str(), last);
    if (rc == status::kOk) tile.since = std::max(tile.since, last);
    else if (rc != status::kNoRow) return rc;
  }
  return status::kOk;
}

int buildTiles(const std::string& now, int staleMinutes, Board& out) {
  std::vector<BoardWorkPlaceRow> places;
  std::vector<BoardVectorRow> vectors;
  int rc = Board_WorkPlaces(places);
  if (rc == status::kOk) rc = Board_Vectors(vectors);
  if (rc != status::kOk) return rc;
  std::multimap<std::string, const BoardVectorRow*> byPlace;
  for (const BoardVectorRow& v : vectors) byPlace.emplace(v.MapApl.str(), &v);

  for (const BoardWorkPlaceRow& apl : places) {
    Tile tile;
    tile.workPlace = trimmed(apl.AplApl.view());
    tile.name = trimmed(apl.AplBez.view());
    tile.group = trimmed(apl.AplApg.view());
    const BoardVectorRow* stoppage = nullptr;
    const auto [from, to] = byPlace.equal_range(apl.AplApl.str());
    for (auto it = from; it != to; ++it) {
      const BoardVectorRow& v = *it->second;
      if (v.MapObj == "M__" && v.Map00U == "1") stoppage = &v;
      if (v.MapObj == "M_A") tile.operations.push_back(operationOf(v));
    }
    // Persons once every operation of the work place is known.
    for (auto it = from; it != to; ++it) {
      const BoardVectorRow& v = *it->second;
      if (v.MapObj != "MP_" && v.MapObj != "MPA") continue;
      addPerson(tile.persons, personOf(v));
      if (v.MapObj != "MPA") continue;
      for (Operation& op : tile.operations)
        if (op.order == trimmed(v.MapApk.view()) && op.operation == trimmed(v.MapApp.view()))
          addPerson(op.persons, personOf(v));
    }
    if ((rc = settle(tile, apl, stoppage)) != status::kOk) return rc;
    tile.stale = !tile.since.empty() && Zeit_Differenz(now, tile.since) > staleMinutes * 60LL;
    out.tiles.push_back(std::move(tile));
  }
  rc = Board_NewestBooking(out.newestBooking);
  return rc == status::kNoRow ? status::kOk : rc;
}

}  // namespace

int CollectBoard(std::string now, int staleMinutes, Board& out) {
  out = Board();
  out.made = now;
  db::ReadOnlySnapshot snapshot;
  if (snapshot.beginStatus() != status::kOk) return snapshot.beginStatus();
  const int rc = buildTiles(now, staleMinutes, out);
  const int end = snapshot.end();
  return rc != status::kOk ? rc : end;
}

}  // namespace board
