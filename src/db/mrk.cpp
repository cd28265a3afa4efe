#include "db/mrk.h"

#include "db/access.h"
#include "db/status.h"

// Placeholder bodies; the statements follow.
int Mrk_PKeyIns(const MerkSatz*) { return status::kNotConnected; }
int Mrk_PKeyDel(const MerkSatz*) { return status::kNotConnected; }
int Mrk_PKeyReadk(MerkSatz*) { return status::kNotConnected; }
int Mrk_MrkKng_Open(const char*) { return status::kNotConnected; }
int Mrk_MrkKng_Read(MerkSatz*) { return status::kNotConnected; }
int Mrk_MrkKng_Close() { return status::kNotConnected; }

int Mrk_CountKng(const char* kind, std::int32_t* count) {
  static db::Query q("Mrk_CountKng", "select count(*)  from Kvs563Mrk where MrkKng=:b1");
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return db::selectCount(q, params, count);
}
