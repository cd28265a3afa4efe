#include "main/switches.h"

#include "db/nzp.h"

bool NzpAktiv[kNzpKinds];
bool NzpMerk[kNzpKinds];

void NzpLaden() {
  for (int k = 0; k < kNzpKinds; ++k) NzpAktiv[k] = NzpMerk[k] = false;
  static const int kOrder[] = {1, 2, 3, 4, 7, 5, 9};
  for (int kind : kOrder) {
    NzpSatz nzp;
    nzp.NzpAkz = kind;
    if (Nzp_PKeyReadk(&nzp) != 0) continue;  // a missing row leaves both flags clear
    NzpAktiv[kind] = nzp.NzpAak == 1;
    NzpMerk[kind] = nzp.NzpMrk == 1;
  }
}
