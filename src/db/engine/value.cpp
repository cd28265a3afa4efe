#include "db/engine/value.h"

#include <cstdio>
#include <cstdlib>

namespace db {

std::int64_t Value::asInt() const {
  switch (type) {
    case Type::Int: return i;
    case Type::Real: return static_cast<std::int64_t>(d);
    case Type::Text: return std::strtoll(s.c_str(), nullptr, 10);
    case Type::Null: break;
  }
  return 0;
}

double Value::asReal() const {
  switch (type) {
    case Type::Int: return static_cast<double>(i);
    case Type::Real: return d;
    case Type::Text: return std::strtod(s.c_str(), nullptr);
    case Type::Null: break;
  }
  return 0.0;
}

std::string Value::asText() const {
  switch (type) {
    case Type::Text: return s;
    case Type::Int: return std::to_string(i);
    case Type::Real: {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.17g", d);
      return buf;
    }
    case Type::Null: break;
  }
  return std::string();
}

}  // namespace db
