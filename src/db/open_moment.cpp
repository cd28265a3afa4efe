#include "db/open_moment.h"

namespace db {
namespace {

bool isBlank(const Value& v) {
  return v.isNull() || v.s.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::vector<Value> valuesWithOpenMoments(const void* record, Fields fields) {
  std::vector<Value> values = fieldValues(record, fields);
  for (std::size_t k = 0; k < fields.size(); ++k)
    if (fields[k].kind == FieldKind::Moment && isBlank(values[k])) values[k] = Value::null();
  return values;
}

}  // namespace db
