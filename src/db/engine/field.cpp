#include "db/engine/field.h"

#include <cstring>
#include <string>

namespace db {
namespace {

// A FixedText is standard layout with its character array first, so the
// field's storage begins at the field's offset.
char* textAt(void* record, std::size_t offset) { return static_cast<char*>(record) + offset; }
const char* textAt(const void* record, std::size_t offset) {
  return static_cast<const char*>(record) + offset;
}

std::string textOf(const void* record, std::size_t offset, std::size_t size) {
  const char* p = textAt(record, offset);
  return std::string(p, strnlen(p, size));
}

void storeText(void* record, std::size_t offset, std::size_t size, const std::string& text) {
  std::size_t n = std::min(text.size(), size - 1);
  const void* nul = std::memchr(text.data(), '\0', n);
  if (nul) n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
  char* p = textAt(record, offset);
  std::memcpy(p, text.data(), n);
  p[n] = '\0';
}

template <class T>
T& numberAt(void* record, std::size_t offset) {
  return *reinterpret_cast<T*>(static_cast<char*>(record) + offset);
}
template <class T>
const T& numberAt(const void* record, std::size_t offset) {
  return *reinterpret_cast<const T*>(static_cast<const char*>(record) + offset);
}

// The date and time fields joined as "%8s%6s", as the moment columns are
// written. A moment without a date (an operation not started yet, a period
// still open) is stored as NULL rather than as blanks that no date
// conversion accepts.
std::string joinMoment(const void* record, const Field& f) {
  std::string date = textOf(record, f.offset, f.size), time = textOf(record, f.offset2, f.size2);
  if (date.empty()) return std::string();
  if (date.size() < 8) date.insert(0, 8 - date.size(), ' ');
  if (time.size() < 6) time.insert(0, 6 - time.size(), ' ');
  return date + time;
}

}  // namespace

Value fieldValue(const void* record, const Field& f) {
  switch (f.kind) {
    case FieldKind::Text: return Value::text(textOf(record, f.offset, f.size));
    case FieldKind::Int16: return Value::integer(numberAt<std::int16_t>(record, f.offset));
    case FieldKind::Int32: return Value::integer(numberAt<std::int32_t>(record, f.offset));
    case FieldKind::Double: return Value::real(numberAt<double>(record, f.offset));
    case FieldKind::Moment: return Value::text(joinMoment(record, f));
  }
  return Value::null();
}

void setField(void* record, const Field& f, const Value& v) {
  switch (f.kind) {
    case FieldKind::Text: storeText(record, f.offset, f.size, v.asText()); break;
    case FieldKind::Int16: numberAt<std::int16_t>(record, f.offset) = static_cast<std::int16_t>(v.asInt()); break;
    case FieldKind::Int32: numberAt<std::int32_t>(record, f.offset) = static_cast<std::int32_t>(v.asInt()); break;
    case FieldKind::Double: numberAt<double>(record, f.offset) = v.asReal(); break;
    case FieldKind::Moment: {
      std::string joined = v.asText();
      storeText(record, f.offset, f.size, joined.substr(0, 8));
      storeText(record, f.offset2, f.size2, joined.size() > 8 ? joined.substr(8) : std::string());
      break;
    }
  }
}

void clearField(void* record, const Field& f) { setField(record, f, Value::null()); }

std::vector<Value> fieldValues(const void* record, Fields fields) {
  std::vector<Value> values;
  values.reserve(fields.size());
  for (const Field& f : fields) values.push_back(fieldValue(record, f));
  return values;
}

void setFields(void* record, Fields fields, const Row& row) {
  for (std::size_t k = 0; k < fields.size(); ++k)
    setField(record, fields[k], k < row.size() ? row[k] : Value::null());
}

void clearFields(void* record, Fields fields) {
  for (const Field& f : fields) clearField(record, f);
}

std::vector<Field> memberFields(Fields fields) {
  std::vector<Field> members;
  for (const Field& f : fields) {
    if (f.kind != FieldKind::Moment) {
      members.push_back(f);
      continue;
    }
    members.push_back(Field{f.name, FieldKind::Text, f.offset, f.size});
    members.push_back(Field{f.name, FieldKind::Text, f.offset2, f.size2});
  }
  return members;
}

}  // namespace db
