// How the access routines of the booking and analysis tables scale: fills
// Kvs560Mel, Kvs565Map, Kvs563Mrk and Kvs590Nza to a small and a large size
// and prints, per routine, the median time of one call at both sizes and
// their ratio. One probe works a whole "NZS" note as the worker does (one
// unit of work: read-back, period rows, time line, evaluation); its figure
// is also printed as notes per second, with and without the commit.
//
//   access_bench SERVICE [SMALL LARGE] [--quick]
//
// SERVICE is a service name as the worker takes it: sqlite:PATH or a
// postgresql:// URI. The four tables are emptied first. --quick uses 2000
// and 20000 rows to check that the program works.
//
// The data follow a shop floor: 200 work places and 400 persons; order
// operations run one after another at random work places, each with a start,
// one to three persons logging on and off, sometimes an interruption of the
// order and sometimes an interruption of the work place. The booking history
// of a work place therefore grows with the table, the history of one order
// operation or one person on it does not. The state vectors and notes only
// hold what is active or pending, so those tables grow by more objects (more
// work places), not by a longer history per object.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "analysis/lzs/run_time.h"
#include "analysis/note_unit.h"
#include "analysis/nzs/nzs.h"
#include "db/tables/booking_records.h"
#include "db/engine/access.h"
#include "db/engine/dbdb.h"
#include "db/tables/nza.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"

