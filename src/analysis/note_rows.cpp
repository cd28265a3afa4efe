#include "analysis/note_rows.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/civil_date.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/engine/field.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Field kStart = DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr);
constexpr db::Field kEnd = DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr);
constexpr db::Field kKeyParts[] = {DB_FIELD(NzaSatz, NzaSa), DB_FIELD(NzaSatz, NzaApl), DB_FIELD(NzaSatz, NzaApk),
                                   DB_FIELD(NzaSatz, NzaApp), DB_FIELD(NzaSatz, NzaPnr)};

db::Fields rowFields() { return db::tables::Nza().rowFields(); }

std::string bound(const NzaSatz& row, const db::Field& moment) { return db::fieldValue(&row, moment).asText(); }

// The key without its start, as the key conditions compare it: an empty
// text is NULL and matches only an empty text.
std::string prefixOf(const NzaSatz& row) {
  std::string prefix;
  for (const db::Field& f : kKeyParts) prefix += db::fieldValue(&row, f).asText() + '\x1f';
  return prefix;
}

// A record as a read of the row just written would give it back.
NzaSatz asStored(const NzaSatz& row) {
  NzaSatz stored;
  db::setFields(&stored, rowFields(), db::fieldValues(&row, rowFields()));
  return stored;
}

bool sameRow(const NzaSatz& a, const NzaSatz& b) {
  return db::fieldValues(&a, rowFields()) == db::fieldValues(&b, rowFields());
}

// What a read that finds nothing leaves: the fields of its key, every other
// field cleared.
void clearAllBut(NzaSatz* row, bool keepStart) {
  NzaSatz cleared;
  cleared.NzaSa = row->NzaSa;
  cleared.NzaApl = row->NzaApl;
  cleared.NzaApk = row->NzaApk;
  cleared.NzaApp = row->NzaApp;
  cleared.NzaPnr = row->NzaPnr;
  if (keepStart) {
    cleared.NzaDtm = row->NzaDtm;
    cleared.NzaDtmUhr = row->NzaDtmUhr;
  }
  *row = cleared;
}

// A write of a kept row the database has not had yet: the row as it
// stands now, however often the note changed it since.
struct Pending {
  std::string key;
  bool insert = false;
  NzaSatz row;
};

struct Kept {
  bool active = false;
  KeptKeys keeps;
  std::map<std::string, NzaSatz> rows;  // by key prefix and start
  std::vector<Pending> pending;         // in the order of their first write
};

int gNotes = 0;  // NoteRows alive
Kept gKept;

void logFailed(const Pending& p, int rc) {
  LogError(p.insert ? "Nza_PKeyIns" : "Nza_PKeyUpd", p.insert ? "Fehler bei Nza_PKeyIns" : "Fehler bei Nza_PKeyUpd", rc);
}

void sendAlone(const Pending& p) {
  if (const int rc = p.insert ? Nza_PKeyIns(&p.row) : Nza_PKeyUpd(&p.row); rc != status::kOk) logFailed(p, rc);
}

// Hands the pending writes to the database, on a server in one round trip.
// Their outcome was known when they were taken (the kept rows say whether
// a row is there); should one fail all the same, it is logged, the kept
// rows are given up and the writes after it are sent one by one.
void flush() {
  if (gKept.pending.empty()) return;
  const std::vector<Pending> pending = std::exchange(gKept.pending, {});
  std::vector<db::QueuedWrite> writes;
  writes.reserve(pending.size());
  for (const Pending& p : pending) writes.push_back(p.insert ? Nza_PKeyInsQueued(&p.row) : Nza_PKeyUpdQueued(&p.row));
  std::size_t failed = 0;
  const int rc = db::writeAll(writes, &failed);
  if (rc == status::kOk) return;
  gKept = Kept{};
  if (failed >= pending.size()) return;  // the connection failed after them: the unit is spoiled
  logFailed(pending[failed], rc);
  for (std::size_t k = failed + 1; k < pending.size(); ++k) sendAlone(pending[k]);
}

// The database answers from now on; what it has not had yet goes first.
void distrust() {
  flush();
  gKept = Kept{};
}

// A write the note may keep back: a row with a valid start (its key is
// kept) and an end the database takes as a date, or none.
bool mayWait(const NzaSatz& row) {
  const std::string end = bound(row, kEnd);
  return end.empty() || IsValidMoment(end);
}

void keepBack(const std::string& key, bool insert, const NzaSatz& row) {
  for (Pending& p : gKept.pending)
    if (p.key == key) {
      p.row = row;  // an insert not yet sent goes with the row as it is now
      return;
    }
  gKept.pending.push_back({key, insert, row});
}

