// Kvs533Emo: the shifts of the shift models, per day type; times are
// minutes after midnight. Each shift links to a break model (EmoPmo).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct EmoSatz {
  FixedText<11> EmoEmo;  // shift model
  FixedText<4> EmoTtp;   // day type
  FixedText<11> EmoTxt;
  std::int32_t EmoBeg = 0;  // shift start
  std::int32_t EmoEnd = 0;  // shift end; before EmoBeg when the shift ends the next day
  std::int32_t EmoArt = 0;
};

// One break period of a shift, valid on one day.
struct EmoPausenSatz {
  FixedText<11> EmoEmo;
  FixedText<4> EmoTtp;
  FixedText<11> EmoTxt;
  std::int32_t EmoBeg = 0;
  std::int32_t EmoEnd = 0;
  FixedText<6> PmsNum;  // break period number
  std::int32_t PmsBeg = 0;
  std::int32_t PmsEnd = 0;
  std::int32_t PmsInt = 0;
  std::int32_t PmsPse = 0;
  std::int32_t PmsBzt = 0;
  std::int32_t PmsPrz = 0;
};

// The shifts of model `emo` and day type `ttp`, ordered by the shift start.
class Emo_Schicht : public db::RecordCursor<EmoSatz> {
 public:
  Emo_Schicht();
  int Open(const char* emo, const char* ttp);
};

// The break periods of model `emo`, day type `ttp` whose break-model link
// is valid on `date` (yyyymmdd), ordered by the shift start.
class Emo_Pausen : public db::RecordCursor<EmoPausenSatz> {
 public:
  Emo_Pausen();
  int Open(const char* emo, const char* ttp, const char* date);
};

// Shift models belong to another program; the demo, the tests and the
// benchmark load them with this. `pmo` is the shift's break-model link.
int Emo_PKeyIns(const EmoSatz* emo, const char* pmo);

// The day types that any shift model has shifts for, each once.
int Emo_Tagestypen(std::vector<std::string>& types);
