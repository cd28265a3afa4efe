#include "analysis/nzs/note_periods.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "base/civil_date.h"
#include "base/status.h"
#include "db/engine/field.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Field kStart = DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr);
constexpr db::Field kEnd = DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr);

// A moment as the statements bind it ('yyyymmddHH24MISS'), or nothing for
// one without a date.
std::optional<std::string> bound(const NzaSatz& row, const db::Field& moment) {
  const db::Value v = db::fieldValue(&row, moment);
  if (v.isNull()) return std::nullopt;
  return v.asText();
}

int digits(std::string_view text, std::size_t at, std::size_t n) { return std::stoi(std::string(text.substr(at, n))); }

// Only a moment the database accepts as a date can be answered from
// memory: any other makes the database report an error, not "no row".
bool isMoment(std::string_view m) {
  if (m.size() != 14 || m.find_first_not_of("0123456789") != std::string_view::npos) return false;
  return IsCivilDate(digits(m, 0, 4), digits(m, 4, 2), digits(m, 6, 2)) && digits(m, 8, 2) < 24 &&
         digits(m, 10, 2) < 60 && digits(m, 12, 2) < 60;
}

// A record as a read of the row just written would give it back.
NzaSatz asStored(const NzaSatz& row) {
  const db::Fields fields = db::tables::Nza().rowFields();
  NzaSatz stored;
  db::setFields(&stored, fields, db::fieldValues(&row, fields));
  return stored;
}

bool sameRow(const NzaSatz& a, const NzaSatz& b) {
  const db::Fields fields = db::tables::Nza().rowFields();
  return db::fieldValues(&a, fields) == db::fieldValues(&b, fields);
}

struct Kept {
  bool active = false;
  NzaSatz keys;     // NzaApl, NzaApk, NzaApp, NzaPnr of the note
  std::string from; // the first start kept
  std::map<std::pair<int, std::string>, NzaSatz> rows;  // by kind and start
};

int gNotes = 0;  // NotePeriods alive
Kept gKept;

bool sameOperation(const NzaSatz& a, const NzaSatz& b) {
  return a.NzaApl == b.NzaApl && a.NzaApk == b.NzaApk && a.NzaApp == b.NzaApp && a.NzaPnr == b.NzaPnr;
}

bool keptKind(std::int16_t kind) { return kind == 1 || kind == 2; }

// The key of a row answered from memory, or nothing when the database must
// answer.
std::optional<std::pair<int, std::string>> keptKey(const NzaSatz& row) {
  if (!gKept.active || !keptKind(row.NzaSa) || !sameOperation(row, gKept.keys)) return std::nullopt;
  const std::optional<std::string> start = bound(row, kStart);
  if (!start || !isMoment(*start) || *start < gKept.from) return std::nullopt;
  return std::make_pair(static_cast<int>(row.NzaSa), *start);
}

void distrust() { gKept = Kept{}; }

}  // namespace

NotePeriods::NotePeriods() { ++gNotes; }

NotePeriods::~NotePeriods() {
  if (--gNotes == 0) distrust();
}

void KeepNotePeriods(const NzaSatz& keys) {
  distrust();
  if (gNotes == 0 || keys.NzaApl.empty() || keys.NzaApk.empty() || keys.NzaApp.empty() || keys.NzaPnr.empty()) return;
  const std::optional<std::string> from = bound(keys, kStart);
  if (!from || !isMoment(*from)) return;
  CursorRows<NzaSatz> read = ReadAllRows<NzaSatz, Nza_MpaAb>(&keys);
  if (!read.opened() || read.readFailed()) return;
  gKept.keys = keys;
  gKept.from = *from;
  for (const NzaSatz& row : read.rows) {
    const std::optional<std::string> start = bound(row, kStart);
    if (!start) return distrust();
    gKept.rows[{row.NzaSa, *start}] = row;
  }
  gKept.active = true;
}

int PeriodRead(NzaSatz* row) {
  const auto key = keptKey(*row);
  if (!key) return Nza_PKeyReadk(row);
  if (const auto found = gKept.rows.find(*key); found != gKept.rows.end()) {
    *row = found->second;
    return status::kOk;
  }
  // What a read that finds nothing leaves: the key, every other field cleared.
  NzaSatz cleared;
  cleared.NzaSa = row->NzaSa;
  cleared.NzaApl = row->NzaApl;
  cleared.NzaApk = row->NzaApk;
  cleared.NzaApp = row->NzaApp;
  cleared.NzaPnr = row->NzaPnr;
  cleared.NzaDtm = row->NzaDtm;
  cleared.NzaDtmUhr = row->NzaDtmUhr;
  *row = cleared;
  return status::kNoRow;
}

int PeriodInsert(const NzaSatz* row) {
  const auto key = keptKey(*row);
  const int rc = Nza_PKeyIns(row);
  if (!key) return rc;
  // A duplicate left the kept row as it was.
  if (rc == status::kDuplicate && gKept.rows.count(*key) == 1) return rc;
  if (rc != status::kOk) distrust();
  else gKept.rows[*key] = asStored(*row);
  return rc;
}

int PeriodUpdate(const NzaSatz* row) {
  const auto key = keptKey(*row);
  if (!key) return Nza_PKeyUpd(row);
  const auto found = gKept.rows.find(*key);
  if (found == gKept.rows.end()) return Nza_PKeyUpd(row);  // no row to change
  const NzaSatz stored = asStored(*row);
  if (sameRow(stored, found->second)) return status::kOk;
  const int rc = Nza_PKeyUpd(row);
  if (rc != status::kOk) distrust();
  else found->second = stored;
  return rc;
}

int PeriodDelete(const NzaSatz* row) {
  const auto key = keptKey(*row);
  const int rc = Nza_PKeyDel(row);
  if (!key) return rc;
  if (rc != status::kOk) distrust();
  else gKept.rows.erase(*key);
  return rc;
}

CursorRows<NzaSatz> PeriodsInWindow(const NzaSatz& window) {
  const std::optional<std::string> from = bound(window, kStart), to = bound(window, kEnd);
  if (!keptKey(window) || !to || !isMoment(*to)) return ReadAllRows<NzaSatz, Nza_PKeyVon>(&window);
  CursorRows<NzaSatz> result;
  for (auto at = gKept.rows.lower_bound({window.NzaSa, *from}); at != gKept.rows.end(); ++at) {
    if (at->first.first != window.NzaSa || at->first.second > *to) break;
    result.rows.push_back(at->second);
  }
  return result;
}
