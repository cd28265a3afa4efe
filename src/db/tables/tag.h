// Kvs327Tag: the attendance summary of a person per day (TagTag).
#pragma once

#include <cstdint>

#include "base/fixed_text.h"
#include "db/engine/access.h"

struct TagSatz {
  FixedText<9> TagPnr;
  FixedText<9> TagVon;  // attendance start, yyyymmdd
  FixedText<7> TagUhr;  // attendance start, HH24MISS
  FixedText<9> TagBis;  // attendance end, yyyymmdd
  FixedText<7> TagEnd;  // attendance end, HH24MISS
  FixedText<6> TagTgb;
  std::int32_t TagOne = 0;  // 0: the day counts
};

// The summary of TagPnr for day (yyyymmdd); the record is unchanged on failure.
int Tag_PKeyReadk(TagSatz* tag, const char* day);

// The counting days (TagOne 0) of a person from `fromDay` to `toDay`, both
// included, ordered by attendance start.
class Tag_Von : public db::RecordCursor<TagSatz> {
 public:
  Tag_Von();
  int Open(const char* pnr, const char* fromDay, const char* toDay);
};

// The summaries come from the time-recording program; tools and tests
// write them with this.
int Tag_PKeyIns(const TagSatz* tag, const char* day);
