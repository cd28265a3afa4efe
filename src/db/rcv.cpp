#include "db/rcv.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(RcvSatz, RcvMdt), DB_FIELD(RcvSatz, RcvLfn), DB_FIELD(RcvSatz, RcvDta),
                              DB_FIELD(RcvSatz, RcvEsb)};
constexpr db::Field kKey[] = {DB_FIELD(RcvSatz, RcvMdt), DB_FIELD(RcvSatz, RcvLfn)};

db::Query& queueQuery() {
  static db::Query q("Rcv_OpenCursor",
                     "select TO_CHAR(RcvMdt,'yyyymmddHH24MISS') ,RcvLfn ,RcvDta ,RcvEsb  from Kvs570Rcv  "
                     "order by RcvMdt");
  return q;
}

}  // namespace

Rcv_Cursor::Rcv_Cursor() : RecordCursor(queueQuery(), kRow) {}

int Rcv_Cursor::Open() { return cursor_.open({}); }

int Rcv_PKeyDel(const RcvSatz* rcv) {
  // The moment is compared as a date, not as text: so the queue's key
  // serves the delete, and draining a backlog does not read the whole
  // queue once per telegram.
  static db::Query q("Rcv_PKeyDel",
                     "delete  from Kvs570Rcv  where (RcvMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RcvLfn=:b1)");
  return db::writeRecord(q, rcv, kKey);
}

int Rcv_Count() {
  static db::Query q("Rcv_Count", "select count(*)  from Kvs570Rcv");
  std::int32_t n = -1;
  db::selectCount(q, {}, &n);
  return n;
}

int Rcv_PKeyIns(const RcvSatz* rcv) {
  static db::Query q("Rcv_PKeyIns",
                     "insert into Kvs570Rcv (RcvMdt,RcvLfn,RcvDta,RcvEsb) "
                     "values (TO_DATE(:b0,'yyyymmddHH24MISS'),:b1,:b2,:b3)");
  return db::writeRecord(q, rcv, kRow);
}
