// Makes chosen statements fail, for tests of what the worker does then.
// While a FaultInjection lives, the session's connection is wrapped: a
// statement picked by its routine name (or by its count) returns the given
// status instead of running. Transaction commands count as routines named
// by their first word ("COMMIT", "BEGIN", ...). Every statement that is
// run or made to fail is counted by its routine.
#pragma once

#include <memory>
#include <string>

#include "base/status.h"

namespace testdb {

class FaultInjection {
 public:
  FaultInjection();
  ~FaultInjection();
  FaultInjection(const FaultInjection&) = delete;
  FaultInjection& operator=(const FaultInjection&) = delete;

  // The nth run of the routine's statement from now fails (1 = the next).
  void FailRoutine(const std::string& routine, int status = status::kNotConnected, long nth = 1);
  // The nth statement from now fails, whichever it is (savepoints apart).
  void FailStatement(long nth, int status = status::kNotConnected);
  // The chosen failure also spoils the open transaction on the server, as
  // a statement that failed there does on PostgreSQL.
  void SpoilTransaction();
  // Nothing fails any more.
  void Clear();
  // Whether the chosen failure has happened.
  bool Fired() const;
  // Statements seen since the injection began (savepoints apart).
  long Statements() const;
  // Runs of the routine's statement since the injection began.
  long Runs(const std::string& routine) const;

  struct Plan;

 private:
  std::shared_ptr<Plan> plan_;
};

}  // namespace testdb
