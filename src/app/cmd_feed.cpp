// `bdemorvelt feed [FILE]`: the stand-in for the receiving component. Every
// line of FILE (or standard input) becomes one row of the receive queue,
// stamped now, with running numbers that count up from the highest number
// the queue and the backup already hold, and the creator id "feed".
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "db/engine/access.h"
#include "db/tables/rcv.h"
#include "db/engine/unit_of_work.h"
#include "intake/classify.h"
#include "app/commands.h"
#include "base/datetime.h"

namespace {

// The highest running number of a table, 0 when it has none. These two
// statements serve only this command, so they live here and not with the
// worker's access routines.
std::int32_t highestNumber(db::Query& q) {
  std::int32_t n = 0;
  db::selectCount(q, {}, &n);  // an empty table (NULL maximum) leaves 0
  return n;
}

std::int32_t firstFreeNumber() {
  static db::Query queue("Feed_MaxRcvLfn", "select max(RcvLfn)  from Kvs570Rcv");
  static db::Query backup("Feed_MaxRvsLfn", "select max(RvsLfn)  from Kvs571Rvs");
  const std::int32_t a = highestNumber(queue), b = highestNumber(backup);
  return (a > b ? a : b) + 1;
}

// Queues the lines of `in`; false when any line could not be queued.
bool queueLines(std::istream& in, const char* source) {
  std::string now, unused;
  Datum_Zeit(now, unused, 4);
  // One unit: a feed is queued whole, and fast; a failing line undoes only itself.
  db::UnitOfWork unit;
  if (!unit.open()) {
    std::fprintf(stderr, "bdemorvelt: feed cannot start writing (%d)\n", unit.beginStatus());
    return false;
  }
  bool ok = true;
  long lineNumber = 0, queued = 0;
  std::int32_t lfn = firstFreeNumber();
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kTelegramLimit)
      std::fprintf(stderr, "bdemorvelt: %s:%ld: cut to %zu characters\n", source, lineNumber, kTelegramLimit);
    RcvSatz rcv;
    rcv.RcvMdt = now;
    rcv.RcvLfn = lfn;
    rcv.RcvDta = line;
    rcv.RcvEsb = "feed";
    if (int rc = Rcv_PKeyIns(&rcv); rc != 0) {
      std::fprintf(stderr, "bdemorvelt: %s:%ld: not queued (%d)\n", source, lineNumber, rc);
      ok = false;
      continue;
    }
    ++lfn;
    ++queued;
  }
  if (const db::UnitEnd end = unit.commit(); !end.committed()) {
    std::fprintf(stderr, "bdemorvelt: feed could not be committed (%d); nothing was queued\n", end.status);
    return false;
  }
  std::printf("%ld telegram%s queued\n", queued, queued == 1 ? "" : "s");
  return ok;
}

}  // namespace

int RunFeed(const Options& options) {
  if (options.args.size() > 1) {
    std::fprintf(stderr, "bdemorvelt: feed takes at most one file\n");
    return 2;
  }
  const bool fromStdin = options.args.empty() || options.args[0] == "-";
  std::ifstream file;
  if (!fromStdin) {
    file.open(options.args[0], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "bdemorvelt: cannot read %s\n", options.args[0].c_str());
      return 1;
    }
  }
  if (!ConnectForCommand(options, false)) return 1;
  const bool ok = fromStdin ? queueLines(std::cin, "stdin") : queueLines(file, options.args[0].c_str());
  return ok ? 0 : 1;
}
