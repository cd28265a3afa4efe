#include "db/bnr.h"

#include <cstdint>

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(BnrSatz, BnrKey), DB_FIELD(BnrSatz, BnrBnr), DB_FIELD(BnrSatz, BnrEsb)};
constexpr db::Field kKey[] = {DB_FIELD(BnrSatz, BnrKey)};

constexpr int kValueTooLarge = -1438;

}  // namespace

int Bnr_PKeyReadk(BnrSatz* bnr) {
  static db::Query q("Bnr_PKeyReadk", "select BnrKey ,BnrBnr ,BnrEsb  from Kvs552Bnr where BnrKey=:b6");
  return db::readRecord(q, bnr, kKey, kRow, db::OnFailure::KeepKey);
}

int Bnr_PKeyIns(const BnrSatz* bnr) {
  static db::Query q("Bnr_PKeyIns",
                     "insert into Kvs552Bnr (BnrKey,BnrBnr,BnrEdt,BnrEsb) values (:b0,:b1,sysdate,:b2)");
  return db::writeRecord(q, bnr, kRow);
}

int Bnr_PKeyUpd(const BnrSatz* bnr) {
  static db::Query q("Bnr_PKeyUpd",
                     "update KVS552Bnr  set BnrKey=:b0,BnrBnr=:b1,BnrEdt=sysdate,BnrEsb=:b2 where BnrKey=:b0");
  return db::writeRecord(q, bnr, kRow);
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
