#include "analysis/analyses.h"

int Nzs_Abarbeiten() { return 0; }
