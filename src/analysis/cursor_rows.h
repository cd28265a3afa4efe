// Reading a cursor to its end into memory. The analyses walk every
// selection this way: a cursor shows the rows of the moment it was opened
// in any case, and a walk that holds no cursor open can run the same
// selection again inside itself (the interruptions of a work period are
// read with the cursor that delivered the work periods).
#pragma once

#include <utility>
#include <vector>

#include "base/status.h"

template <class Rec>
struct CursorRows {
  int openStatus = status::kOk;  // the open's result; nothing was read unless 0
  int endStatus = status::kNoRow;  // the fetch that ended the walk: 1403 or an error
  std::vector<Rec> rows;

  bool opened() const { return openStatus == status::kOk; }
  bool readFailed() const { return opened() && endStatus != status::kOk && endStatus != status::kNoRow; }
};

// Opens a cursor of the selection `Cursor` with `args`; on success every
// row is fetched and the cursor is closed.
template <class Rec, class Cursor, class... Args>
CursorRows<Rec> ReadAllRows(Args&&... args) {
  Cursor cursor;
  CursorRows<Rec> result;
  result.openStatus = cursor.Open(std::forward<Args>(args)...);
  if (result.openStatus != status::kOk) return result;
  Rec rec;
  int rc;
  while ((rc = cursor.Read(&rec)) == status::kOk) {
    result.rows.push_back(rec);
    rec = Rec();
  }
  result.endStatus = rc;
  cursor.Close();
  return result;
}
