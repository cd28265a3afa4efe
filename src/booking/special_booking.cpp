#include "booking/special_booking.h"

void Meldung_Klasse2(TelSatz, FzuSatz) {}
