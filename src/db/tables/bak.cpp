#include "db/tables/bak.h"

#include "base/civil_date.h"
#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

constexpr db::Column kColumns[] = {DB_DAY(BakSatz, BakDtm),    DB_COLUMN(BakSatz, BakJhr), DB_COLUMN(BakSatz, BakMon),
                                   DB_COLUMN(BakSatz, BakTag), DB_COLUMN(BakSatz, BakWch), DB_COLUMN(BakSatz, BakWtg),
                                   DB_COLUMN(BakSatz, BakJtg)};

const db::Table& bak() { return db::tables::Bak(); }

db::Query& daysQuery() {
  static db::Query q("Bak_Von", bak().select() +
                                    "where (TO_CHAR(BakDtm,'yyyymmdd')>=:b0 and TO_CHAR(BakDtm,'yyyymmdd')<=:b1) "
                                    "order by BakDtm");
  return q;
}

}  // namespace

const db::Table& db::tables::Bak() {
  static const db::Table table("KvSystem.Kvs133Bak", kColumns);
  return table;
}

int Bak_PKeyReadk(BakSatz* b, const char* date, std::int32_t days) {
  static db::Query q("Bak_PKeyReadk", bak().select() + "where BakDtm=ADD_DAYS(TO_DATE(:b14,'yyyymmdd'),:b15)");
  const db::Value params[] = {db::Value::text(date ? date : ""), db::Value::integer(days)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == 0) db::setFields(b, bak().rowFields(), row);
  return rc;
}

int Bak_Count(const char* from, const char* to, std::int32_t* count) {
  static db::Query q("Bak_Count",
                     "select count(*)  from KvSystem.Kvs133Bak where (BakDtm>TO_DATE(:b1,'yyyymmdd') and "
                     "BakDtm<=TO_DATE(:b2,'yyyymmdd'))");
  const db::Value params[] = {db::Value::text(from ? from : ""), db::Value::text(to ? to : "")};
  return db::selectCount(q, params, count);
}

int Bak_PKeyIns(const BakSatz* b) {
  static db::Query q("Bak_PKeyIns", bak().insert());
  return db::writeRecord(q, b, bak().writeFields());
}

Bak_Von::Bak_Von() : RecordCursor(daysQuery(), bak().rowFields()) {}
int Bak_Von::Open(const char* from, const char* to) {
  const db::Value params[] = {db::Value::text(from ? from : ""), db::Value::text(to ? to : "")};
  return cursor_.open(params);
}

int Bak_Datum(BakSatz* b) {
  static const db::KeyCondition key = bak().key({"BakDtm"});
  static db::Query q("Bak_Datum", bak().select() + key.where);
  return db::readRecord(q, b, key.binds, bak().rowFields(), db::OnFailure::Unchanged);
}

BakSatz Bak_Tag(const std::string& date) {
  const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(4, 2)), d = std::stoi(date.substr(6, 2));
  BakSatz bak;
  bak.BakDtm = date;
  bak.BakJhr = y;
  bak.BakMon = m;
  bak.BakTag = d;
  bak.BakWch = IsoWeek(y, m, d);
  bak.BakWtg = IsoWeekday(y, m, d);
  bak.BakJtg = DayOfYear(y, m, d);
  return bak;
}
