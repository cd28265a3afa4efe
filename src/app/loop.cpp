#include "app/loop.h"

#include "analysis/analyses.h"
#include "analysis/calendar_reads.h"
#include "app/login.h"
#include "db/engine/dbdb.h"
#include "db/tables/mrk.h"
#include "db/tables/pass_reads.h"
#include "db/tables/rcv.h"
#include "db/engine/session.h"
#include "intake/receive.h"
#include "base/msglog.h"

PassPhases DefaultPhases() {
  return PassPhases{Rcv_Count, Input_Buchung, Mrk_CountKng, Nzs_Abarbeiten, Lzs_Abarbeiten, Dlz_Abarbeiten,
                    dbCommit, dbTidyUp};
}

void RunPass(const PassPhases& p) {
  // A failed count is not zero: the drain then reports its own errors.
  if (p.queueSize() != 0) {
    p.drainQueue();
    p.commit();
  }
  // The analyses of a pass read the switches and the shift calendar once
  // for all three runs; the drain before them writes neither.
  const PassReads masterData;
  const CalendarReads calendar;
  std::int32_t nzs = 0, lzs = 0;
  p.countNotes("NZS", &nzs);
  p.countNotes("LZS", &lzs);
  if (nzs != 0 || lzs != 0) {
    p.personAnalysis();
    p.runTimeAnalysis();
    p.commit();
  }
  std::int32_t stg = 0;
  p.countNotes("STG", &stg);
  if (stg != 0) {
    p.stoppageAnalysis();
    p.commit();
  }
  p.tidyUp();
}

bool EnsureConnected() {
  db::Session& s = db::Session::get();
  if (s.alive()) return true;
  int rc = dbConnect();
  if (rc != 0) {
    LogError("dbConnect", "fehlerhafter Connect mit der DB", rc);
    return false;
  }
  return true;
}
