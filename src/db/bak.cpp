#include "db/bak.h"

#include "base/civil_date.h"
#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(BakSatz, BakDtm), DB_FIELD(BakSatz, BakJhr), DB_FIELD(BakSatz, BakMon),
                              DB_FIELD(BakSatz, BakTag), DB_FIELD(BakSatz, BakWch), DB_FIELD(BakSatz, BakWtg),
                              DB_FIELD(BakSatz, BakJtg)};

db::Query& daysQuery() {
  static db::Query q("Bak_Von",
                     "select TO_CHAR(BakDtm,'yyyymmdd') ,BakJhr ,BakMon ,BakTag ,BakWch ,BakWtg ,BakJtg  "
                     "from KvSystem.Kvs133Bak where (TO_CHAR(BakDtm,'yyyymmdd')>=:b0 and "
                     "TO_CHAR(BakDtm,'yyyymmdd')<=:b1) order by BakDtm");
  return q;
}

}  // namespace

int Bak_PKeyReadk(BakSatz* bak, const char* date, std::int32_t days) {
  static db::Query q("Bak_PKeyReadk",
                     "select TO_CHAR(BakDtm,'yyyymmdd'),BakJhr,BakMon,BakTag,BakWch,BakWtg,BakJtg "
                     "from KvSystem.Kvs133Bak where BakDtm=ADD_DAYS(TO_DATE(:b14,'yyyymmdd'),:b15)");
  const db::Value params[] = {db::Value::text(date ? date : ""), db::Value::integer(days)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == 0) db::setFields(bak, kRow, row);
  return rc;
}

int Bak_Count(const char* from, const char* to, std::int32_t* count) {
  static db::Query q("Bak_Count",
                     "select count(*)  from KvSystem.Kvs133Bak where (BakDtm>TO_DATE(:b1,'yyyymmdd') and "
                     "BakDtm<=TO_DATE(:b2,'yyyymmdd'))");
  const db::Value params[] = {db::Value::text(from ? from : ""), db::Value::text(to ? to : "")};
  return db::selectCount(q, params, count);
}

int Bak_PKeyIns(const BakSatz* bak) {
  static db::Query q("Bak_PKeyIns",
                     "insert into KvSystem.Kvs133Bak (BakDtm,BakJhr,BakMon,BakTag,BakWch,BakWtg,BakJtg) "
                     "values (TO_DATE(:b0,'yyyymmdd'),:b1,:b2,:b3,:b4,:b5,:b6)");
  return db::writeRecord(q, bak, kRow);
}

Bak_Von::Bak_Von() : RecordCursor(daysQuery(), kRow) {}
int Bak_Von::Open(const char* from, const char* to) {
  const db::Value params[] = {db::Value::text(from ? from : ""), db::Value::text(to ? to : "")};
  return cursor_.open(params);
}

int Bak_Datum(BakSatz* bak) {
  static db::Query q("Bak_Datum",
                     "select TO_CHAR(BakDtm,'yyyymmdd') ,BakJhr ,BakMon ,BakTag ,BakWch ,BakWtg ,BakJtg  "
                     "from KvSystem.Kvs133Bak where TO_CHAR(BakDtm,'yyyymmdd')=:b0");
  constexpr db::Field kDay[] = {DB_FIELD(BakSatz, BakDtm)};
  return db::readRecord(q, bak, kDay, kRow, db::OnFailure::Unchanged);
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
