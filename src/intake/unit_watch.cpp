#include "intake/unit_watch.h"

#include "db/status.h"

namespace {

struct Watch {
  bool keepQueued = false;
  bool connectionLost = false;
  int reason = 0;
};

Watch& watch() {
  static Watch w;
  return w;
}

}  // namespace

void UnitWatch_Start() { watch() = Watch{}; }

int UnitWatch_Status(int rc) {
  if (rc == status::kNotConnected) {
    watch().connectionLost = true;
    UnitWatch_KeepQueued(rc);
  }
  return rc;
}

void UnitWatch_KeepQueued(int rc) {
  Watch& w = watch();
  if (!w.keepQueued) w.reason = rc;  // the first cause is the one worth logging
  w.keepQueued = true;
}

bool UnitWatch_MustKeepQueued() { return watch().keepQueued; }
bool UnitWatch_ConnectionLost() { return watch().connectionLost; }
int UnitWatch_Reason() { return watch().reason; }
