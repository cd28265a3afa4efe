#include "analysis/calendar_reads.h"

#include <map>
#include <set>

#include "base/status.h"
#include "db/engine/dialect.h"
#include "db/engine/session.h"

namespace {

template <class Record>
struct Keyed {
  int rc;
  Record record;
};

// The rows of a master table the analyses read by key, one key per note:
// on a server, once a run has asked for a few of them, the next question
// reads them all.
template <class Record>
struct Whole {
  std::map<std::string, Keyed<Record>> answers;
  int asked = 0;             // keys read one by one
  bool complete = false;     // every row is in `answers`
  std::set<std::string> twice;  // keys of more than one row: the database answers
};

struct Kept {
  std::uint64_t connection = 0;  // the session generation the answers came from
  std::map<std::string, CursorRows<AemSatz>> assignments;
  std::set<std::string> assignmentDays;  // kind and day whose assignments were all read
  std::map<std::string, CursorRows<EmoSatz>> shifts;
  std::map<std::string, CursorRows<EmoPausenSatz>> breaks;
  std::map<std::string, Keyed<BakSatz>> days;
  Whole<PrvSatz> persons;
  Whole<AplSatz> workPlaces;
  std::map<std::string, CursorRows<BakSatz>> dayRanges;
  std::map<std::string, CursorRows<ZtgSatz>> plannedDays;
  std::map<std::string, Keyed<GazSatz>> ownTimes;
  std::map<std::string, CursorRows<PseSatz>> breakPlans;
  std::map<std::string, Keyed<GpsSatz>> ownBreaks;
  std::map<std::string, Keyed<TagSatz>> accountDays;
  std::map<std::string, CursorRows<BupSatz>> dayBookings;
};

int gRunDepth = 0;  // runs begun and not yet ended

Kept nothingRead() {
  Kept k;
  k.connection = db::Session::get().generation();
  return k;
}

Kept& kept() {
  static Kept reads;
  if (reads.connection != db::Session::get().generation()) reads = nothingRead();
  return reads;
}

// The rows of a selection, from `answers` when it was read to its end before.
template <class Rec, class Read>
CursorRows<Rec> selection(std::map<std::string, CursorRows<Rec>>& answers, const std::string& key, Read read) {
  if (gRunDepth == 0) return read();
  if (const auto known = answers.find(key); known != answers.end()) return known->second;
  CursorRows<Rec> rows = read();
  if (rows.opened() && !rows.readFailed()) answers[key] = rows;
  return rows;
}

// A keyed read's result, from `answers` when the key was asked before. The
// reads fill every field of the record or clear all but the key, so a copy
// is exactly what the read would leave.
template <class Rec, class Read>
int keyed(std::map<std::string, Keyed<Rec>>& answers, const std::string& key, Rec* record, Read read) {
  if (gRunDepth == 0) return read(record);
  if (const auto known = answers.find(key); known != answers.end()) {
    *record = known->second.record;
    return known->second.rc;
  }
  const int rc = read(record);
  if (rc == status::kOk || rc == status::kNoRow) answers[key] = Keyed<Rec>{rc, *record};
  return rc;
}

constexpr int kKeysBeforeWhole = 4;

bool wholeReadsPay() { return db::statementsTravel(db::Session::get().dialect()); }

// A keyed read of a master table by its key field, answered from the
// whole table once a run on a server has asked often enough. A key the
// whole table lacks is answered as the read answers it: 1403, the key kept
// and every other field cleared.
template <class AllRows, class Rec, class Key, class Read>
int wholeOrKeyed(Whole<Rec>& table, Key Rec::*keyField, Rec* record, Read read) {
  const std::string key = (record->*keyField).str();
  if (gRunDepth == 0 || key.empty()) return read(record);  // an empty key is NULL: the database finds nothing
  if (!table.complete && table.asked >= kKeysBeforeWhole && wholeReadsPay() && !table.answers.count(key)) {
    const CursorRows<Rec> all = ReadAllRows<Rec, AllRows>();
    if (all.opened() && !all.readFailed()) {
      table.answers.clear();
      for (const Rec& row : all.rows) {
        const std::string k = (row.*keyField).str();
        if (!table.answers.emplace(k, Keyed<Rec>{status::kOk, row}).second) table.twice.insert(k);
      }
      table.complete = true;
    }
  }
  if (table.complete && !table.twice.count(key)) {
    if (const auto known = table.answers.find(key); known != table.answers.end()) {
      *record = known->second.record;
      return status::kOk;
    }
    Rec cleared;
    cleared.*keyField = record->*keyField;
    *record = cleared;
    return status::kNoRow;
  }
  if (!table.answers.count(key)) ++table.asked;
  return table.complete ? read(record) : keyed(table.answers, key, record, read);
}

}  // namespace

