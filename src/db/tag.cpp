#include "db/tag.h"

#include "db/access.h"

namespace {

constexpr db::Field kRow[] = {DB_FIELD(TagSatz, TagPnr), DB_FIELD(TagSatz, TagVon), DB_FIELD(TagSatz, TagUhr),
                              DB_FIELD(TagSatz, TagBis), DB_FIELD(TagSatz, TagEnd), DB_FIELD(TagSatz, TagTgb),
                              DB_FIELD(TagSatz, TagOne)};
constexpr db::Field kWrite[] = {DB_FIELD(TagSatz, TagPnr), DB_MOMENT(TagSatz, TagVon, TagUhr),
                                DB_MOMENT(TagSatz, TagBis, TagEnd), DB_FIELD(TagSatz, TagTgb),
                                DB_FIELD(TagSatz, TagOne)};

#define TAG_SELECT                                                                                        \
  "select TagPnr,TO_CHAR(TagVon,'yyyymmdd'),TO_CHAR(TagUhr,'HH24MISS'),TO_CHAR(TagBis,'yyyymmdd'),"        \
  "TO_CHAR(TagEnd,'HH24MISS'),TagTgb,TagOne  from Kvs327Tag "

db::Query& daysQuery() {
  static db::Query q("Tag_Von", TAG_SELECT
                     "where (((TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')>=:b1) and TO_CHAR(TagTag,'yyyymmdd')<=:b2) "
                     "and TAGONE=0) order by TagVon nulls last,TagUhr nulls last");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

int Tag_PKeyReadk(TagSatz* tag, const char* day) {
  static db::Query q("Tag_PKeyReadk", TAG_SELECT "where (TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')=:b15)");
  const db::Value params[] = {db::Value::text(tag->TagPnr.str()), textOrEmpty(day)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == status::kOk) db::setFields(tag, kRow, row);
  return rc;
}

Tag_Von::Tag_Von() : RecordCursor(daysQuery(), kRow) {}
int Tag_Von::Open(const char* pnr, const char* fromDay, const char* toDay) {
  const db::Value params[] = {textOrEmpty(pnr), textOrEmpty(fromDay), textOrEmpty(toDay)};
  return cursor_.open(params);
}

int Tag_PKeyIns(const TagSatz* tag, const char* day) {
  static db::Query q("Tag_PKeyIns",
                     "insert into Kvs327Tag (TagPnr,TagTag,TagVon,TagUhr,TagBis,TagEnd,TagTgb,TagOne) values "
                     "(:b0,TO_DATE(:b1,'yyyymmdd'),TO_DATE(:b2,'yyyymmddHH24MISS'),TO_DATE(:b2,'yyyymmddHH24MISS'),"
                     "TO_DATE(:b3,'yyyymmddHH24MISS'),TO_DATE(:b3,'yyyymmddHH24MISS'),:b4,:b5)");
  std::vector<db::Value> values = db::fieldValues(tag, kWrite);
  values.insert(values.begin() + 1, textOrEmpty(day));
  return db::write(q, values);
}
