#include "db/mrk.h"

#include "db/access.h"

namespace {

#define MRK_SELECT_LIST \
  "select MrkKng,MrkApl,MrkApk,MrkApp,MrkPnr,MrkBnr,TO_CHAR(MrkMdt,'yyyymmddHH24MISS'),MrkObj,MrkEsb  from Kvs563Mrk "

constexpr db::Field kRow[] = {DB_FIELD(MerkSatz, MrkKng), DB_FIELD(MerkSatz, MrkApl), DB_FIELD(MerkSatz, MrkApk),
                              DB_FIELD(MerkSatz, MrkApp), DB_FIELD(MerkSatz, MrkPnr), DB_FIELD(MerkSatz, MrkBnr),
                              DB_FIELD(MerkSatz, MrkMdt), DB_FIELD(MerkSatz, MrkObj), DB_FIELD(MerkSatz, MrkEsb)};
// The insert's binds, in the order of its statement; MrkEsb is not among them.
constexpr db::Field kInsert[] = {DB_FIELD(MerkSatz, MrkKng), DB_FIELD(MerkSatz, MrkApl),
                                 DB_FIELD(MerkSatz, MrkApk), DB_FIELD(MerkSatz, MrkApp),
                                 DB_FIELD(MerkSatz, MrkPnr), DB_FIELD(MerkSatz, MrkMdt),
                                 DB_FIELD(MerkSatz, MrkObj), DB_FIELD(MerkSatz, MrkBnr)};
constexpr db::Field kKey[] = {DB_FIELD(MerkSatz, MrkKng), DB_FIELD(MerkSatz, MrkApl), DB_FIELD(MerkSatz, MrkApk),
                              DB_FIELD(MerkSatz, MrkApp), DB_FIELD(MerkSatz, MrkPnr), DB_FIELD(MerkSatz, MrkBnr)};

#define MRK_WHERE_KEY \
  "where (((((MrkKng=:b0 and MrkApl=:b1) and MrkApk=:b2) and MrkApp=:b3) and MrkPnr=:b4) and MrkBnr=:b5)"

db::Query& kindQuery() {
  static db::Query q("Mrk_MrkKng", MRK_SELECT_LIST "where MrkKng=:b0 order by MrkApl,MrkApk,MrkApp,MrkMdt");
  return q;
}

}  // namespace

int Mrk_PKeyIns(const MerkSatz* mrk) {
  static db::Query q("Mrk_PKeyIns",
                     "insert into Kvs563Mrk (MrkKng,MrkApl,MrkApk,MrkApp,MrkPnr,MrkMdt,MrkDat,MrkObj,MrkBnr) "
                     "values (:b0,:b1,:b2,:b3,:b4,TO_DATE(:b5,'yyyymmddHH24MISS'),sysdate,:b6,:b7)");
  return db::writeRecord(q, mrk, kInsert);
}

int Mrk_PKeyDel(const MerkSatz* mrk) {
  static db::Query q("Mrk_PKeyDel", "delete  from Kvs563Mrk  " MRK_WHERE_KEY);
  return db::writeRecord(q, mrk, kKey);
}

// The key is not unique: two notes that differ only in MrkMdt make this
// single-row read fail with -1422.
int Mrk_PKeyReadk(MerkSatz* mrk) {
  static db::Query q("Mrk_PKeyReadk", MRK_SELECT_LIST MRK_WHERE_KEY);
  return db::readRecord(q, mrk, kKey, kRow, db::OnFailure::Unchanged);
}

int Mrk_CountKng(const char* kind, std::int32_t* count) {
  static db::Query q("Mrk_CountKng", "select count(*)  from Kvs563Mrk where MrkKng=:b1");
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return db::selectCount(q, params, count);
}

Mrk_MrkKng::Mrk_MrkKng() : RecordCursor(kindQuery(), kRow) {}
int Mrk_MrkKng::Open(const char* kind) {
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return cursor_.open(params);
}

