// Record fields: a member of a record with its name and kind. One generic
// piece binds, fetches, clears and cuts every record through its fields;
// the tables themselves are described column by column in table.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "db/engine/backend.h"
#include "base/fixed_text.h"

namespace db {

enum class FieldKind : std::uint8_t {
  Text,    // FixedText<N>
  Int16,   // std::int16_t
  Int32,   // std::int32_t
  Double,  // double
  Moment,  // a date and a time field bound together as 'yyyymmddHH24MISS'
};

struct Field {
  const char* name;
  FieldKind kind;
  std::size_t offset;
  std::size_t size;
  std::size_t offset2 = 0;  // the time field of a Moment
  std::size_t size2 = 0;
};

using Fields = std::span<const Field>;

template <class T> struct KindOf;
template <std::size_t N> struct KindOf<FixedText<N>> { static constexpr FieldKind value = FieldKind::Text; };
template <> struct KindOf<std::int16_t> { static constexpr FieldKind value = FieldKind::Int16; };
template <> struct KindOf<std::int32_t> { static constexpr FieldKind value = FieldKind::Int32; };
template <> struct KindOf<double> { static constexpr FieldKind value = FieldKind::Double; };

Value fieldValue(const void* record, const Field& field);
void setField(void* record, const Field& field, const Value& value);
void clearField(void* record, const Field& field);

std::vector<Value> fieldValues(const void* record, Fields fields);
void setFields(void* record, Fields fields, const Row& row);
void clearFields(void* record, Fields fields);
// The fields with each moment taken apart into its date and time members.
std::vector<Field> memberFields(Fields fields);

}  // namespace db

// offsetof on the records is well-defined: they are standard-layout structs.
#define DB_FIELD(Rec, member)                                                           \
  ::db::Field { #member, ::db::KindOf<decltype(Rec::member)>::value, offsetof(Rec, member), \
                sizeof(Rec::member) }
#define DB_MOMENT(Rec, dateMember, timeMember)                                                    \
  ::db::Field { #dateMember, ::db::FieldKind::Moment, offsetof(Rec, dateMember), sizeof(Rec::dateMember), \
                offsetof(Rec, timeMember), sizeof(Rec::timeMember) }