namespace {

constexpr int kWorkPlaces = 200;
constexpr int kPersons = 400;
constexpr int kRepeats = 200;
constexpr int kFirstRows = 5;  // of a cursor whose result grows with the table
constexpr int kAllRows = 1000000;
constexpr const char* kNzsNote = "NZS note (unit of work)";
constexpr const char* kNzsNoteRolledBack = "NZS note (rolled back)";

// ---- Moments ---------------------------------------------------------------

// Seconds since 2020-01-01 00:00:00 as 'yyyymmdd' and 'HHMMSS' (room to spare for the formatter).
struct Moment {
  char date[64];
  char time[64];
};

Moment MomentAt(long seconds) {
  long days = seconds / 86400 + 18262;  // days from 1970-01-01
  long secs = seconds % 86400;
  // Civil date from a day count (proleptic Gregorian).
  days += 719468;
  long era = days / 146097;
  long doe = days - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  long d = doy - (153 * mp + 2) / 5 + 1;
  long m = mp < 10 ? mp + 3 : mp - 9;
  long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  Moment out;
  std::snprintf(out.date, sizeof out.date, "%04d%02d%02d", static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
  std::snprintf(out.time, sizeof out.time, "%02d%02d%02d", static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
  return out;
}

std::string Joined(long seconds) {
  Moment m = MomentAt(seconds);
  return std::string(m.date) + m.time;
}

std::string WorkPlace(int w) { return "APL" + std::to_string(1000000 + w); }
std::string Order(int order) {
  char s[16];
  std::snprintf(s, sizeof s, "AUF%09d", order);
  return s;
}
std::string Person(int p) {
  char s[16];
  std::snprintf(s, sizeof s, "%08d", 10000 + p);
  return s;
}

// ---- Bulk fill ---------------------------------------------------------------

// Multi-row inserts inside the caller's unit of work: one statement per
// batch of rows, each value slot written as an expression with '?'.
class BulkInsert {
 public:
  BulkInsert(std::string table, std::vector<std::pair<std::string, std::string>> columns)
      : table_(std::move(table)), columns_(std::move(columns)) {}

  int add(std::vector<db::Value> row) {
    for (auto& v : row) pending_.push_back(std::move(v));
    if (++rows_ == kBatch) return flush();
    return 0;
  }

  int flush() {
    if (rows_ == 0) return 0;
    int rc = db::write(queryFor(rows_), pending_);
    pending_.clear();
    rows_ = 0;
    return rc;
  }

 private:
  static constexpr int kBatch = 200;

  db::Query& queryFor(int rows) {
    auto it = queries_.find(rows);
    if (it != queries_.end()) return *it->second;
    std::string sql = "insert into " + table_ + " (";
    for (std::size_t c = 0; c < columns_.size(); ++c) sql += (c ? "," : "") + columns_[c].first;
    sql += ") values ";
    int bind = 0;
    for (int r = 0; r < rows; ++r) {
      sql += r ? ",(" : "(";
      for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (c) sql += ",";
        for (char ch : columns_[c].second) sql += ch == '?' ? ":b" + std::to_string(bind++) : std::string(1, ch);
      }
      sql += ")";
    }
    texts_.push_back(std::make_unique<std::string>(std::move(sql)));
    auto q = std::make_unique<db::Query>("Bench_Fill", texts_.back()->c_str());
    return *queries_.emplace(rows, std::move(q)).first->second;
  }

  std::string table_;
  std::vector<std::pair<std::string, std::string>> columns_;
  std::vector<db::Value> pending_;
  int rows_ = 0;
  std::deque<std::unique_ptr<std::string>> texts_;
  std::map<int, std::unique_ptr<db::Query>> queries_;
};

db::Value T(const std::string& s) { return db::Value::text(s); }
db::Value I(long v) { return db::Value::integer(v); }
db::Value R(double v) { return db::Value::real(v); }

// ---- The shop floor ------------------------------------------------------------

struct Booking {
  int lfn;
  const char* obj;
  const char* fcd;
  const char* msk;
  const char* sek;
  int person;  // -1: none
  long at;
};

// One order operation at a work place, with what the cursors need to find it again.
struct Run {
  int workPlace;
  int order;
  std::vector<int> persons;
  long start = 0, end = 0;
  std::vector<long> logOn, logOff;  // per person
  long stopBegin = -1, stopEnd = -1;  // an interruption of the work place (M03 .. M04)
  std::int32_t firstBnr = 0;
  std::vector<Booking> bookings;
};

class ShopFloor {
 public:
  explicit ShopFloor(unsigned seed) : rng_(seed) {}

  Run next() {
    Run r;
    r.workPlace = pick(kWorkPlaces);
    r.order = ++orders_;
    clock_ += 5 + pick(55);
    long t = r.start = clock_;
    add(r, "M_A", "A01", "AS", "10", -1, t);
    int persons = 1 + pick(3);
    for (int k = 0; k < persons; ++k) {
      int p = pick(kPersons);
      if (std::find(r.persons.begin(), r.persons.end(), p) != r.persons.end()) continue;
      r.persons.push_back(p);
      t += 1 + pick(120);
      r.logOn.push_back(t);
      add(r, "MPA", "P05", "PA", "20", p, t);
    }
    if (pick(2) == 0) {  // the order is interrupted and resumed
      t += 600 + pick(3600);
      add(r, "M_A", "A04", "AU", "30", -1, t);
      for (int p : r.persons) add(r, "MPA", "P06", "PU", "35", p, t);
      t += 60 + pick(1800);
      add(r, "M_A", "A03", "AW", "40", -1, t);
      for (int p : r.persons) add(r, "MPA", "P07", "PW", "45", p, t);
    }
    if (pick(10) < 3) {  // the work place stops for a while
      t += 60 + pick(600);
      r.stopBegin = t;
      add(r, "M__", "M03", "BS", "50", -1, t);
      t += 60 + pick(1200);
      r.stopEnd = t;
      add(r, "M__", "M04", "ES", "55", -1, t);
    }
    t += 600 + pick(3600);
    for (int p : r.persons) {
      r.logOff.push_back(t);
      add(r, "MPA", "P08", "PE", "60", p, t);
    }
    add(r, "M_A", "A02", "AE", "70", -1, t);
    r.end = t;
    return r;
  }

  int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

 private:
  static void add(Run& r, const char* obj, const char* fcd, const char* msk, const char* sek, int person, long at) {
    r.bookings.push_back({static_cast<int>(r.bookings.size()), obj, fcd, msk, sek, person, at});
  }

  std::mt19937 rng_;
  int orders_ = 0;
  long clock_ = 0;
};

MelSatz BookingRecord(const Run& r, const Booking& b, std::int32_t bnr) {
  MelSatz m;
  Moment at = MomentAt(b.at);
  m.KeyBnr = bnr;
  m.KeyLfn = 0;
  m.ObjTyp = b.obj;
  m.KeyPnr = b.person >= 0 ? Person(b.person) : "00000000";
  m.KeyApl = WorkPlace(r.workPlace);
  m.KeyApk = std::strcmp(b.obj, "M__") == 0 ? "000000000000" : Order(r.order);
  m.KeyApp = std::strcmp(b.obj, "M__") == 0 ? "00000" : "00010";
  FixedText<2>* flags[] = {&m.Sts00E, &m.Sts00R, &m.Sts00A, &m.Sts00U, &m.Sts00S, &m.Sts006, &m.Sts007, &m.Sts008,
                           &m.Sts009, &m.Sts010, &m.Sts011, &m.Sts012, &m.Sts013, &m.Sts014, &m.Sts015, &m.Sts016};
  for (FixedText<2>* f : flags) *f = "0";
  m.Sts00E = "1";
  m.KeyDat = at.date;
  m.KeyUhr = at.time;
  m.KeySek = b.sek;
  m.KeyUbg = "0000";
  m.MelMsk = b.msk;
  m.MelFcd = b.fcd;
  m.MelTrm = "T1";
  m.MelGum = 10;
  m.MelErf = "MldToNza";
  m.KeyTnr = "PART-4711";
  return m;
}

std::vector<db::Value> BookingValues(const MelSatz& m) {
  std::vector<db::Value> v = {I(m.KeyBnr), I(m.KeyLfn), T(m.ObjTyp.str()), T(m.KeyPnr.str()), T(m.KeyApl.str()),
                              T(m.KeyApk.str()), T(m.KeyApp.str())};
  const FixedText<2>* flags[] = {&m.Sts00E, &m.Sts00R, &m.Sts00A, &m.Sts00U, &m.Sts00S, &m.Sts006,
                                 &m.Sts007, &m.Sts008, &m.Sts009, &m.Sts010, &m.Sts011, &m.Sts012,
                                 &m.Sts013, &m.Sts014, &m.Sts015, &m.Sts016};
  for (const FixedText<2>* f : flags) v.push_back(T(f->str()));
  std::string moment = m.KeyDat.str() + m.KeyUhr.str();
  for (db::Value x : {T(moment), T(moment), T(m.KeySek.str()), T(m.KeyUbg.str()), T(m.MelMsk.str()),
                      T(m.MelFcd.str()), T(m.MelTrm.str()), I(m.MelFnr), R(m.MelGum), T(m.MelErf.str()),
                      T(m.KeyTnr.str())})
    v.push_back(std::move(x));
  return v;
}

std::vector<std::pair<std::string, std::string>> BookingColumns() {
  std::vector<std::pair<std::string, std::string>> c = {{"KeyBnr", "?"}, {"KeyLfn", "?"}, {"ObjTyp", "?"},
                                                        {"KeyPnr", "?"}, {"KeyApl", "?"}, {"KeyApk", "?"},
                                                        {"KeyApp", "?"}};
  for (const char* f : {"Sts00E", "Sts00R", "Sts00A", "Sts00U", "Sts00S", "Sts006", "Sts007", "Sts008", "Sts009",
                        "Sts010", "Sts011", "Sts012", "Sts013", "Sts014", "Sts015", "Sts016"})
    c.push_back({f, "?"});
  for (auto x : std::vector<std::pair<std::string, std::string>>{
           {"KeyDat", "TO_DATE(?,'yyyymmddHH24MISS')"}, {"KeyUhr", "TO_DATE(?,'yyyymmddHH24MISS')"},
           {"KeySek", "?"}, {"KeyUbg", "?"}, {"MelMsk", "?"}, {"MelFcd", "?"}, {"MelTrm", "?"}, {"MelFnr", "?"},
           {"MelGum", "?"}, {"MelErf", "?"}, {"KeyTnr", "?"}, {"MelDat", "sysdate"}})
    c.push_back(x);
  return c;
}

// The state vectors of the active objects: per work place some running
// order operations, their persons and the persons at the work place.
MapSatz VectorRecord(const char* obj, int w, int order, int person, long at) {
  MapSatz v;
  Moment m = MomentAt(at);
  v.MapBnr = order;
  v.MapObj = obj;
  v.MapApl = WorkPlace(w);
  v.MapApk = order >= 0 ? Order(order) : "000000000000";
  v.MapApp = order >= 0 ? "00010" : "00000";
  v.MapPnr = person >= 0 ? Person(person) : "00000000";
  FixedText<2>* flags[] = {&v.Map00E, &v.Map00R, &v.Map00A, &v.Map00U, &v.Map00S, &v.Map006, &v.Map007, &v.Map008,
                           &v.Map009, &v.Map010, &v.Map011, &v.Map012, &v.Map013, &v.Map014, &v.Map015, &v.Map016};
  for (FixedText<2>* f : flags) *f = "0";
  v.Map00E = "1";
  v.MapMdt = m.date;
  v.MapMzt = m.time;
  v.MapErf = "MldToNza";
  v.MapSts = "1";
  v.MapUbg = "0000";
  v.MapTnr = "PART-4711";
  return v;
}

std::vector<db::Value> VectorValues(const MapSatz& v) {
  std::vector<db::Value> out = {I(v.MapBnr), T(v.MapObj.str()), T(v.MapPnr.str()), T(v.MapApl.str()),
                                T(v.MapApk.str()), T(v.MapApp.str())};
  const FixedText<2>* flags[] = {&v.Map00E, &v.Map00R, &v.Map00A, &v.Map00U, &v.Map00S, &v.Map006,
                                 &v.Map007, &v.Map008, &v.Map009, &v.Map010, &v.Map011, &v.Map012,
                                 &v.Map013, &v.Map014, &v.Map015, &v.Map016};
  for (const FixedText<2>* f : flags) out.push_back(T(f->str()));
  std::string moment = v.MapMdt.str() + v.MapMzt.str();
  for (db::Value x : {T(moment), T(moment), T(v.MapErf.str()), T(v.MapSts.str()), T(v.MapUbg.str()),
                      T(v.MapTnr.str())})
    out.push_back(std::move(x));
  return out;
}

std::vector<std::pair<std::string, std::string>> VectorColumns() {
  std::vector<std::pair<std::string, std::string>> c = {{"MapBnr", "?"}, {"MapObj", "?"}, {"MapPnr", "?"},
                                                        {"MapApl", "?"}, {"MapApk", "?"}, {"MapApp", "?"}};
  for (const char* f : {"Map00E", "Map00R", "Map00A", "Map00U", "Map00S", "Map006", "Map007", "Map008", "Map009",
                        "Map010", "Map011", "Map012", "Map013", "Map014", "Map015", "Map016"})
    c.push_back({f, "?"});
  for (auto x : std::vector<std::pair<std::string, std::string>>{{"MapMdt", "TO_DATE(?,'yyyymmddHH24MISS')"},
                                                                 {"MapMzt", "TO_DATE(?,'yyyymmddHH24MISS')"},
                                                                 {"MapErf", "?"},
                                                                 {"MapSts", "?"},
                                                                 {"MapUbg", "?"},
                                                                 {"MapTnr", "?"},
                                                                 {"MapDat", "sysdate"}})
    c.push_back(x);
  return c;
}

const char* NoteKind(int k) {
  static const char* kinds[] = {"NZS", "NZS", "NZS", "NZS", "LZS", "LZS", "LZS", "STG", "NZM", "LZM"};
  return kinds[k % 10];
}

// Analysis rows: work periods (1) and interruptions (2) of the persons, the
// run of the order operation (4) and the stops of the work place (13).
struct NzaRow {
  int sa;
  int w, order, person;
  long from, to;
};

std::vector<NzaRow> AnalysisRows(const Run& r) {
  std::vector<NzaRow> rows;
  for (std::size_t k = 0; k < r.persons.size(); ++k) {
    rows.push_back({1, r.workPlace, r.order, r.persons[k], r.logOn[k], r.logOff[k]});
    rows.push_back({2, r.workPlace, r.order, r.persons[k], r.logOn[k] + 1, r.logOn[k] + 61});
  }
  rows.push_back({4, r.workPlace, r.order, -1, r.start, r.end});
  if (r.stopBegin >= 0) rows.push_back({13, r.workPlace, -1, -1, r.stopBegin, r.stopEnd});
  return rows;
}

NzaSatz AnalysisRecord(const NzaRow& n) {
  NzaSatz z;
  Moment from = MomentAt(n.from), to = MomentAt(n.to);
  z.NzaSa = static_cast<std::int16_t>(n.sa);
  z.NzaApl = WorkPlace(n.w);
  z.NzaApk = n.order >= 0 ? Order(n.order) : "";
  z.NzaApp = n.order >= 0 ? "00010" : "";
  z.NzaPnr = n.person >= 0 ? Person(n.person) : "";
  z.NzaDtm = from.date;
  z.NzaDtmUhr = from.time;
  z.NzaEdt = to.date;
  z.NzaEdtUhr = to.time;
  z.NzaErf = "Nza_MPA";
  z.NzaNzr = 12.3;
  return z;
}

std::vector<db::Value> AnalysisValues(const NzaSatz& z) {
  return {I(z.NzaSa), T(z.NzaApl.str()), T(z.NzaApk.str()), T(z.NzaApp.str()), T(z.NzaPnr.str()),
          T(z.NzaDtm.str() + z.NzaDtmUhr.str()), T(z.NzaEdt.str() + z.NzaEdtUhr.str()), T(z.NzaErf.str()),
          R(z.NzaNzr)};
}

// ---- Filling ------------------------------------------------------------------

struct Samples {
  std::vector<Run> runs;  // whose bookings are stored, in booking order
  std::vector<MapSatz> vectors;
  std::vector<MerkSatz> notes;
  std::vector<NzaSatz> analysis;
};

class Filler {
 public:
  Filler()
      : mel_("Kvs560Mel", BookingColumns()),
        map_("Kvs565Map", VectorColumns()),
        mrk_("Kvs563Mrk", {{"MrkKng", "?"}, {"MrkApl", "?"}, {"MrkApk", "?"}, {"MrkApp", "?"}, {"MrkPnr", "?"},
                           {"MrkBnr", "?"}, {"MrkMdt", "TO_DATE(?,'yyyymmddHH24MISS')"}, {"MrkDat", "sysdate"},
                           {"MrkObj", "?"}}),
        nza_("Kvs590Nza", {{"NzaSa", "?"}, {"NzaApl", "?"}, {"NzaApk", "?"}, {"NzaApp", "?"}, {"NzaPnr", "?"},
                           {"NzaDtm", "TO_DATE(?,'yyyymmddHH24MISS')"}, {"NzaEdt", "TO_DATE(?,'yyyymmddHH24MISS')"},
                           {"NzaErf", "?"}, {"NzaNzr", "?"}, {"NzaDat", "sysdate"}}),
        floor_(4711) {}

  // Adds rows until every table holds `size` rows, in one transaction. Not
  // a unit of work: that guards every statement with a savepoint of its own.
  int fillTo(long size, Samples& samples) {
    db::Connection& conn = db::Session::get().connection();
    int rc = conn.executeScript("BEGIN");
    while (rc == 0 && (melRows_ < size || nzaRows_ < size)) {
      Run r = floor_.next();
      if (melRows_ < size) {
        r.firstBnr = nextBnr_;
        for (const Booking& b : r.bookings) {
          if (rc == 0) rc = mel_.add(BookingValues(BookingRecord(r, b, nextBnr_++)));
        }
        melRows_ += static_cast<long>(r.bookings.size());
        samples.runs.push_back(r);
      }
      if (nzaRows_ < size) {
        for (const NzaRow& n : AnalysisRows(r)) {
          // Two stops of one work place may begin in the same second.
          if (n.sa == 13 && !stops_.insert({n.w, n.from}).second) continue;
          NzaSatz z = AnalysisRecord(n);
          if (rc == 0) rc = nza_.add(AnalysisValues(z));
          if (n.sa == 1 && floor_.pick(10) == 0) samples.analysis.push_back(z);
          ++nzaRows_;
        }
      }
    }
    while (rc == 0 && mapRows_ < size) rc = addVectors(samples);
    while (rc == 0 && mrkRows_ < size) rc = addNote(samples);
    for (BulkInsert* b : {&mel_, &map_, &mrk_, &nza_})
      if (rc == 0) rc = b->flush();
    if (rc != 0) {
      conn.executeScript("ROLLBACK");
      return rc;
    }
    return conn.executeScript("COMMIT");
  }

 private:
  // One more work place with its active objects: 20 running order
  // operations, two persons on each, and 10 of these persons also at the
  // work place itself. Each person works at one work place.
  int addVectors(Samples& samples) {
    int w = 1000 + vectorWorkPlaces_++;
    int rc = 0;
    for (int k = 0; k < 20 && rc == 0; ++k) {
      int order = 5000000 + w * 100 + k;
      long at = floor_.pick(86400 * 30);
      std::vector<MapSatz> rows = {VectorRecord("M_A", w, order, -1, at)};
      for (int p = 0; p < 2; ++p) rows.push_back(VectorRecord("MPA", w, order, w * 40 + k * 2 + p, at + p));
      if (k < 10) rows.push_back(VectorRecord("MP_", w, -1, w * 40 + k, at));
      for (const MapSatz& v : rows) {
        if (rc == 0) rc = map_.add(VectorValues(v));
        ++mapRows_;
      }
      if (floor_.pick(10) == 0) samples.vectors.push_back(rows[1]);
    }
    return rc;
  }

  // One pending note, keyed by a booking number of its own.
  int addNote(Samples& samples) {
    MerkSatz n;
    long k = mrkRows_++;
    n.MrkKng = NoteKind(static_cast<int>(k));
    n.MrkApl = WorkPlace(static_cast<int>(k % 5000));
    n.MrkApk = Order(static_cast<int>(k / 3));
    n.MrkApp = "00010";
    n.MrkPnr = Person(static_cast<int>(k % kPersons));
    n.MrkBnr = static_cast<std::int32_t>(k + 1);
    n.MrkMdt = Joined(k * 7);
    n.MrkObj = "MPA";
    if (floor_.pick(50) == 0) samples.notes.push_back(n);
    return mrk_.add({T(n.MrkKng.str()), T(n.MrkApl.str()), T(n.MrkApk.str()), T(n.MrkApp.str()),
                     T(n.MrkPnr.str()), I(n.MrkBnr), T(n.MrkMdt.str()), T(n.MrkObj.str())});
  }

  BulkInsert mel_, map_, mrk_, nza_;
  ShopFloor floor_;
  std::int32_t nextBnr_ = 1;
  long melRows_ = 0, mapRows_ = 0, mrkRows_ = 0, nzaRows_ = 0;
  int vectorWorkPlaces_ = 0;
  std::set<std::pair<int, long>> stops_;
};

// ---- Measuring -----------------------------------------------------------------

using Clock = std::chrono::steady_clock;

// The median time of one call in microseconds; a call returning an
// unexpected status is counted and reported.
struct Result {
  double micros = 0;
  int failures = 0;
};

Result Measure(const std::function<int(int)>& call, int repeats = kRepeats) {
  std::vector<double> times;
  Result r;
  for (int i = 0; i < repeats + 10; ++i) {
    auto t0 = Clock::now();
    int rc = call(i);
    auto t1 = Clock::now();
    if (rc != 0) ++r.failures;
    if (i >= 10) times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  r.micros = times[times.size() / 2];
  return r;
}

// Opens a cursor, reads up to `limit` rows and closes it; 0 when the cursor
// delivered at least one row. The read-back cursors are read for their
// first row only, as the analyses do; window and vector cursors to the end.
template <class Cursor, class Open>
int ReadRows(int limit, Open open) {
  Cursor cursor;
  if (int rc = open(cursor); rc != 0) return rc;
  typename Cursor::Row rec;
  int rows = 0, rc = 0;
  while (rows < limit && (rc = cursor.Read(&rec)) == 0) ++rows;
  return rows > 0 ? 0 : (rc == 0 ? 1403 : rc);
}

struct Probe {
  std::string name;
  std::function<int(int)> call;
};

const Run& PickRun(const Samples& s, int i, bool recent, bool needsStop = false) {
  // Recent: the last 2% of the runs, as the analyses read right after booking.
  std::size_t n = s.runs.size();
  std::size_t from = recent ? n - std::max<std::size_t>(1, n / 50) : 0;
  std::size_t span = n - from;
  std::size_t k = from + (static_cast<std::size_t>(i) * 7919u) % span;
  for (std::size_t tries = 0; needsStop && s.runs[k].stopBegin < 0 && tries < span; ++tries)
    k = from + (k - from + 1) % span;
  return s.runs[k];
}

MelSatz RunKey(const Run& r, const char* obj, int personIndex = -1) {
  Booking b{0, obj, "", "", "", personIndex >= 0 ? r.persons[static_cast<std::size_t>(personIndex)] : -1, r.start};
  return BookingRecord(r, b, 0);
}

std::vector<Probe> Probes(const Samples& s) {
  std::vector<Probe> p;
  // Keyed reads.
  p.push_back({"Mel_PKeyReadk", [&s](int i) {
                 MelSatz m;
                 const Run& r = PickRun(s, i, false);
                 m.KeyBnr = r.firstBnr;
                 return Mel_PKeyReadk(&m);
               }});
  p.push_back({"Map_PKeyReadk", [&s](int i) {
                 MapSatz v = s.vectors[static_cast<std::size_t>(i) * 7919u % s.vectors.size()];
                 return Map_PKeyReadk(&v);
               }});
  p.push_back({"Mrk_PKeyReadk", [&s](int i) {
                 MerkSatz n = s.notes[static_cast<std::size_t>(i) * 7919u % s.notes.size()];
                 return Mrk_PKeyReadk(&n);
               }});
  p.push_back({"Nza_PKeyReadk", [&s](int i) {
                 NzaSatz z = s.analysis[static_cast<std::size_t>(i) * 7919u % s.analysis.size()];
                 return Nza_PKeyReadk(&z);
               }});
  // Writes, each committed on its own.
  p.push_back({"Mel_PKeyIns+commit", [&s](int) {
                 static std::int32_t bnr = 900000000;
                 const Run& r = s.runs.back();
                 MelSatz m = BookingRecord(r, r.bookings[0], bnr++);
                 return Mel_PKeyIns(&m);
               }});
  p.push_back({"Mel_PKeyUpd+commit", [&s](int i) {
                 const Run& r = PickRun(s, i, false);
                 MelSatz m = BookingRecord(r, r.bookings[0], r.firstBnr);
                 m.MelFnr = 5006;
                 return Mel_PKeyUpd(&m);
               }});
  p.push_back({"Map_PKeyIns+commit", [](int) {
                 static int k = 0;
                 MapSatz v = VectorRecord("MP_", 900000 + k / 100, -1, k % 100, 0);
                 ++k;
                 return Map_PKeyIns(&v);
               }});
  p.push_back({"Map_PKeyUpd+commit", [&s](int i) {
                 MapSatz v = s.vectors[static_cast<std::size_t>(i) * 7919u % s.vectors.size()];
                 v.Map00U = i % 2 ? "1" : "0";
                 return Map_PKeyUpd(&v);
               }});
  p.push_back({"Mrk_PKeyIns+commit", [](int) {
                 static std::int32_t bnr = 900000000;
                 MerkSatz n;
                 n.MrkKng = "NZS";
                 n.MrkApl = "APLBENCH01";
                 n.MrkBnr = bnr++;
                 n.MrkMdt = "20261207065131";
                 return Mrk_PKeyIns(&n);
               }});
  p.push_back({"Nza_PKeyIns+commit", [](int) {
                 static long k = 0;
                 NzaSatz z = AnalysisRecord({1, 999, 900000, 1, 86400L * 3650 + k, 86400L * 3650 + k + 60});
                 ++k;
                 return Nza_PKeyIns(&z);
               }});
  // Booking window cursors.
  p.push_back({"Mel_MVon (M__ stop window)", [&s](int i) {
                 const Run& r = PickRun(s, i, false, true);
                 MelSatz k = RunKey(r, "M__");
                 Moment from = MomentAt(r.stopBegin - 3600), to = MomentAt(r.stopEnd + 3600);
                 k.KeyDat = from.date;
                 k.KeyUhr = from.time;
                 return ReadRows<Mel_MVon>(kAllRows, [&](auto& c) { return c.Open(&k, to.date, to.time); });
               }});
  p.push_back({"Mel_MAVon (run window)", [&s](int i) {
                 const Run& r = PickRun(s, i, false);
                 MelSatz k = RunKey(r, "M_A");
                 Moment to = MomentAt(r.end);
                 return ReadRows<Mel_MAVon>(kAllRows, [&](auto& c) { return c.Open(&k, to.date, to.time); });
               }});
  p.push_back({"Mel_MPAVon (work period)", [&s](int i) {
                 const Run& r = PickRun(s, i, false);
                 MelSatz k = RunKey(r, "MPA", 0);
                 Moment from = MomentAt(r.logOn[0]), to = MomentAt(r.logOff[0]);
                 k.KeyDat = from.date;
                 k.KeyUhr = from.time;
                 return ReadRows<Mel_MPAVon>(kAllRows, [&](auto& c) { return c.Open(&k, to.date, to.time); });
               }});
  // Booking read-back cursors, with a recent reference (as the analyses
  // use them) and with a reference anywhere in the history.
  for (bool recent : {true, false}) {
    std::string when = recent ? " recent ref" : " old ref";
    p.push_back({"Mel_PrfRdBck_M" + when, [&s, recent](int i) {
                   const Run& r = PickRun(s, i, recent, true);
                   MelSatz k = RunKey(r, "M__");
                   k.MelFcd = "M03";
                   Moment ref = MomentAt(r.stopEnd);
                   return ReadRows<Mel_PrfRdBck_M>(1, [&](auto& c) { return c.Open(&k, ref.date, ref.time, "55"); });
                 }});
    p.push_back({"Mel_PrfRdBck_MA" + when, [&s, recent](int i) {
                   const Run& r = PickRun(s, i, recent);
                   MelSatz k = RunKey(r, "M_A");
                   Moment ref = MomentAt(r.end);
                   return ReadRows<Mel_PrfRdBck_MA>(1, [&](auto& c) { return c.Open(&k, "A01", "A03", ref.date, ref.time, "70"); });
                 }});
    p.push_back({"Mel_PrfRdBck_MPA" + when, [&s, recent](int i) {
                   const Run& r = PickRun(s, i, recent);
                   MelSatz k = RunKey(r, "MPA", 0);
                   k.MelFcd = "P05";
                   Moment ref = MomentAt(r.logOff[0]);
                   return ReadRows<Mel_PrfRdBck_MPA>(1, [&](auto& c) { return c.Open(&k, ref.date, ref.time, "60"); });
                 }});
  }
  // State-vector cursors.
  auto vectorAt = [&s](int i, const char* obj) {
    MapSatz v = s.vectors[static_cast<std::size_t>(i) * 7919u % s.vectors.size()];
    v.MapObj = obj;
    return v;
  };
  p.push_back({"Map_AplPnr", [vectorAt](int i) {
                 MapSatz v = vectorAt(i, "MP_");
                 return ReadRows<Map_AplPnr>(kAllRows, [&](auto& c) { return c.Open(&v); });
               }});
  p.push_back({"Map_AppPnr", [vectorAt](int i) {
                 MapSatz v = vectorAt(i, "MPA");
                 return ReadRows<Map_AppPnr>(kAllRows, [&](auto& c) { return c.Open(&v); });
               }});
  p.push_back({"Map_AplApp", [vectorAt](int i) {
                 MapSatz v = vectorAt(i, "M_A");
                 return ReadRows<Map_AplApp>(kAllRows, [&](auto& c) { return c.Open(&v); });
               }});
  p.push_back({"Map_Pnr", [vectorAt](int i) {
                 MapSatz v = vectorAt(i, "MPA");
                 return ReadRows<Map_Pnr>(kAllRows, [&](auto& c) { return c.Open(&v); });
               }});
  // Analysis-row cursors.
  p.push_back({"Nza_PKeyVon", [&s](int i) {
                 NzaSatz z = s.analysis[static_cast<std::size_t>(i) * 7919u % s.analysis.size()];
                 return ReadRows<Nza_PKeyVon>(kAllRows, [&](auto& c) { return c.Open(&z); });
               }});
  p.push_back({"Nza_Sa1Pnr", [&s](int i) {
                 NzaSatz z = s.analysis[static_cast<std::size_t>(i) * 7919u % s.analysis.size()];
                 return ReadRows<Nza_Sa1Pnr>(kAllRows, [&](auto& c) { return c.Open(&z); });
               }});
  // A whole run-time note: the read-back of the start, the window of the
  // operation's bookings, the evaluation and the totals (no shift calendar
  // here, so no corner values).
  p.push_back({"Lza_Laufzeit (one LZS note)", [&s](int i) {
                 const Run& r = PickRun(s, i, true);
                 MelSatz key = RunKey(r, "M_A");
                 const Moment end = MomentAt(r.end);
                 key.KeyDat = end.date;
                 key.KeyUhr = end.time;
                 key.KeySek = "99";
                 // As the worker works a note: in one unit of work.
                 return WorkNoteInUnit("Bench", [&key] { Lza_Laufzeit(key, false); }) == NoteOutcome::kWorked ? 0 : -1;
               }});
  // One "NZS" note of a person's log-off, worked as the run works it; and
  // the same work rolled back, which leaves out the commit's flush to disk
  // (on a slow disk that alone hides what the note reads and writes).
  auto noteOf = [&s](int i) {
    const Run& r = PickRun(s, i, false);
    MelSatz key = RunKey(r, "MPA", 0);
    Moment off = MomentAt(r.logOff[0]);
    key.ObjTyp = "";
    key.KeyBnr = r.firstBnr;
    key.KeyDat = off.date;
    key.KeyUhr = off.time;
    key.KeySek = "99";
    return key;
  };
  p.push_back({kNzsNote, [noteOf](int i) {
                 const MelSatz key = noteOf(i);
                 return WorkNoteInUnit("Bench", [&key] { Nza_MPA(key, false); }) == NoteOutcome::kWorked ? 0 : -1;
               }});
  p.push_back({kNzsNoteRolledBack, [noteOf](int i) {
                 db::UnitOfWork unit;
                 if (!unit.open()) return unit.beginStatus();
                 Nza_MPA(noteOf(i), false);
                 return unit.spoiled() ? 1 : 0;  // rolled back as the unit ends
               }});
  // Whole-kind note routines: their result is every pending note of a kind.
  p.push_back({"Mrk_MrkKng (whole kind)",
               [](int) { return ReadRows<Mrk_MrkKng>(kFirstRows, [&](auto& c) { return c.Open("STG"); }); }});
  p.push_back({"Mrk_CountKng (whole kind)", [](int) {
                 std::int32_t n = 0;
                 return Mrk_CountKng("STG", &n);
               }});
  return p;
}

int Empty(const char* table) {
  std::string sql = std::string("delete from ") + table;
  db::Query q("Bench_Empty", sql.c_str());
  return db::write(q, {});
}

// The embedded database fills faster with a cache that holds its indexes;
// the measurements run with the default cache the worker has.
void FillCache(bool large) {
  if (db::Session::get().dialect() != db::Dialect::Sqlite) return;
  db::Session::get().connection().executeScript(large ? "PRAGMA cache_size=-2000000" : "PRAGMA cache_size=-2000");
}

void Analyze() {
  // The server's statistics, as its autovacuum keeps them; the embedded
  // database is left as the worker leaves it (no statistics).
  if (db::Session::get().dialect() != db::Dialect::Postgres) return;
  for (const char* t : {"Kvs560Mel", "Kvs565Map", "Kvs563Mrk", "Kvs590Nza"})
    db::Session::get().connection().executeScript(std::string("ANALYZE ") + t);
}

}  // namespace

int main(int argc, char** argv) {
  std::string service;
  std::vector<long> sizes;
  bool quick = false;
  for (int k = 1; k < argc; ++k) {
    std::string a = argv[k];
    if (a == "--quick") quick = true;
    else if (service.empty()) service = a;
    else sizes.push_back(std::atol(a.c_str()));
  }
  if (service.empty()) {
    std::fprintf(stderr, "usage: access_bench SERVICE [SMALL LARGE] [--quick]\n");
    return 2;
  }
  if (sizes.size() != 2) sizes = quick ? std::vector<long>{2000, 20000} : std::vector<long>{10000, 1000000};

  std::string error;
  if (dbConnectWith("", "", service, true, &error) != 0) {
    std::fprintf(stderr, "cannot connect: %s\n", error.c_str());
    return 1;
  }
  if (db::schema::create(db::Session::get().connection(), &error) != 0) {
    std::fprintf(stderr, "cannot create the tables: %s\n", error.c_str());
    return 1;
  }
  for (const char* t : {"Kvs560Mel", "Kvs565Map", "Kvs563Mrk", "Kvs590Nza"}) {
    if (Empty(t) != 0) {
      std::fprintf(stderr, "cannot empty %s\n", t);
      return 1;
    }
  }

  Filler filler;
  Samples samples;
  std::vector<std::string> names;
  std::vector<std::vector<Result>> results;
  for (long size : sizes) {
    auto t0 = Clock::now();
    FillCache(true);
    int rc = filler.fillTo(size, samples);
    FillCache(false);
    if (rc != 0) {
      std::fprintf(stderr, "filling failed with %d: %s\n", rc, db::Session::get().connection().lastError().c_str());
      return 1;
    }
    Analyze();
    std::fprintf(stderr, "filled to %ld rows per table in %.1f s\n", size,
                 std::chrono::duration<double>(Clock::now() - t0).count());
    std::vector<Probe> probes = Probes(samples);
    results.emplace_back();
    names.clear();
    for (const Probe& probe : probes) {
      names.push_back(probe.name);
      results.back().push_back(Measure(probe.call));
    }
  }

  std::printf("%-32s %12s %12s %7s\n", "routine (median of one call)", ("us@" + std::to_string(sizes[0])).c_str(),
              ("us@" + std::to_string(sizes[1])).c_str(), "ratio");
  for (std::size_t k = 0; k < names.size(); ++k) {
    const Result& a = results[0][k];
    const Result& b = results[1][k];
    std::printf("%-32s %12.1f %12.1f %7.2f", names[k].c_str(), a.micros, b.micros, b.micros / a.micros);
    if (a.failures || b.failures) std::printf("   (calls without row or failed: %d / %d)", a.failures, b.failures);
    std::printf("\n");
    if (names[k] == kNzsNote || names[k] == kNzsNoteRolledBack)
      std::printf("%-32s %12.0f %12.0f\n", "  NZS notes per second", 1e6 / a.micros, 1e6 / b.micros);
  }
  return 0;
}
