#include "db/tables/apk.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {
    DB_COLUMN(ApkSatz, ApkApk), DB_COLUMN(ApkSatz, ApkBz1), DB_COLUMN(ApkSatz, ApkBz2),
    DB_COLUMN(ApkSatz, ApkTxt), DB_COLUMN(ApkSatz, ApkSts), DB_COLUMN(ApkSatz, ApkSis),
    DB_COLUMN(ApkSatz, ApkKun), DB_COLUMN(ApkSatz, ApkKb1), DB_COLUMN(ApkSatz, ApkKb2),
    DB_DAY(ApkSatz, ApkBgs),    DB_DAY(ApkSatz, ApkEns),    DB_COLUMN(ApkSatz, ApkAfo),
    DB_COLUMN(ApkSatz, ApkEaf), DB_COLUMN(ApkSatz, ApkTnr), DB_COLUMN(ApkSatz, ApkTb1),
    DB_COLUMN(ApkSatz, ApkTb2), DB_COLUMN(ApkSatz, ApkSme), DB_COLUMN(ApkSatz, ApkIme),
    DB_COLUMN(ApkSatz, ApkMee), DB_MOMENT_COLUMN(ApkSatz, ApkBdi, ApkBdiUhr),
    DB_MOMENT_COLUMN(ApkSatz, ApkEdi, ApkEdiUhr), DB_COLUMN(ApkSatz, ApkFbe), DB_COLUMN(ApkSatz, ApkKst),
    DB_COLUMN(ApkSatz, ApkZf1), DB_COLUMN(ApkSatz, ApkZf2), DB_COLUMN(ApkSatz, ApkZf3),
    DB_COLUMN(ApkSatz, ApkKnz), DB_COLUMN(ApkSatz, ApkSsn), DB_COLUMN(ApkSatz, ApkDna),
    DB_COLUMN(ApkSatz, ApkDwn), DB_COLUMN(ApkSatz, ApkSta), DB_COLUMN(ApkSatz, ApkErf),
    DB_COLUMN(ApkSatz, ApkAba), DB_TOUCHED("ApkDat")};

constexpr db::KeyNames kKey = {"ApkApk"};

const db::Table& apk() { return db::tables::Apk(); }

}  // namespace

const db::Table& db::tables::Apk() {
  static const db::Table table("Kvs501Apk", kColumns);
  return table;
}

int Apk_PKeyReadk(ApkSatz* a) {
  static const db::KeyCondition key = apk().key(kKey);
  static db::Query q("Apk_PKeyReadk", apk().select() + key.where);
  return db::readRecord(q, a, key.binds, apk().rowFields(), db::OnFailure::KeepKey);
}

int Apk_PKeyUpd(const ApkSatz* a) {
  static const db::RowUpdate u = apk().update(kKey);
  static db::Query q("Apk_PKeyUpd", u.sql);
  return db::writeRecord(q, a, u.binds);
}

int Apk_PKeyIns(const ApkSatz* a) {
  static db::Query q("Apk_PKeyIns", apk().insert());
  return db::writeRecord(q, a, apk().writeFields());
}
