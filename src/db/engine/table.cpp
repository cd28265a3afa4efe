#include "db/engine/table.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string_view>
#include <utility>

namespace db {
namespace {

constexpr const char* kDayFormat = "'yyyymmdd'";
constexpr const char* kTimeFormat = "'HH24MISS'";
constexpr const char* kMomentFormat = "'yyyymmddHH24MISS'";

std::string bindName(std::size_t n) { return ":b" + std::to_string(n); }

std::string toChar(const char* column, const char* format) {
  return std::string("TO_CHAR(") + column + "," + format + ")";
}

std::string toDate(const std::string& bind, const char* format) {
  return "TO_DATE(" + bind + "," + format + ")";
}

bool isRead(const Column& c) {
  if (c.use == ColumnUse::WriteOnly || c.use == ColumnUse::Given) return false;
  return c.form != ColumnForm::Touched || c.field.size > 0;
}

// A column bound to a record field by insert and update.
bool isBound(const Column& c) {
  return (c.use == ColumnUse::ReadWrite || c.use == ColumnUse::WriteOnly) && c.form != ColumnForm::Touched;
}

bool isWritten(const Column& c) { return c.use != ColumnUse::ReadOnly && c.use != ColumnUse::Given; }

// The text member of a Day, Stamp or Touched column, or one part of a moment.
Field textPart(const char* name, std::size_t offset, std::size_t size) {
  return Field{name, FieldKind::Text, offset, size};
}

// What a select delivers for the column, and into which members.
void addRead(const Column& c, std::vector<std::string>& exprs, std::vector<Field>& fields) {
  const Field& f = c.field;
  switch (c.form) {
    case ColumnForm::Value:
      exprs.push_back(f.name);
      fields.push_back(f);
      break;
    case ColumnForm::Day:
      exprs.push_back(toChar(f.name, kDayFormat));
      fields.push_back(f);
      break;
    case ColumnForm::Stamp:
    case ColumnForm::Touched:
      exprs.push_back(toChar(f.name, kMomentFormat));
      fields.push_back(textPart(f.name, f.offset, f.size));
      break;
    case ColumnForm::Moment:
    case ColumnForm::Split:
      exprs.push_back(toChar(f.name, kDayFormat));
      exprs.push_back(toChar(c.form == ColumnForm::Split ? c.timeColumn : f.name, kTimeFormat));
      fields.push_back(textPart(f.name, f.offset, f.size));
      fields.push_back(textPart(f.name, f.offset2, f.size2));
      break;
  }
}

// The value written into the column (and its time column), as "column=value" pairs.
void addWrite(const Column& c, const std::string& bind, std::vector<std::pair<std::string, std::string>>& out) {
  switch (c.form) {
    case ColumnForm::Value: out.emplace_back(c.field.name, bind); break;
    case ColumnForm::Day: out.emplace_back(c.field.name, toDate(bind, kDayFormat)); break;
    case ColumnForm::Stamp:
    case ColumnForm::Moment: out.emplace_back(c.field.name, toDate(bind, kMomentFormat)); break;
    case ColumnForm::Split:
      out.emplace_back(c.field.name, toDate(bind, kMomentFormat));
      out.emplace_back(c.timeColumn, toDate(bind, kMomentFormat));
      break;
    case ColumnForm::Touched: out.emplace_back(c.field.name, "sysdate"); break;
  }
}

// A key column compared with its bound value; a moment compares whole.
std::string keyTerm(const Column& c, const std::string& bind) {
  switch (c.form) {
    case ColumnForm::Day: return toChar(c.field.name, kDayFormat) + "=" + bind;
    case ColumnForm::Stamp:
    case ColumnForm::Moment: return toChar(c.field.name, kMomentFormat) + "=" + bind;
    default: return std::string(c.field.name) + "=" + bind;
  }
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : separator) + p;
  return out;
}

std::string schemaType(const Column& c) {
  if (c.form != ColumnForm::Value) return "D";
  switch (c.field.kind) {
    case FieldKind::Text: return "T" + std::to_string(c.field.size);
    case FieldKind::Double: return "F";
    default: return "I";
  }
}

}  // namespace

