#include "db/tables/bnr.h"

#include <cstdint>

#include "base/status.h"
#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_COLUMN(BnrSatz, BnrKey), DB_COLUMN(BnrSatz, BnrBnr), DB_TOUCHED("BnrEdt"),
                                   DB_COLUMN(BnrSatz, BnrEsb)};

constexpr db::KeyNames kKey = {"BnrKey"};

constexpr int kValueTooLarge = -1438;

const db::Table& bnr() { return db::tables::Bnr(); }

}  // namespace

const db::Table& db::tables::Bnr() {
  static const db::Table table("Kvs552Bnr", kColumns);
  return table;
}

int Bnr_PKeyReadk(BnrSatz* b) {
  static const db::KeyCondition key = bnr().key(kKey);
  static db::Query q("Bnr_PKeyReadk", bnr().select() + key.where);
  return db::readRecord(q, b, key.binds, bnr().rowFields(), db::OnFailure::KeepKey);
}

int Bnr_PKeyIns(const BnrSatz* b) {
  static db::Query q("Bnr_PKeyIns", bnr().insert());
  return db::writeRecord(q, b, bnr().writeFields());
}

int Bnr_PKeyUpd(const BnrSatz* b) {
  static const db::RowUpdate u = bnr().update(kKey);
  static db::Query q("Bnr_PKeyUpd", u.sql);
  return db::writeRecord(q, b, u.binds);
}

// One statement counts up and hands the number back: a single round trip
// to a database server where a read and a write took two.
int Bnr_NextNumber(std::string_view key, std::string_view creator, std::int32_t* number) {
  // A counter at its top hands out nothing rather than wrapping into
  // numbers that are already in use.
  static db::Query q("Bnr_NextNumber",
                     "update Kvs552Bnr set BnrBnr=BnrBnr+1,BnrEdt=sysdate,BnrEsb=:b0 "
                     "where BnrKey=:b1 and BnrBnr<2147483647 returning BnrBnr");
  BnrSatz bnr;
  bnr.BnrKey = key;
  bnr.BnrEsb = creator;  // cut to the column's width
  const db::Value params[] = {db::Value::text(bnr.BnrEsb.str()), db::Value::text(bnr.BnrKey.str())};
  db::Row counted;
  int rc = db::writeReturning(q, params, counted);
  if (rc == 0) {
    *number = static_cast<std::int32_t>(counted.at(0).asInt());
    return rc;
  }
  if (rc != status::kNoRow) return rc;
  // Nothing counted up: the counter is at its top, or not there yet.
  if (Bnr_PKeyReadk(&bnr) == 0) return kValueTooLarge;
  bnr.BnrKey = key;
  bnr.BnrBnr = 1;
  bnr.BnrEsb = creator;
  rc = Bnr_PKeyIns(&bnr);
  if (rc == 0) *number = bnr.BnrBnr;
  return rc;
}
