// The period rows one note works on. A note reads a period row by its key
// and writes it back, again and again (a person's work and interruption
// periods since the log-on, an operation's run-time rows and totals); on a
// database server each of these is a round trip. While a note is worked (a
// NoteRows lives) the rows it will touch can be read in one statement and
// kept: reads of keys the note keeps are answered from memory, and so are
// its writes of them, whose outcome memory knows: an insert of a key not
// there, an update of a row that is. Those writes wait, each row once as
// it stands last, and go to the database together (on a server in one
// round trip) before anything else of the table is asked of the database,
// and at the end of the note. A write that changes nothing is not sent.
//
// Keys the note does not keep (other kinds, other keys, a start outside what
// was read, a key moment that is no valid moment), and rows whose end the
// database would not take as a date, are read and written at once, as
// always. When such a write fails otherwise than as a duplicate of a kept
// row, or a waiting write fails all the same, the note's rows are no longer
// trusted and every later call goes to the database. The rows and the
// waiting writes end with the note, before its unit of work ends, so a
// unit rolled back never leaves rows behind that the database forgot.
#pragma once

#include <functional>

#include "analysis/cursor_rows.h"
#include "db/tables/nza.h"

// One note's work, from construction to destruction; nothing is kept until
// KeepNoteRows is called within it.
class NoteRows {
 public:
  NoteRows();
  ~NoteRows();
  NoteRows(const NoteRows&) = delete;
  NoteRows& operator=(const NoteRows&) = delete;
};

// Which keys the kept rows answer for: a key (kind, work place, order,
// operation, person, and the start unless `withStart` is false) whose
// rows were all read.
using KeptKeys = std::function<bool(const NzaSatz& key, bool withStart)>;

// Keeps `read` for the note, answering for the keys `keeps` accepts.
// Without a NoteRows, or when the read failed, nothing is kept.
void KeepNoteRows(const CursorRows<NzaSatz>& read, KeptKeys keeps);

// A start as the statements bind it ('yyyymmddHH24MISS'); empty without a
// date. Only a valid moment is one the kept rows can answer for.
std::string BoundStart(const NzaSatz& row);
bool IsValidMoment(std::string_view moment);

// As Nza_PKeyReadk, Nza_ReadSA_EH, Nza_PKeyIns, Nza_PKeyUpd, Nza_PKeyDel.
int RowRead(NzaSatz* row);
int RowReadWhateverStart(NzaSatz* row);
int RowInsert(const NzaSatz* row);
int RowUpdate(const NzaSatz* row);
int RowDelete(const NzaSatz* row);

// As a walk of Nza_PKeyVon over `window`.
CursorRows<NzaSatz> RowsInWindow(const NzaSatz& window);