CalendarReads::CalendarReads() {
  if (gRunDepth++ == 0) kept() = nothingRead();
}

CalendarReads::~CalendarReads() {
  if (--gRunDepth == 0) kept() = nothingRead();
}

// A plant asks for the assignments of every work place and group of a day,
// one after the other: the first question of a kind and day reads them all.
// Asked for no group (an empty name), the database answers nothing.
CursorRows<AemSatz> ShiftAssignments(const std::string& apg, std::int32_t kind, const std::string& day) {
  const std::string dayKey = std::to_string(kind) + '|' + day;
  Kept& k = kept();
  if (gRunDepth > 0 && !k.assignmentDays.count(dayKey)) {
    CursorRows<AemSatz> all = ReadAllRows<AemSatz, Aem_SchichtTag>(kind, day.c_str());
    if (all.opened() && !all.readFailed()) {
      for (const AemSatz& row : all.rows) k.assignments[row.AemApg.str() + '|' + dayKey].rows.push_back(row);
      k.assignmentDays.insert(dayKey);
    }
  }
  if (gRunDepth > 0 && k.assignmentDays.count(dayKey) && !apg.empty()) {
    const auto known = k.assignments.find(apg + '|' + dayKey);
    return known != k.assignments.end() ? known->second : CursorRows<AemSatz>{};
  }
  return selection(k.assignments, apg + '|' + dayKey,
                   [&] { return ReadAllRows<AemSatz, Aem_Schicht>(apg.c_str(), kind, day.c_str()); });
}

CursorRows<EmoSatz> ShiftsOfModel(const std::string& emo, const std::string& dayType) {
  return selection(kept().shifts, emo + '|' + dayType,
                   [&] { return ReadAllRows<EmoSatz, Emo_Schicht>(emo.c_str(), dayType.c_str()); });
}

CursorRows<EmoPausenSatz> BreaksOfModel(const std::string& emo, const std::string& dayType, const std::string& day) {
  return selection(kept().breaks, emo + '|' + dayType + '|' + day, [&] {
    return ReadAllRows<EmoPausenSatz, Emo_Pausen>(emo.c_str(), dayType.c_str(), day.c_str());
  });
}

int CalendarDay(BakSatz* bak) { return keyed(kept().days, bak->BakDtm.str(), bak, Bak_Datum); }

int PersonRead(PrvSatz* prv) { return wholeOrKeyed<Prv_Alle>(kept().persons, &PrvSatz::PrvPnr, prv, Prv_PKeyReadk); }

int WorkPlaceRead(AplSatz* apl) {
  return wholeOrKeyed<Apl_Alle>(kept().workPlaces, &AplSatz::AplApl, apl, Apl_PKeyReadk);
}

CursorRows<BakSatz> CalendarDays(const std::string& from, const std::string& to) {
  return selection(kept().dayRanges, from + '|' + to,
                   [&] { return ReadAllRows<BakSatz, Bak_Von>(from.c_str(), to.c_str()); });
}

CursorRows<ZtgSatz> PlannedDay(const std::string& pnr, const std::string& day) {
  return selection(kept().plannedDays, pnr + '|' + day,
                   [&] { return ReadAllRows<ZtgSatz, Ztg_Pnr>(pnr.c_str(), day.c_str()); });
}

int OwnTimesRead(GazSatz* gaz) {
  return keyed(kept().ownTimes, gaz->GazPnr.str() + '|' + gaz->GazDtm.str(), gaz, Gaz_PKeyReadk);
}

CursorRows<PseSatz> BreakPlan(const std::string& psm) {
  return selection(kept().breakPlans, psm, [&] { return ReadAllRows<PseSatz, Pse_PKey>(psm.c_str()); });
}

int OwnBreakRead(GpsSatz* gps) {
  const std::string key = gps->GpsPnr.str() + '|' + gps->GpsDtm.str() + '|' + std::to_string(gps->GpsLfd);
  return keyed(kept().ownBreaks, key, gps, Gps_PKeyReadk);
}

int AccountDayRead(TagSatz* tag, const std::string& day) {
  return keyed(kept().accountDays, tag->TagPnr.str() + '|' + day, tag,
               [&day](TagSatz* t) { return Tag_PKeyReadk(t, day.c_str()); });
}

CursorRows<BupSatz> DayBookings(const std::string& pnr, const std::string& from, const std::string& to) {
  return selection(kept().dayBookings, pnr + '|' + from + '|' + to,
                   [&] { return ReadAllRows<BupSatz, Bup_AbrTag>(pnr.c_str(), from.c_str(), to.c_str()); });
}
