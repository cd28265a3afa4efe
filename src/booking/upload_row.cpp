#include "booking/upload_row.h"

void PPS_SatzSchreiben(MelSatz) {}
void GenBdeToPps(MelSatz) {}
