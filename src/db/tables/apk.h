// Kvs501Apk: the orders. Booking moves their status, start and end and
// their finished-operation count.
#pragma once

#include <cstdint>

#include "base/fixed_text.h"

struct ApkSatz {
  FixedText<13> ApkApk;  // order number
  FixedText<31> ApkBz1;
  FixedText<31> ApkBz2;
  FixedText<11> ApkTxt;
  std::int16_t ApkSts = 0;  // status
  std::int16_t ApkSis = 0;  // status before the last change
  FixedText<8> ApkKun;
  FixedText<31> ApkKb1;
  FixedText<31> ApkKb2;
  FixedText<9> ApkBgs;  // yyyymmdd
  FixedText<9> ApkEns;  // yyyymmdd
  std::int16_t ApkAfo = 0;  // number of operations
  std::int16_t ApkEaf = 0;  // finished operations
  FixedText<21> ApkTnr;     // part number
  FixedText<31> ApkTb1;
  FixedText<31> ApkTb2;
  double ApkSme = 0;
  double ApkIme = 0;
  FixedText<4> ApkMee;
  FixedText<9> ApkBdi;     // actual start, date part yyyymmdd
  FixedText<7> ApkBdiUhr;  // actual start, time part HH24MISS
  FixedText<9> ApkEdi;     // actual end, date part
  FixedText<7> ApkEdiUhr;  // actual end, time part
  FixedText<11> ApkFbe;
  FixedText<11> ApkKst;
  FixedText<31> ApkZf1;
  FixedText<31> ApkZf2;
  FixedText<31> ApkZf3;
  FixedText<2> ApkKnz;
  std::int16_t ApkSsn = 0;
  FixedText<4> ApkDna;
  FixedText<9> ApkDwn;
  std::int16_t ApkSta = 0;
  FixedText<9> ApkErf;
  std::int32_t ApkAba = 0;  // completion rule: 1 last operation, 2 all operations
};

// By ApkApk; on failure the key stays and every other field is cleared.
int Apk_PKeyReadk(ApkSatz* apk);
// Writes every field back and stamps ApkDat; an empty date field writes NULL.
int Apk_PKeyUpd(const ApkSatz* apk);
// Orders belong to another program; the demo, the tests and the benchmark
// load them with this.
int Apk_PKeyIns(const ApkSatz* apk);
