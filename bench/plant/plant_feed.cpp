// Telegrams into the receive queue, as the receiving component puts them.
#include <algorithm>

#include "db/rcv.h"
#include "db/session.h"
#include "plant/plant.h"

namespace plant {

int QueueTelegrams(const std::vector<PlantTelegram>& telegrams, std::size_t from, std::size_t to,
                   std::int32_t firstLfn) {
  db::Session& session = db::Session::get();
  if (int rc = session.beginUnit(); rc != 0) return rc;
  std::int32_t lfn = firstLfn;
  for (std::size_t k = from; k < to; ++k) {
    RcvSatz rcv;
    rcv.RcvMdt = telegrams[k].moment;
    rcv.RcvLfn = lfn++;
    rcv.RcvDta = telegrams[k].text;
    rcv.RcvEsb = "plant";
    if (int rc = Rcv_PKeyIns(&rcv); rc != 0) {
      session.rollbackUnit();
      return rc;
    }
  }
  return session.commitUnit();
}

std::size_t TelegramsUpTo(const std::vector<PlantTelegram>& telegrams, const std::string& moment) {
  return static_cast<std::size_t>(
      std::upper_bound(telegrams.begin(), telegrams.end(), moment,
                       [](const std::string& m, const PlantTelegram& t) { return m < t.moment; }) -
      telegrams.begin());
}

}  // namespace plant
