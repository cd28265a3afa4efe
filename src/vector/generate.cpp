#include "vector/generate.h"

void MldGen(MelSatz) {}
