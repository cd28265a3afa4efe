#include "table_fill.h"

#include <string>

#include "db/engine/field.h"

namespace testdb {

void FillRecord(const db::Table& table, void* record, int seed) {
  int n = seed;
  for (const db::Column& c : table.columns()) {
    if (c.use != db::ColumnUse::ReadWrite || c.form == db::ColumnForm::Touched) continue;
    const db::Field& f = c.field;
    ++n;
    if (c.form == db::ColumnForm::Day) db::setField(record, f, db::Value::text(kFillDay));
    else if (c.form != db::ColumnForm::Value) db::setField(record, f, db::Value::text(kFillMoment));
    else if (f.kind == db::FieldKind::Text) db::setField(record, f, db::Value::text(std::string(f.size - 1, 'A' + n % 26)));
    else db::setField(record, f, db::Value::real(n + (f.kind == db::FieldKind::Double ? 0.25 : 0)));
  }
}

}  // namespace testdb
