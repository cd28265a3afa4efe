#include "vector/state_vector.h"

void AktiveZstd_Aktual(MelSatz*) {}
