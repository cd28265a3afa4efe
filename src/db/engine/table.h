// A table described once: its columns, each with the record member(s) it
// travels in and the form it has there. The whole-row select list, the
// insert, the update's set list, the key conditions and the schema's
// column list are all derived from the description, so a column is added
// or changed in one place.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "db/engine/field.h"

namespace db {

// How a column's value is carried in the record.
enum class ColumnForm : std::uint8_t {
  Value,    // the member as it is: text or number
  Day,      // a date column as 'yyyymmdd' text
  Stamp,    // a date column as one 'yyyymmddHH24MISS' text
  Moment,   // a date column as a date member and a time member
  Split,    // a date and a time column, both written from one moment;
            // the date is read from the first, the time from the second
  Touched,  // a date column every write sets to the database time; read
            // as a stamp when the record has a member for it
};

// Whether the worker reads and writes a column. A Given column has no
// member in the record: whoever writes the row passes its value after the
// record's own (in the order of the description); the worker never reads it.
enum class ColumnUse : std::uint8_t { ReadWrite, ReadOnly, WriteOnly, Given };

struct Column {
  Field field;  // field.name is the column's name
  ColumnForm form = ColumnForm::Value;
  const char* timeColumn = nullptr;  // the second column of a Split moment
  ColumnUse use = ColumnUse::ReadWrite;
};

using Columns = std::span<const Column>;
using KeyNames = std::initializer_list<const char*>;

// An update of the row of a key and the record fields that bind it, in
// the order the statement uses them.
struct RowUpdate {
  std::string sql;
  std::vector<Field> binds;
};

// A condition on key columns and the record fields that bind it.
struct KeyCondition {
  std::string where;  // "where (...)", binds :b0.. in key order
  std::vector<Field> binds;
};

class Table {
 public:
  Table(const char* name, Columns columns);
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const char* name() const { return name_; }
  Columns columns() const { return columns_; }

  // "select <every read column> from <table> ": selections add their own
  // where and order; each row fills rowFields().
  const std::string& select() const { return select_; }
  Fields rowFields() const { return rowFields_; }

  // Insert binds writeFields(), each moment joined into one value,
  // followed by the values of the Given columns.
  const std::string& insert() const { return insert_; }
  // Sets every written column but those of the key on the row of the
  // record's key. A table with Given columns has no update.
  RowUpdate update(KeyNames key) const;
  Fields writeFields() const { return writeFields_; }

  KeyCondition key(KeyNames key) const;
  // "delete from <table> where <key>", bound by key(key).binds.
  std::string erase(KeyNames key) const;

  // "Name Type, ..." in the schema's notation.
  std::string schemaColumns() const;

 private:
  using Assignments = std::vector<std::pair<std::string, std::string>>;
  Assignments assignments() const;
  const Column& column(const char* name) const;
  std::size_t writeBindOf(const char* name) const;
  std::string keyTerms(KeyNames key, bool writeBinds) const;

  const char* name_;
  Columns columns_;
  std::string select_;
  std::string insert_;
  std::vector<Field> rowFields_;
  std::vector<Field> writeFields_;
};

}  // namespace db

// Column descriptions; the column is named like its member unless given.
#define DB_COLUMN(Rec, member) ::db::Column{DB_FIELD(Rec, member)}
#define DB_DAY(Rec, member) ::db::Column{DB_FIELD(Rec, member), ::db::ColumnForm::Day}
#define DB_STAMP(Rec, member) ::db::Column{DB_FIELD(Rec, member), ::db::ColumnForm::Stamp}
#define DB_MOMENT_COLUMN(Rec, dateMember, timeMember) \
  ::db::Column{DB_MOMENT(Rec, dateMember, timeMember), ::db::ColumnForm::Moment}
#define DB_SPLIT_MOMENT(Rec, dateMember, timeMember) \
  ::db::Column{DB_MOMENT(Rec, dateMember, timeMember), ::db::ColumnForm::Split, #timeMember}
#define DB_TOUCHED(name) \
  ::db::Column{::db::Field{name, ::db::FieldKind::Text, 0, 0}, ::db::ColumnForm::Touched}
#define DB_TOUCHED_STAMP(Rec, member) ::db::Column{DB_FIELD(Rec, member), ::db::ColumnForm::Touched}
// A column the record does not carry, of the kind and text width given.
#define DB_GIVEN(name, kind, width, form) \
  ::db::Column{::db::Field{name, kind, 0, width}, form, nullptr, ::db::ColumnUse::Given}
