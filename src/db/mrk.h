// Kvs563Mrk: recalculation notes left by booking for the analyses.
#pragma once

#include <cstdint>

#include "db/fixed_text.h"

// Number of notes of one kind ("NZS", "LZS", "STG"); delivered only on success.
int Mrk_CountKng(const char* kind, std::int32_t* count);
