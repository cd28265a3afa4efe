// Every note an analysis works off is one unit of work: its period rows,
// its totals and the deletion of the note are committed
// together or not at all. A crash or a failure of the environment in the
// middle of a note leaves the note pending and nothing of its work behind;
// a later pass works it again.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

enum class NoteOutcome {
  kWorked,             // committed, the note is gone
  kDatabaseUnusable,   // rolled back; the run should end for this pass
};

// Runs `work` for one note in a unit of work. `function` names the run in
// the log entry written when the unit cannot be committed.
NoteOutcome WorkNoteInUnit(std::string_view function, const std::function<void()>& work);

struct MerkSatz;
struct MelSatz;
struct NzaSatz;

// The key booking of a note: its keys, its booking number and its moment,
// KeySek "99" so that it sorts after every booking of the same second.
// The run-time analysis keeps the order and operation of the note; the
// stoppage analysis leaves them empty.
MelSatz SchluesselBuchung(const MerkSatz& note, bool mitAuftrag);

// The note key of a key booking: the kind, its four keys and its booking
// number.
MerkSatz MerkSchluessel(const char* kind, const MelSatz& key);

// The run record of an analysis window from the booking that opens it:
// kind, keys, part number, the booking's moment as start, `pnr` as person.
NzaSatz LaufSatz(std::int16_t sa, const MelSatz& start, const char* pnr);

// Works off every pending note of `kind` in the order of the note cursor,
// each in a unit of its own; units share a transaction in groups. `work`
// starts by taking the note away (MerkSatzLoeschen) and passes over a note
// whose key went with a note worked before it (notes that differ only in
// their time). The run ends for this pass when the database is not usable.
void NotizenAbarbeiten(const char* kind, std::string_view runName, const std::function<void(const MerkSatz&)>& work);

// Deletes a note that is about to be worked, and with it every note of the
// same key (notes that differ only in their time are worked by one of
// them). False when none was left: an earlier note of the key worked them
// off. Failures are logged under `function`; the note is then worked all
// the same.
bool MerkSatzLoeschen(const MerkSatz& key, std::string_view function);
