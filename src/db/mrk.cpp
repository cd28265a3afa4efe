#include "db/mrk.h"

#include "db/access.h"

int Mrk_CountKng(const char* kind, std::int32_t* count) {
  static db::Query q("Mrk_CountKng", "select count(*)  from Kvs563Mrk where MrkKng=:b1");
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return db::selectCount(q, params, count);
}
