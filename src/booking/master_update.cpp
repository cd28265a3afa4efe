#include "booking/master_update.h"

void StammTab_Akual(MelSatz*) {}
void Teilenummer_Holen(MelSatz*) {}
void Arbeitsplatz_Aktual(MelSatz*) {}
