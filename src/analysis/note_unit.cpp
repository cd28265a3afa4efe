#include "analysis/note_unit.h"

#include <optional>
#include <utility>
#include <vector>

#include "analysis/calendar_reads.h"
#include "base/msglog.h"
#include "base/status.h"
#include "db/tables/mel.h"
#include "db/tables/mrk.h"
#include "db/tables/nza.h"
#include "db/engine/unit_of_work.h"

namespace {

constexpr std::string_view kNoteWaits = "DB nicht nutzbar, Merksatz wartet";

// Only informs: the failure itself has an error entry of its own.
NoteOutcome keptPending(std::string_view function, int reason) {
  LogSystem(function, kNoteWaits, reason);
  return NoteOutcome::kDatabaseUnusable;
}

}  // namespace

NoteOutcome WorkNoteInUnit(std::string_view function, const std::function<void()>& work) {
  db::UnitOfWork unit;
  if (!unit.open()) {
    LogError(function, "Fehler bei Begin", unit.beginStatus());
    return keptPending(function, unit.beginStatus());
  }
  work();
  if (unit.spoiled()) return keptPending(function, unit.rollback(unit.spoilReason()).status);
  if (const db::UnitEnd end = unit.commit(); !end.committed()) {
    LogError(function, "Fehler bei Commit", end.status);
    return keptPending(function, end.status);
  }
  return NoteOutcome::kWorked;
}

namespace {

// Notes worked in one transaction, each under a savepoint of its own: a
// commit per note would cost a server round trip and a flush each.
constexpr std::size_t kNotesPerGroup = 50;

// The notes of one pass of a kind, worked in groups. A group whose
// transaction broke (a note's failure took more than that note with it)
// is rolled back and its notes are worked again one per transaction,
// exactly as without groups.
class NoteRun {
 public:
  NoteRun(std::string_view runName, const std::function<void(const MerkSatz&)>& work)
      : runName_(runName), work_(work) {}

  // False when the database is not usable: the rest waits for the next pass.
  bool add(const MerkSatz& note) {
    if (!group_) {
      group_.emplace();
      if (!group_->open()) {
        LogError(runName_, "Fehler bei Begin", group_->beginStatus());
        group_.reset();
        return false;
      }
    }
    grouped_.push_back(note);
    if (workOne(note) == NoteOutcome::kDatabaseUnusable) return giveUp();
    if (group_->broken()) return workAlone();
    return grouped_.size() < kNotesPerGroup || finish();
  }

  // Makes the group durable. False when the database is not usable.
  bool finish() {
    if (!group_) return true;
    if (group_->broken()) return workAlone();
    const db::UnitEnd end = group_->commit();
    group_.reset();
    if (!end.committed()) {
      LogError(runName_, "Fehler bei Commit", end.status);
      keptPending(runName_, end.status);
      return false;
    }
    grouped_.clear();
    return true;
  }

 private:
  NoteOutcome workOne(const MerkSatz& note) {
    return WorkNoteInUnit(runName_, [&] { work_(note); });
  }

  bool giveUp() {
    group_.reset();  // rolled back: the whole group waits for the next pass
    grouped_.clear();
    return false;
  }

  bool workAlone() {
    group_.reset();  // rolled back, to be worked again note by note
    LogSystem(runName_, "Gruppe wird einzeln gebucht", 0);
    const std::vector<MerkSatz> notes = std::exchange(grouped_, {});
    for (const MerkSatz& note : notes)
      if (workOne(note) == NoteOutcome::kDatabaseUnusable) return false;
    return true;
  }

  std::string_view runName_;
  const std::function<void(const MerkSatz&)>& work_;
  std::optional<db::GroupOfUnits> group_;  // open while notes share a transaction
  std::vector<MerkSatz> grouped_;
};

}  // namespace

void NotizenAbarbeiten(const char* kind, std::string_view runName, const std::function<void(const MerkSatz&)>& work) {
  Mrk_MrkKng notes;
  if (notes.Open(kind) != status::kOk) return;
  const CalendarReads calendar;  // the shift calendar read once for the run
  NoteRun run(runName, work);
  MerkSatz note;
  while (notes.Read(&note) == status::kOk)
    if (!run.add(note)) return;  // the rest waits for the next pass
  run.finish();
}

bool MerkSatzLoeschen(const MerkSatz& key, std::string_view function) {
  const int rc = Mrk_PKeyDelPending(&key);
  if (rc == status::kNoRow) return false;
  if (rc != status::kOk) LogError(function, "Mrk_PKeyDel", rc);
  return true;
}

MelSatz SchluesselBuchung(const MerkSatz& note, bool mitAuftrag) {
  MelSatz key;
  key.KeyBnr = note.MrkBnr;
  key.KeyPnr = note.MrkPnr;
  key.KeyApl = note.MrkApl;
  if (mitAuftrag) {
    key.KeyApk = note.MrkApk;
    key.KeyApp = note.MrkApp;
  }
  const std::string moment = note.MrkMdt.str();
  key.KeyDat = moment.substr(0, 8);
  key.KeyUhr = moment.size() > 8 ? moment.substr(8, 6) : std::string();
  key.KeySek = "99";
  return key;
}

MerkSatz MerkSchluessel(const char* kind, const MelSatz& key) {
  MerkSatz note;
  note.MrkKng = kind;
  note.MrkApl = key.KeyApl;
  note.MrkApk = key.KeyApk;
  note.MrkApp = key.KeyApp;
  note.MrkPnr = key.KeyPnr;
  note.MrkBnr = key.KeyBnr;
  return note;
}

NzaSatz LaufSatz(std::int16_t sa, const MelSatz& start, const char* pnr) {
  NzaSatz run;
  run.NzaSa = sa;
  run.NzaApl = start.KeyApl;
  run.NzaApk = start.KeyApk;
  run.NzaApp = start.KeyApp;
  run.NzaTnr = start.KeyTnr;
  run.NzaDtm = start.KeyDat;
  run.NzaDtmUhr = start.KeyUhr;
  run.NzaPnr = pnr;
  return run;
}
