// Kvs552Bnr: named counters (booking and upload numbers, polling interval).
#pragma once

#include <cstdint>
#include <string_view>

#include "base/fixed_text.h"

struct BnrSatz {
  FixedText<8> BnrKey;
  std::int32_t BnrBnr = 0;
  FixedText<9> BnrEsb;
};

int Bnr_PKeyReadk(BnrSatz* bnr);
int Bnr_PKeyIns(const BnrSatz* bnr);
int Bnr_PKeyUpd(const BnrSatz* bnr);

// Draws the next number of a counter row, creating the row with 1 when it
// cannot be read. 0 and the number, or the failed write's status.
int Bnr_NextNumber(std::string_view key, std::string_view creator, std::int32_t* number);
