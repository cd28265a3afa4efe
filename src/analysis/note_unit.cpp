#include "analysis/note_unit.h"

#include "base/msglog.h"
#include "base/status.h"
#include "db/session.h"

namespace {

constexpr std::string_view kNoteWaits = "DB nicht nutzbar, Merksatz wartet";

NoteOutcome keptPending(std::string_view function, int reason) {
  LogError(function, kNoteWaits, reason);
  return NoteOutcome::kDatabaseUnusable;
}

}  // namespace

NoteOutcome WorkNoteInUnit(std::string_view function, const std::function<void()>& work) {
  db::Session& s = db::Session::get();
  int rc = s.beginUnit();
  if (rc != status::kOk) return keptPending(function, rc);
  work();
  if (s.unitSpoiled()) {
    const int reason = s.unitSpoilReason();
    s.rollbackUnit();
    return keptPending(function, reason);
  }
  rc = s.commitUnit();
  if (rc != status::kOk) return keptPending(function, rc);
  return NoteOutcome::kWorked;
}
