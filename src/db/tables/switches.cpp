#include "db/tables/switches.h"

#include "base/status.h"
#include "db/tables/nzp.h"

NzpSchalter NzpLaden() {
  NzpSchalter s;
  LoadSwitches(&s);
  return s;
}

bool LoadSwitches(NzpSchalter* out) {
  *out = NzpSchalter();
  bool answered = true;
  static const int kOrder[] = {1, 2, 3, 4, 7, 5, 9};
  for (int kind : kOrder) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    const int rc = Nzp_PKeyReadk(&nzp);
    if (rc != status::kOk) {
      // A missing row leaves both flags clear, as does a failed read.
      if (rc != status::kNoRow) answered = false;
      continue;
    }
    out->aktiv[kind] = nzp.NzpAak == 1;
    out->merk[kind] = nzp.NzpMrk == 1;
  }
  return answered;
}
