#include "db/bnr.h"

#include <cstdint>

#include "db/access.h"
#include "db/tables.h"

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
  static db::Query q("Bnr_PKeyUpd", bnr().update(kKey));
  return db::writeRecord(q, b, bnr().writeFields());
}

int Bnr_NextNumber(std::string_view key, std::string_view creator, std::int32_t* number) {
  BnrSatz bnr;
  bnr.BnrKey = key;
  int rc;
  if (Bnr_PKeyReadk(&bnr) == 0) {
    // A counter at its top hands out nothing rather than wrapping into
    // numbers that are already in use.
    if (bnr.BnrBnr == INT32_MAX) return kValueTooLarge;
    bnr.BnrBnr += 1;
    bnr.BnrEsb = creator;
    rc = Bnr_PKeyUpd(&bnr);
  } else {
    bnr.BnrBnr = 1;
    bnr.BnrEsb = creator;
    rc = Bnr_PKeyIns(&bnr);
  }
  if (rc == 0) *number = bnr.BnrBnr;
  return rc;
}
