// Kvs591Nzp: analysis parameters, one row per analysis kind and validity range.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct NzpSatz {
  std::int32_t NzpAkz = 0;
  FixedText<9> NzpGvn;  // yyyymmdd
  FixedText<9> NzpGbi;  // yyyymmdd
  std::int32_t NzpAak = 0;  // 1: the analysis kind is active
  std::int32_t NzpAwt = 0;
  std::int32_t NzpKjh = 0;
  std::int32_t NzpKmn = 0;
  std::int32_t NzpKwo = 0;
  std::int32_t NzpKtg = 0;
  std::int32_t NzpAan = 0;
  std::int32_t NzpVfh = 0;
  std::int32_t NzpNfh = 0;
  FixedText<9> NzpAus;
  std::int32_t NzpMrk = 0;  // 1: bookings leave notes for this kind
};

// The row of NzpAkz valid today, strictly inside its range; record unchanged on failure.
int Nzp_PKeyReadk(NzpSatz* nzp);
int Nzp_PKeyIns(const NzpSatz* nzp);
