#include "db/switches.h"

#include "db/nzp.h"

NzpSchalter NzpLaden() {
  NzpSchalter s;
  static const int kOrder[] = {1, 2, 3, 4, 7, 5, 9};
  for (int kind : kOrder) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    if (Nzp_PKeyReadk(&nzp) != 0) continue;  // a missing row leaves both flags clear
    s.aktiv[kind] = nzp.NzpAak == 1;
    s.merk[kind] = nzp.NzpMrk == 1;
  }
  return s;
}
