#include "db/engine/lease.h"

#include "base/status.h"
#include "db/engine/session.h"

namespace db {

int TakeLease(const std::string& holder, bool& held) {
  held = false;
  Session& s = Session::get();
  if (!s.connected()) return status::kNotConnected;
  return s.connection().takeLease(holder, held);
}

int LeaseHolder(std::string& holder) {
  holder.clear();
  Session& s = Session::get();
  if (!s.connected()) return status::kNotConnected;
  return s.connection().leaseHolder(holder);
}

}  // namespace db
