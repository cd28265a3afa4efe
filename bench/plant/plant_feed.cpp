// Telegrams into the receive queue, as the receiving component puts them.
#include <algorithm>

#include "db/tables/rcv.h"
#include "db/engine/unit_of_work.h"
#include "plant/plant.h"

namespace plant {

int QueueTelegrams(const std::vector<PlantTelegram>& telegrams, std::size_t from, std::size_t to,
                   std::int32_t firstLfn) {
  db::UnitOfWork unit;
  if (!unit.open()) return unit.beginStatus();
  std::int32_t lfn = firstLfn;
  for (std::size_t k = from; k < to; ++k) {
    RcvSatz rcv;
    rcv.RcvMdt = telegrams[k].moment;
    rcv.RcvLfn = lfn++;
    rcv.RcvDta = telegrams[k].text;
    rcv.RcvEsb = "plant";
    if (int rc = Rcv_PKeyIns(&rcv); rc != 0) return rc;  // the unit rolls back
  }
  return unit.commit().status;
}

std::size_t TelegramsUpTo(const std::vector<PlantTelegram>& telegrams, const std::string& moment) {
  return static_cast<std::size_t>(
      std::upper_bound(telegrams.begin(), telegrams.end(), moment,
                       [](const std::string& m, const PlantTelegram& t) { return m < t.moment; }) -
      telegrams.begin());
}

}  // namespace plant