Table::Table(const char* name, Columns columns) : name_(name), columns_(columns) {
  std::vector<std::string> reads, names, values;
  for (const Column& c : columns_) {
    if (isRead(c)) addRead(c, reads, rowFields_);
    if (isBound(c)) writeFields_.push_back(c.field);
  }
  for (const auto& [column, value] : assignments()) {
    names.push_back(column);
    values.push_back(value);
  }
  select_ = "select " + joined(reads, ",") + " from " + name_ + " ";
  insert_ = std::string("insert into ") + name_ + " (" + joined(names, ",") + ") values (" + joined(values, ",") + ")";
}

// Every written column with its value: the record's binds first, then the
// Given columns' binds.
Table::Assignments Table::assignments() const {
  Assignments writes;
  std::size_t bound = 0;
  for (const Column& c : columns_)
    if (isWritten(c)) addWrite(c, isBound(c) ? bindName(bound++) : std::string(), writes);
  for (const Column& c : columns_)
    if (c.use == ColumnUse::Given) addWrite(c, bindName(bound++), writes);
  return writes;
}

const Column& Table::column(const char* name) const {
  for (const Column& c : columns_)
    if (std::string_view(c.field.name) == name) return c;
  // A key naming a column the table lacks is a mistake in the code itself.
  std::fprintf(stderr, "table %s has no column %s\n", name_, name);
  std::abort();
}

// The position of a column's value among writeFields().
std::size_t Table::writeBindOf(const char* name) const {
  std::size_t n = 0;
  while (n < writeFields_.size() && std::string_view(writeFields_[n].name) != name) ++n;
  return n;
}

// The update's where clause binds the key columns to the values the set
// list writes into them, so only the row of the record's own key changes;
// other statements bind the key alone, in key order.
std::string Table::keyTerms(KeyNames key, bool writeBinds) const {
  std::vector<std::string> terms;
  for (const char* name : key) {
    std::size_t n = writeBinds ? writeBindOf(name) : terms.size();
    terms.push_back(keyTerm(column(name), bindName(n)));
  }
  return "where (" + joined(terms, " and ") + ")";
}

// The key columns are not set: the where clause already holds them to the
// values the record carries, and a column the set list leaves alone spares
// the database the upkeep of every index made of key columns only. The
// statement's placeholders are numbered as they first appear, so the binds
// follow that order.
RowUpdate Table::update(KeyNames key) const {
  auto inKey = [&](const std::string& column) {
    for (const char* name : key)
      if (column == name) return true;
    return false;
  };
  std::vector<std::string> sets;
  for (const auto& [column, value] : assignments())
    if (!inKey(column)) sets.push_back(column + "=" + value);
  RowUpdate u;
  u.sql = std::string("update ") + name_ + " set " + joined(sets, ",") + " " + keyTerms(key, true);
  std::vector<bool> seen(writeFields_.size(), false);
  static const std::regex kBind(":b([0-9]+)");
  for (auto m = std::sregex_iterator(u.sql.begin(), u.sql.end(), kBind); m != std::sregex_iterator(); ++m) {
    const std::size_t n = std::stoul((*m)[1].str());
    if (n >= writeFields_.size()) {
      std::fprintf(stderr, "table %s: an update binds a Given column\n", name_);
      std::abort();
    }
    if (!seen[n]) u.binds.push_back(writeFields_[n]);
    seen[n] = true;
  }
  return u;
}

KeyCondition Table::key(KeyNames key) const {
  KeyCondition k{keyTerms(key, false), {}};
  for (const char* name : key) k.binds.push_back(column(name).field);
  return k;
}

std::string Table::erase(KeyNames key) const {
  return std::string("delete from ") + name_ + " " + keyTerms(key, false);
}

std::string Table::schemaColumns() const {
  std::vector<std::string> out;
  for (const Column& c : columns_) {
    out.push_back(std::string(c.field.name) + " " + schemaType(c));
    if (c.form == ColumnForm::Split) out.push_back(std::string(c.timeColumn) + " D");
  }
  return joined(out, ", ");
}

}  // namespace db
