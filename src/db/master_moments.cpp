#include "db/master_moments.h"

#include <cstring>

namespace db {

std::vector<Value> bindValuesNullingUnsetMoments(const void* record, Fields fields) {
  std::vector<Value> values = fieldValues(record, fields);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const Field& f = fields[k];
    if (f.kind != FieldKind::Moment) continue;
    const char* date = static_cast<const char*>(record) + f.offset;
    if (strnlen(date, f.size) == 0) values[k] = Value::null();
  }
  return values;
}

}  // namespace db
