#include "analysis/run_stamp.h"

#include "base/datetime.h"

std::string Laufstempel() {
  std::string stamp, unused;
  Datum_Zeit(stamp, unused, 4);
  return stamp;
}
