#include "db/engine/dialect.h"

#include <cctype>
#include <map>
#include <vector>

namespace db {
namespace {

bool startsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(text[pos + k])) !=
        std::tolower(static_cast<unsigned char>(word[k])))
      return false;
  }
  return true;
}

bool isIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// A word match that is not part of a longer identifier.
bool wordAt(std::string_view text, std::size_t pos, std::string_view word) {
  if (!startsWithNoCase(text, pos, word)) return false;
  if (pos > 0 && isIdentChar(text[pos - 1])) return false;
  std::size_t end = pos + word.size();
  return end >= text.size() || !isIdentChar(text[end]);
}

std::string sqliteTimeFormat(std::string_view oracleFormat) {
  std::string out;
  std::size_t k = 0;
  while (k < oracleFormat.size()) {
    if (startsWithNoCase(oracleFormat, k, "yyyy")) { out += "%Y"; k += 4; }
    else if (startsWithNoCase(oracleFormat, k, "hh24")) { out += "%H"; k += 4; }
    else if (startsWithNoCase(oracleFormat, k, "mm")) { out += "%m"; k += 2; }
    else if (startsWithNoCase(oracleFormat, k, "dd")) { out += "%d"; k += 2; }
    else if (startsWithNoCase(oracleFormat, k, "mi")) { out += "%M"; k += 2; }
    else if (startsWithNoCase(oracleFormat, k, "ss")) { out += "%S"; k += 2; }
    else out += oracleFormat[k++];
  }
  return out;
}

// Finds the argument list of a call whose '(' is at open: returns the
// position of the matching ')' and the position of the last top-level comma.
bool splitCall(std::string_view text, std::size_t open, std::size_t& close, std::size_t& comma) {
  int depth = 0;
  bool quoted = false;
  comma = std::string_view::npos;
  for (std::size_t k = open; k < text.size(); ++k) {
    char c = text[k];
    if (c == '\'') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    else if (c == ')' && --depth == 0) { close = k; return comma != std::string_view::npos; }
    else if (c == ',' && depth == 1) comma = k;
  }
  return false;
}

std::string unquote(std::string_view s) {
  std::size_t a = s.find('\''), b = s.rfind('\'');
  if (a == std::string_view::npos || b <= a) return std::string(s);
  return std::string(s.substr(a + 1, b - a - 1));
}

class Translator {
 public:
  Translator(std::string_view in, Dialect d) : in_(in), dialect_(d) {}

  TranslatedSql run() {
    TranslatedSql out;
    out.text = rewrite(in_);
    out.paramCount = static_cast<int>(binds_.size());
    return out;
  }

 private:
  std::string rewrite(std::string_view s) {
    std::string out;
    std::size_t k = 0;
    while (k < s.size()) {
      char c = s[k];
      if (c == '\'') {  // copy literals untouched
        std::size_t end = s.find('\'', k + 1);
        if (end == std::string_view::npos) end = s.size() - 1;
        out.append(s.substr(k, end - k + 1));
        k = end + 1;
      } else if (c == ':' && k + 2 < s.size() && s[k + 1] == 'b' &&
                 std::isdigit(static_cast<unsigned char>(s[k + 2]))) {
        std::size_t end = k + 2;
        while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
        out += placeholder(std::string(s.substr(k, end - k)));
        k = end;
      } else if (startsWithNoCase(s, k, "KvSystem.") && (k == 0 || !isIdentChar(s[k - 1]))) {
        // The shared calendar lives in its own schema on the server and
        // in the main database file on the embedded backend.
        out += dialect_ == Dialect::Sqlite ? "" : "kvsystem.";
        k += 9;
      } else if (wordAt(s, k, "trunc(sysdate)")) {
        out += dialect_ == Dialect::Sqlite ? "datetime('now','localtime','start of day')"
                                           : "date_trunc('day',clock_timestamp()::timestamp)";
        k += 14;
      } else if (wordAt(s, k, "sysdate")) {
        out += dialect_ == Dialect::Sqlite ? "datetime('now','localtime')"
                                           : "date_trunc('second',clock_timestamp()::timestamp)";
        k += 7;
      } else if (wordAt(s, k, "TO_CHAR") || wordAt(s, k, "TO_DATE") ||
                 wordAt(s, k, "ADD_DAYS")) {
        k = conversion(s, k, out);
      } else {
        out += c;
        ++k;
      }
    }
    return out;
  }

  // TO_CHAR(expr,'fmt'), TO_DATE(expr,'fmt') and ADD_DAYS(date,days).
  std::size_t conversion(std::string_view s, std::size_t k, std::string& out) {
    std::size_t open = s.find('(', k), close = 0, comma = 0;
    if (open == std::string_view::npos || !splitCall(s, open, close, comma)) {
      out += s[k];
      return k + 1;
    }
    std::string name(s.substr(k, open - k));
    for (auto& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    std::string first = rewrite(s.substr(open + 1, comma - open - 1));
    std::string_view second = s.substr(comma + 1, close - comma - 1);
    if (name == "TO_CHAR") {
      if (dialect_ == Dialect::Sqlite)
        out += "strftime('" + sqliteTimeFormat(unquote(second)) + "'," + first + ")";
      else
        out += "kvs_to_char(" + first + "," + std::string(second) + ")";
    } else if (name == "TO_DATE") {
      out += "kvs_to_date(" + first + "," + std::string(second) + ")";
    } else {
      out += "kvs_add_days(" + first + "," + rewrite(second) + ")";
    }
    return close + 1;
  }

  std::string placeholder(const std::string& name) {
    auto it = binds_.find(name);
    int index;
    if (it == binds_.end()) {
      index = static_cast<int>(binds_.size()) + 1;
      binds_.emplace(name, index);
    } else {
      index = it->second;
    }
    std::string text(1, dialect_ == Dialect::Sqlite ? '?' : '$');
    text += std::to_string(index);
    return text;
  }

  std::string_view in_;
  Dialect dialect_;
  std::map<std::string, int> binds_;
};

}  // namespace

TranslatedSql translate(std::string_view sql, Dialect dialect) {
  return Translator(sql, dialect).run();
}

const char* readOnlyBegin(Dialect dialect) {
  return dialect == Dialect::Sqlite ? "BEGIN DEFERRED"
                                    : "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY; "
                                      "SET LOCAL lock_timeout = '2s'; SET LOCAL statement_timeout = '30s'";
}

bool statementsTravel(Dialect dialect) { return dialect == Dialect::Postgres; }

}  // namespace db
