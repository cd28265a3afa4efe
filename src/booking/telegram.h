// The split telegram handed to booking.
#pragma once

#include "base/fixed_text.h"

struct TelSatz {
  FixedText<2> TelKz1;
  FixedText<2> TelOff;
  FixedText<3> TelTrm;
  FixedText<2> TelKz2;
  FixedText<9> TelDat;  // yyyymmdd: "20" and the telegram's yymmdd
  FixedText<7> TelUhr;  // HHMMSS
  FixedText<3> TelKz3;
  FixedText<4> TelFcd;
  FixedText<439> TelDta;  // the data part, laid out per function code
};