// The map key of a row the note keeps, or nothing when the database must
// answer.
std::optional<std::string> keptKey(const NzaSatz& row) {
  if (!gKept.active) return std::nullopt;
  const std::string start = bound(row, kStart);
  if (!IsValidMoment(start) || !gKept.keeps(row, true)) return std::nullopt;
  return prefixOf(row) + start;
}

int numberIn(std::string_view text, std::size_t at, std::size_t n) { return std::stoi(std::string(text.substr(at, n))); }

}  // namespace

NoteRows::NoteRows() { ++gNotes; }

NoteRows::~NoteRows() {
  if (--gNotes == 0) distrust();
}

std::string BoundStart(const NzaSatz& row) { return bound(row, kStart); }

// Only a moment the database accepts as a date can be answered from
// memory: any other makes the database report an error, not "no row".
bool IsValidMoment(std::string_view m) {
  if (m.size() != 14 || m.find_first_not_of("0123456789") != std::string_view::npos) return false;
  return IsCivilDate(numberIn(m, 0, 4), numberIn(m, 4, 2), numberIn(m, 6, 2)) && numberIn(m, 8, 2) < 24 &&
         numberIn(m, 10, 2) < 60 && numberIn(m, 12, 2) < 60;
}

void KeepNoteRows(const CursorRows<NzaSatz>& read, KeptKeys keeps) {
  distrust();
  if (gNotes == 0 || !read.opened() || read.readFailed()) return;
  for (const NzaSatz& row : read.rows) gKept.rows[prefixOf(row) + bound(row, kStart)] = row;
  gKept.keeps = std::move(keeps);
  gKept.active = true;
}

int RowRead(NzaSatz* row) {
  const auto key = keptKey(*row);
  if (!key) {
    flush();
    return Nza_PKeyReadk(row);
  }
  if (const auto found = gKept.rows.find(*key); found != gKept.rows.end()) {
    *row = found->second;
    return status::kOk;
  }
  clearAllBut(row, true);
  return status::kNoRow;
}

int RowReadWhateverStart(NzaSatz* row) {
  if (!gKept.active || !gKept.keeps(*row, false)) {
    flush();
    return Nza_ReadSA_EH(row);
  }
  const std::string prefix = prefixOf(*row);
  auto at = gKept.rows.lower_bound(prefix);
  const bool one = at != gKept.rows.end() && at->first.starts_with(prefix);
  const bool several = one && std::next(at) != gKept.rows.end() && std::next(at)->first.starts_with(prefix);
  if (one && !several) {
    *row = at->second;
    return status::kOk;
  }
  clearAllBut(row, false);
  return several ? status::kTooManyRows : status::kNoRow;
}

int RowInsert(const NzaSatz* row) {
  const auto key = keptKey(*row);
  if (key && gKept.rows.count(*key) == 0 && mayWait(*row)) {
    gKept.rows[*key] = asStored(*row);
    keepBack(*key, true, *row);
    return status::kOk;
  }
  flush();
  const int rc = Nza_PKeyIns(row);
  if (!key) return rc;
  // A duplicate left the kept row as it was.
  if (rc == status::kDuplicate && gKept.rows.count(*key) == 1) return rc;
  if (rc != status::kOk) distrust();
  else gKept.rows[*key] = asStored(*row);
  return rc;
}

int RowUpdate(const NzaSatz* row) {
  const auto key = keptKey(*row);
  const auto found = key ? gKept.rows.find(*key) : gKept.rows.end();
  if (found == gKept.rows.end()) {  // not kept, or no row to change
    flush();
    return Nza_PKeyUpd(row);
  }
  const NzaSatz stored = asStored(*row);
  if (sameRow(stored, found->second)) return status::kOk;
  if (mayWait(*row)) {
    found->second = stored;
    keepBack(*key, false, *row);
    return status::kOk;
  }
  flush();
  const int rc = Nza_PKeyUpd(row);
  if (rc != status::kOk) distrust();
  else found->second = stored;
  return rc;
}

int RowDelete(const NzaSatz* row) {
  const auto key = keptKey(*row);
  flush();
  const int rc = Nza_PKeyDel(row);
  if (!key) return rc;
  if (rc != status::kOk) distrust();
  else gKept.rows.erase(*key);
  return rc;
}

CursorRows<NzaSatz> RowsInWindow(const NzaSatz& window) {
  const std::string from = bound(window, kStart), to = bound(window, kEnd);
  if (!keptKey(window) || !IsValidMoment(to)) {
    flush();
    return ReadAllRows<NzaSatz, Nza_PKeyVon>(&window);
  }
  const std::string prefix = prefixOf(window);
  CursorRows<NzaSatz> result;
  for (auto at = gKept.rows.lower_bound(prefix + from); at != gKept.rows.end(); ++at) {
    if (!at->first.starts_with(prefix) || at->first.substr(prefix.size()) > to) break;
    result.rows.push_back(at->second);
  }
  return result;
}
