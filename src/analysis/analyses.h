// The three time analyses, each working off its pending notes.
#pragma once

int Nzs_Abarbeiten();  // person work and interruption periods ("NZS")
int Lzs_Abarbeiten();  // operation run times ("LZS")
int Dlz_Abarbeiten();  // work-place stoppages against the shift calendar ("STG")
