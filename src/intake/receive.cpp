#include "intake/receive.h"

int Input_Buchung() { return 0; }
