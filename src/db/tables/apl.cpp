#include "db/tables/apl.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(AplSatz, AplApl), DB_COLUMN(AplSatz, AplBez), DB_COLUMN(AplSatz, AplTxt),
    DB_COLUMN(AplSatz, AplApg), DB_COLUMN(AplSatz, AplFbe), DB_COLUMN(AplSatz, AplSts),
    DB_COLUMN(AplSatz, AplSis), DB_COLUMN(AplSatz, AplApr), DB_COLUMN(AplSatz, AplAaf),
    DB_COLUMN(AplSatz, AplUbg), DB_STAMP(AplSatz, AplUdt),  DB_COLUMN(AplSatz, AplTag),
    DB_COLUMN(AplSatz, AplVrf), DB_COLUMN(AplSatz, AplRsp), DB_COLUMN(AplSatz, AplRsi),
    DB_COLUMN(AplSatz, AplAfp), DB_COLUMN(AplSatz, AplAfi), DB_COLUMN(AplSatz, AplPau),
    DB_COLUMN(AplSatz, AplUnt), DB_COLUMN(AplSatz, AplIak), DB_COLUMN(AplSatz, AplAvt),
    DB_COLUMN(AplSatz, AplKap), DB_COLUMN(AplSatz, AplAvr), DB_COLUMN(AplSatz, AplAvp),
    DB_COLUMN(AplSatz, AplSt1), DB_COLUMN(AplSatz, AplSt2), DB_COLUMN(AplSatz, AplSt3),
    DB_COLUMN(AplSatz, AplSf1), DB_COLUMN(AplSatz, AplSf2), DB_COLUMN(AplSatz, AplSf3),
    DB_COLUMN(AplSatz, AplZf1), DB_COLUMN(AplSatz, AplZf2), DB_COLUMN(AplSatz, AplZf3),
    DB_COLUMN(AplSatz, AplDna), DB_COLUMN(AplSatz, AplDwn), DB_COLUMN(AplSatz, AplSta),
    DB_COLUMN(AplSatz, AplErf), DB_TOUCHED("AplDat")};

constexpr db::KeyNames kKey = {"AplApl"};

const db::Table& apl() { return db::tables::Apl(); }

db::Query& everyWorkPlace() {
  static db::Query q("Apl_Alle", apl().select() + "order by AplApl");
  return q;
}

}  // namespace

Apl_Alle::Apl_Alle() : RecordCursor(everyWorkPlace(), apl().rowFields()) {}
int Apl_Alle::Open() { return cursor_.open(std::span<const db::Value>()); }

const db::Table& db::tables::Apl() {
  static const db::Table table("Kvs531Apl", kColumns);
  return table;
}

int Apl_PKeyReadk(AplSatz* a) {
  static const db::KeyCondition key = apl().key(kKey);
  static db::Query q("Apl_PKeyReadk", apl().select() + key.where);
  return db::readRecord(q, a, key.binds, apl().rowFields(), db::OnFailure::KeepKey);
}

int Apl_PKeyUpd(const AplSatz* a) {
  static const db::RowUpdate u = apl().update(kKey);
  static db::Query q("Apl_PKeyUpd", u.sql);
  return db::writeRecord(q, a, u.binds);
}

int Apl_PKeyIns(const AplSatz* a) {
  static db::Query q("Apl_PKeyIns", apl().insert());
  return db::writeRecord(q, a, apl().writeFields());
}
