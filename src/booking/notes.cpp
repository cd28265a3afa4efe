#include "booking/notes.h"

void MerkSaetze_Schreiben(MelSatz, FzuSatz) {}
