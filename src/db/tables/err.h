// Kvs554Err: the error protocol, written only.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct ErrSatz {
  FixedText<9> ErrErf;   // creator id
  FixedText<15> ErrEdt;  // yyyymmddHH24MISS
  FixedText<4> ErrBer;
  FixedText<9> ErrPnr;
  FixedText<11> ErrApl;
  FixedText<13> ErrApk;
  FixedText<6> ErrApp;
  std::int32_t ErrFnr = 0;  // error number
  std::int32_t ErrBnr = 0;  // booking number
  FixedText<11> ErrPgm;
  FixedText<4> ErrFun;
  FixedText<4> ErrObj;
};

// Inserts one protocol row with ErrDat = sysdate; commits when it succeeds.
int Err_PKeyIns(const ErrSatz* err);
