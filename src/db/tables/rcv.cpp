#include "db/tables/rcv.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_STAMP(RcvSatz, RcvMdt), DB_COLUMN(RcvSatz, RcvLfn), DB_COLUMN(RcvSatz, RcvDta),
                                   DB_COLUMN(RcvSatz, RcvEsb)};

constexpr db::KeyNames kKey = {"RcvMdt", "RcvLfn"};

const db::Table& rcv() { return db::tables::Rcv(); }

db::Query& queueQuery() {
  static db::Query q("Rcv_OpenCursor", rcv().select() + "order by RcvMdt");
  return q;
}

}  // namespace

const db::Table& db::tables::Rcv() {
  static const db::Table table("Kvs570Rcv", kColumns);
  return table;
}

Rcv_Cursor::Rcv_Cursor() : RecordCursor(queueQuery(), rcv().rowFields()) {}

int Rcv_Cursor::Open() { return cursor_.open({}); }

int Rcv_PKeyDel(const RcvSatz* r) {
  // The moment is compared as a date, not as text: so the queue's key
  // serves the delete, and draining a backlog does not read the whole
  // queue once per telegram.
  static const db::KeyCondition key = rcv().key(kKey);
  static db::Query q("Rcv_PKeyDel",
                     "delete  from Kvs570Rcv  where (RcvMdt=TO_DATE(:b0,'yyyymmddHH24MISS') and RcvLfn=:b1)");
  return db::writeExistingRecord(q, r, key.binds);
}

int Rcv_Count() {
  static db::Query q("Rcv_Count", "select count(*)  from Kvs570Rcv");
  std::int32_t n = -1;
  db::selectCount(q, {}, &n);
  return n;
}

int Rcv_PKeyIns(const RcvSatz* r) {
  static db::Query q("Rcv_PKeyIns", rcv().insert());
  return db::writeRecord(q, r, rcv().writeFields());
}

int Rcv_State(RcvQueueState* state) {
  static db::Query q("Rcv_State",
                     "select count(*), TO_CHAR(min(RcvMdt),'yyyymmddHH24MISS'), TO_CHAR(sysdate,'yyyymmddHH24MISS')  "
                     "from Kvs570Rcv");
  db::Row row;
  int rc = db::selectRow(q, {}, row);
  if (rc != status::kOk) return rc;
  state->rows = static_cast<std::int32_t>(row[0].asInt());
  state->oldest = row[1].isNull() ? std::string() : row[1].asText();
  state->now = row[2].asText();
  return rc;
}
