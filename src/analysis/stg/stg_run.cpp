#include "analysis/analyses.h"

int Dlz_Abarbeiten() { return 0; }
