#include "analysis/note_rows.h"

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

struct Kept {
  bool active = false;
  KeptKeys keeps;
  std::map<std::string, NzaSatz> rows;  // by key prefix and start
};

int gNotes = 0;  // NoteRows alive
Kept gKept;

void distrust() { gKept = Kept{}; }

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
  if (!key) return Nza_PKeyReadk(row);
  if (const auto found = gKept.rows.find(*key); found != gKept.rows.end()) {
    *row = found->second;
    return status::kOk;
  }
  clearAllBut(row, true);
  return status::kNoRow;
}

int RowReadWhateverStart(NzaSatz* row) {
  if (!gKept.active || !gKept.keeps(*row, false)) return Nza_ReadSA_EH(row);
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

int RowDelete(const NzaSatz* row) {
  const auto key = keptKey(*row);
  const int rc = Nza_PKeyDel(row);
  if (!key) return rc;
  if (rc != status::kOk) distrust();
  else gKept.rows.erase(*key);
  return rc;
}

CursorRows<NzaSatz> RowsInWindow(const NzaSatz& window) {
  const std::string from = bound(window, kStart), to = bound(window, kEnd);
  if (!keptKey(window) || !IsValidMoment(to)) return ReadAllRows<NzaSatz, Nza_PKeyVon>(&window);
  const std::string prefix = prefixOf(window);
  CursorRows<NzaSatz> result;
  for (auto at = gKept.rows.lower_bound(prefix + from); at != gKept.rows.end(); ++at) {
    if (!at->first.starts_with(prefix) || at->first.substr(prefix.size()) > to) break;
    result.rows.push_back(at->second);
  }
  return result;
}
