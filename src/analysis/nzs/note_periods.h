// The period rows one note works on. A note walks the person's bookings on
// an operation from the log-on on and, for each, reads a period row by its
// key and writes it back; then it reads the periods of the window and
// writes their figures. On a database server every one of these is a round
// trip. While a note is worked (a NotePeriods lives) the work and
// interruption rows of its person and operation from the log-on on are read
// in one statement; reads of those rows are answered from memory, writes go
// to the database and, once it took them, into memory as the database keeps
// them. A write that changes nothing is not sent.
//
// Rows outside what was read (other keys, other kinds, a start before the
// log-on, a key moment that is no valid moment) are read and written as
// always. When a write fails, the note's rows are no longer trusted and
// every later call goes to the database.
#pragma once

#include "analysis/cursor_rows.h"
#include "db/tables/nza.h"

// One note's run, from construction to destruction; nothing is kept until
// KeepNotePeriods is called within it.
class NotePeriods {
 public:
  NotePeriods();
  ~NotePeriods();
  NotePeriods(const NotePeriods&) = delete;
  NotePeriods& operator=(const NotePeriods&) = delete;
};

// Reads the work and interruption rows of `keys` (NzaApl, NzaApk, NzaApp,
// NzaPnr) whose start is at or after NzaDtm/NzaDtmUhr, to be kept for the
// note. Without a NotePeriods, or when the read fails, nothing is kept.
void KeepNotePeriods(const NzaSatz& keys);

// As Nza_PKeyReadk, Nza_PKeyIns, Nza_PKeyUpd, Nza_PKeyDel.
int PeriodRead(NzaSatz* row);
int PeriodInsert(const NzaSatz* row);
int PeriodUpdate(const NzaSatz* row);
int PeriodDelete(const NzaSatz* row);

// As a walk of Nza_PKeyVon over `window`.
CursorRows<NzaSatz> PeriodsInWindow(const NzaSatz& window);
