#include "db/tables/mrk.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// MrkEsb belongs to the analyses' other users: read, never written here.
constexpr db::Column kColumns[] = {
    DB_COLUMN(MerkSatz, MrkKng), DB_COLUMN(MerkSatz, MrkApl), DB_COLUMN(MerkSatz, MrkApk),
    DB_COLUMN(MerkSatz, MrkApp), DB_COLUMN(MerkSatz, MrkPnr), DB_COLUMN(MerkSatz, MrkBnr),
    DB_STAMP(MerkSatz, MrkMdt),  DB_TOUCHED("MrkDat"),        DB_COLUMN(MerkSatz, MrkObj),
    db::Column{DB_FIELD(MerkSatz, MrkEsb), db::ColumnForm::Value, nullptr, db::ColumnUse::ReadOnly}};

constexpr db::KeyNames kKey = {"MrkKng", "MrkApl", "MrkApk", "MrkApp", "MrkPnr", "MrkBnr"};

const db::Table& mrk() { return db::tables::Mrk(); }

db::Query& kindQuery() {
  static db::Query q("Mrk_MrkKng", mrk().select() + "where MrkKng=:b0 order by MrkApl,MrkApk,MrkApp,MrkMdt");
  return q;
}

}  // namespace

const db::Table& db::tables::Mrk() {
  static const db::Table table("Kvs563Mrk", kColumns);
  return table;
}

int Mrk_PKeyIns(const MerkSatz* m) {
  static db::Query q("Mrk_PKeyIns", mrk().insert());
  return db::writeRecord(q, m, mrk().writeFields());
}

int Mrk_PKeyDel(const MerkSatz* m) {
  static const db::KeyCondition key = mrk().key(kKey);
  static db::Query q("Mrk_PKeyDel", mrk().erase(kKey));
  return db::writeRecord(q, m, key.binds);
}

int Mrk_PKeyDelPending(const MerkSatz* m) {
  static const db::KeyCondition key = mrk().key(kKey);
  static db::Query q("Mrk_PKeyDelPending", mrk().erase(kKey));
  return db::writeExistingRecord(q, m, key.binds);
}

// The key is not unique: two notes that differ only in MrkMdt make this
// single-row read fail with -1422.
int Mrk_PKeyReadk(MerkSatz* m) {
  static const db::KeyCondition key = mrk().key(kKey);
  static db::Query q("Mrk_PKeyReadk", mrk().select() + key.where);
  return db::readRecord(q, m, key.binds, mrk().rowFields(), db::OnFailure::Unchanged);
}

int Mrk_CountKng(const char* kind, std::int32_t* count) {
  static db::Query q("Mrk_CountKng", "select count(*)  from Kvs563Mrk where MrkKng=:b1");
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return db::selectCount(q, params, count);
}

Mrk_MrkKng::Mrk_MrkKng() : RecordCursor(kindQuery(), mrk().rowFields()) {}
int Mrk_MrkKng::Open(const char* kind) {
  const db::Value params[] = {db::Value::text(kind ? kind : "")};
  return cursor_.open(params);
}
