// One bound parameter or fetched column, independent of the backend.
#pragma once

#include <cstdint>
#include <string>

namespace db {

struct Value {
  enum class Type : std::uint8_t { Null, Int, Real, Text };

  Type type = Type::Null;
  std::int64_t i = 0;
  double d = 0.0;
  std::string s;

  static Value null() { return Value{}; }
  static Value integer(std::int64_t v) { Value x; x.type = Type::Int; x.i = v; return x; }
  static Value real(double v) { Value x; x.type = Type::Real; x.d = v; return x; }
  // An empty text is stored as NULL, as the worker's tables always did.
  static Value text(std::string v) {
    Value x;
    if (!v.empty()) { x.type = Type::Text; x.s = std::move(v); }
    return x;
  }

  bool isNull() const { return type == Type::Null; }
  std::int64_t asInt() const;
  double asReal() const;
  std::string asText() const;

  bool operator==(const Value&) const = default;
};

}  // namespace db
