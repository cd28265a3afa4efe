#include "analysis/analyses.h"

int Lzs_Abarbeiten() { return 0; }
