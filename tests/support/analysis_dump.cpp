#include "analysis_dump.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "db/engine/access.h"
#include "db/tables/tables.h"
#include "db_fixture.h"
#include "plant/overlaps.h"

namespace testdb {
namespace {

std::string Formatted(const db::Value& v) {
  char buf[64];
  switch (v.type) {
    case db::Value::Type::Null: return "";
    case db::Value::Type::Int: return v.i == 0 ? "" : std::to_string(v.i);
    case db::Value::Type::Real:
      std::snprintf(buf, sizeof buf, "%.2f", v.d);
      return std::string(buf) == "0.00" || std::string(buf) == "-0.00" ? "" : buf;
    case db::Value::Type::Text: return v.s;
  }
  return "";
}

// Every row of a described table, its columns in the order of its select
// list (which leaves out the columns the database stamps itself), zeros
// and empty texts as nothing; the first line names the columns.
//
// NzaBln, the running number of a period's start booking, is left empty:
// a set-up by a person logged on at the work place generates two "PA"
// bookings for that person in the same second with the same KeySek, and
// the booking window orders by moment and KeySek only, so which of the two
// opens the row is the database's choice (PostgreSQL took either in two
// runs). Everything else about the row is the same either way.
std::vector<std::string> TableLines(const db::Table& table, std::string* header) {
  for (const db::Field& f : table.rowFields()) *header += std::string(f.name) + "|";
  std::vector<std::string> lines;
  for (const db::Row& row : Query(table.select())) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k)
      line += (table.rowFields()[k].name == std::string_view("NzaBln") ? "" : Formatted(row[k])) + "|";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> QueryLines(const std::string& sql) {
  std::vector<std::string> lines;
  for (const db::Row& row : Query(sql)) {
    std::string line;
    for (const db::Value& v : row) line += (v.isNull() ? std::string("~") : v.asText()) + "|";
    lines.push_back(line);
  }
  return lines;
}

// Sorted; a row that occurs more than once is given once with its count.
void Section(std::string& out, const std::string& title, std::vector<std::string> lines,
             const std::string& header = "") {
  std::sort(lines.begin(), lines.end());
  out += "# " + title + " (" + std::to_string(lines.size()) + ")\n";
  if (!header.empty()) out += "# " + header + "\n";
  for (std::size_t k = 0; k < lines.size();) {
    std::size_t same = k;
    while (same < lines.size() && lines[same] == lines[k]) ++same;
    out += lines[k] + (same - k > 1 ? " x" + std::to_string(same - k) : "") + "\n";
    k = same;
  }
}

}  // namespace

std::string AnalysisDump(const std::map<std::string, int>& logEntries) {
  std::string out;
  std::string nza, err;
  std::vector<std::string> periods = TableLines(db::tables::Nza(), &nza);
  Section(out, "Kvs590Nza", std::move(periods), nza);
  std::vector<std::string> protocol = TableLines(db::tables::Err(), &err);
  Section(out, "Kvs554Err", std::move(protocol), err);
  Section(out, "Kvs560Mel",
          QueryLines("select KeyBnr, KeyLfn, MelFcd, MelMsk, KeyPnr, MelFnr from Kvs560Mel "
                     "where MelFnr between 5004 and 5008"));
  Section(out, "Kvs561Mlt", QueryLines("select MltErf, count(*) from Kvs561Mlt group by MltErf"));
  Section(out, "Kvs563Mrk",
          QueryLines("select MrkKng, MrkApl, MrkApk, MrkApp, MrkPnr, MrkBnr, TO_CHAR(MrkMdt,'yyyymmddHH24MISS') "
                     "from Kvs563Mrk where MrkKng in ('NZS','LZS','STG')"));
  std::vector<std::string> overlaps;
  for (const auto& [kind, pairs] : plant::CountOverlaps())
    overlaps.push_back("NzaSa " + std::to_string(kind) + ": " + std::to_string(pairs) + " pairs");
  Section(out, "overlaps", overlaps);
  std::vector<std::string> log;
  for (const auto& [entry, count] : logEntries) log.insert(log.end(), static_cast<std::size_t>(count), entry);
  Section(out, "log", log);
  return out;
}

}  // namespace testdb
