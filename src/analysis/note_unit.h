// Every note an analysis works off is one unit of work: its scratch rows,
// its period rows, its totals and the deletion of the note are committed
// together or not at all. A crash or a failure of the environment in the
// middle of a note leaves the note pending and nothing of its work behind;
// a later pass works it again.
#pragma once

#include <functional>
#include <string_view>

enum class NoteOutcome {
  kWorked,             // committed, the note is gone
  kDatabaseUnusable,   // rolled back; the run should end for this pass
};

// Runs `work` for one note in a unit of work. `function` names the run in
// the log entry written when the unit cannot be committed.
NoteOutcome WorkNoteInUnit(std::string_view function, const std::function<void()>& work);
