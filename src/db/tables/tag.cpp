#include "db/tables/tag.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// The day TagTag is passed beside the record; attendance start and end are
// each a date and a time column, both written from the one moment.
constexpr db::Column kColumns[] = {
    DB_COLUMN(TagSatz, TagPnr), DB_GIVEN("TagTag", db::FieldKind::Text, 0, db::ColumnForm::Day),
    DB_SPLIT_MOMENT(TagSatz, TagVon, TagUhr), DB_SPLIT_MOMENT(TagSatz, TagBis, TagEnd),
    DB_COLUMN(TagSatz, TagTgb), DB_COLUMN(TagSatz, TagOne)};

const db::Table& tag() { return db::tables::Tag(); }

db::Query& daysQuery() {
  static db::Query q("Tag_Von", tag().select() +
                     "where (((TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')>=:b1) and TO_CHAR(TagTag,'yyyymmdd')<=:b2) "
                     "and TAGONE=0) order by TagVon nulls last,TagUhr nulls last");
  return q;
}

db::Value textOrEmpty(const char* s) { return db::Value::text(s ? s : ""); }

}  // namespace

int Tag_PKeyReadk(TagSatz* tag, const char* day) {
  static db::Query q("Tag_PKeyReadk", ::tag().select() + "where (TagPnr=:b0 and TO_CHAR(TagTag,'yyyymmdd')=:b15)");
  const db::Value params[] = {db::Value::text(tag->TagPnr.str()), textOrEmpty(day)};
  db::Row row;
  int rc = db::selectRow(q, params, row);
  if (rc == status::kOk) db::setFields(tag, ::tag().rowFields(), row);
  return rc;
}

Tag_Von::Tag_Von() : RecordCursor(daysQuery(), tag().rowFields()) {}
int Tag_Von::Open(const char* pnr, const char* fromDay, const char* toDay) {
  const db::Value params[] = {textOrEmpty(pnr), textOrEmpty(fromDay), textOrEmpty(toDay)};
  return cursor_.open(params);
}

const db::Table& db::tables::Tag() {
  static const db::Table table("Kvs327Tag", kColumns);
  return table;
}

int Tag_PKeyIns(const TagSatz* t, const char* day) {
  static db::Query q("Tag_PKeyIns", tag().insert());
  std::vector<db::Value> values = db::fieldValues(t, tag().writeFields());
  values.push_back(textOrEmpty(day));
  return db::write(q, values);
}
