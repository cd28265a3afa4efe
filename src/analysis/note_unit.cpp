#include "analysis/note_unit.h"

#include "base/msglog.h"
#include "base/status.h"
#include "db/mel.h"
#include "db/mrk.h"
#include "db/nza.h"
#include "db/unit_of_work.h"

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

bool stillPending(MerkSatz note) { return Mrk_PKeyReadk(&note) != status::kNoRow; }

}  // namespace

void NotizenAbarbeiten(const char* kind, std::string_view runName, const std::function<void(const MerkSatz&)>& work) {
  Mrk_MrkKng notes;
  if (notes.Open(kind) != status::kOk) return;
  MerkSatz note;
  while (notes.Read(&note) == status::kOk) {
    const NoteOutcome outcome = WorkNoteInUnit(runName, [&] {
      if (stillPending(note)) work(note);
    });
    if (outcome == NoteOutcome::kDatabaseUnusable) break;  // the rest waits for the next pass
  }
}

void MerkSatzLoeschen(MerkSatz key, std::string_view function) {
  int rc = Mrk_PKeyReadk(&key);
  if (rc != status::kOk && rc != status::kTooManyRows) {
    LogError(function, "Mrk_PKeyReadk", rc);
    return;
  }
  rc = Mrk_PKeyDel(&key);
  if (rc != status::kOk) LogError(function, "Mrk_PKeyDel", rc);
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
