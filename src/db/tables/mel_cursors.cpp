// The booking cursors: window cursors over the bookings of one object
// between two moments, and read-back cursors that deliver the newest
// booking of one object at or before a reference.
//
// Moments are compared as texts: the date text of KeyDat, then the time
// text of KeyUhr (and KeySek within a second), written as the usual OR of
// date and time conditions. Each selection states its bounds a second time
// as a row comparison of the same texts, which selects exactly the same
// rows. The two forms let either backend find the object's rows through the
// moment parts of its index instead of reading the object's whole history:
// SQLite derives a date range from the OR form of a window, PostgreSQL
// takes the row comparison as an index range.
//
// SQLite derives no range from the three-way OR of a read-back, so the
// read-backs of a work place and of an order operation also carry the bare
// date bound the reference implies; a work place's history grows with the
// table. The person read-back goes without it: SQLite, planning without
// statistics, would then prefer the work-place code index with its date
// range over the person index, and one person's history on one order
// operation stays short anyway.
#include <vector>

#include "db/engine/access.h"
#include "db/tables/mel.h"
#include "db/tables/tables.h"

// Moment conditions; d, t and s are bind names. Strictly after / before:
#define MEL_AFTER(d, t)                                                                              \
  "(TO_CHAR(KeyDat,'yyyymmdd')>" d " or (TO_CHAR(KeyDat,'yyyymmdd')=" d " and TO_CHAR(KeyUhr,'HH24MISS')>" t \
  ")) and " MEL_MOMENT ">(" d "," t ")"
#define MEL_BEFORE(d, t)                                                                             \
  "(TO_CHAR(KeyDat,'yyyymmdd')<" d " or (TO_CHAR(KeyDat,'yyyymmdd')=" d " and TO_CHAR(KeyUhr,'HH24MISS')<" t \
  ")) and " MEL_MOMENT "<(" d "," t ")"
// Bounds included:
#define MEL_AT_OR_AFTER(d, t)                                                                        \
  "(TO_CHAR(KeyDat,'yyyymmdd')>" d " or (TO_CHAR(KeyDat,'yyyymmdd')=" d                               \
  " and TO_CHAR(KeyUhr,'HH24MISS')>=" t ")) and " MEL_MOMENT ">=(" d "," t ")"
#define MEL_AT_OR_BEFORE(d, t)                                                                       \
  "(TO_CHAR(KeyDat,'yyyymmdd')<" d " or (TO_CHAR(KeyDat,'yyyymmdd')=" d                               \
  " and TO_CHAR(KeyUhr,'HH24MISS')<=" t ")) and " MEL_MOMENT "<=(" d "," t ")"
#define MEL_MOMENT "(TO_CHAR(KeyDat,'yyyymmdd'),TO_CHAR(KeyUhr,'HH24MISS'))"
// At or before the reference (d, t, s): earlier, or in the same second with
// a KeySek not greater than s.
#define MEL_AT_OR_BEFORE_REFERENCE(d, t, s)                                                          \
  "((TO_CHAR(KeyDat,'yyyymmdd')<" d " or (TO_CHAR(KeyDat,'yyyymmdd')=" d                              \
  " and TO_CHAR(KeyUhr,'HH24MISS')<" t ")) or ((TO_CHAR(KeyDat,'yyyymmdd')=" d                        \
  " and TO_CHAR(KeyUhr,'HH24MISS')=" t ") and KeySek<=" s ")) and "                                  \
  "(TO_CHAR(KeyDat,'yyyymmdd'),TO_CHAR(KeyUhr,'HH24MISS'),KeySek)<=(" d "," t "," s ")"
#define MEL_ON_OR_BEFORE_DATE(d) "TO_CHAR(KeyDat,'yyyymmdd')<=" d
#define MEL_OLDEST_FIRST "TO_CHAR(KeyDat,'yyyymmdd'),TO_CHAR(KeyUhr,'HH24MISS'),KeySek"
#define MEL_NEWEST_FIRST "TO_CHAR(KeyDat,'yyyymmdd') desc,TO_CHAR(KeyUhr,'HH24MISS') desc,KeySek desc"
// A read-back is asked for its newest row only: the rest of an object's
// history before the reference grows with the table, and the server would
// compute and send it for nothing.
#define MEL_NEWEST_ONLY "limit 1"

namespace {

// The parameter fields each selection takes from the caller's record.
constexpr db::Field kApl[] = {DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, KeyApl)};
constexpr db::Field kAplApp[] = {DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, KeyApl),
                                 DB_FIELD(MelSatz, KeyApk), DB_FIELD(MelSatz, KeyApp)};
constexpr db::Field kAplAppPnr[] = {DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, KeyApl),
                                    DB_FIELD(MelSatz, KeyApk), DB_FIELD(MelSatz, KeyApp),
                                    DB_FIELD(MelSatz, KeyPnr)};
constexpr db::Field kFcdApl[] = {DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, MelFcd), DB_FIELD(MelSatz, KeyApl)};
constexpr db::Field kFcdAplAppPnr[] = {DB_FIELD(MelSatz, ObjTyp), DB_FIELD(MelSatz, MelFcd),
                                       DB_FIELD(MelSatz, KeyApl), DB_FIELD(MelSatz, KeyApk),
                                       DB_FIELD(MelSatz, KeyApp), DB_FIELD(MelSatz, KeyPnr)};
constexpr db::Field kOrderOperation[] = {DB_FIELD(MelSatz, KeyApl), DB_FIELD(MelSatz, KeyApk),
                                         DB_FIELD(MelSatz, KeyApp)};
constexpr db::Field kFrom[] = {DB_FIELD(MelSatz, KeyDat), DB_FIELD(MelSatz, KeyUhr)};

const db::Table& mel() { return db::tables::Mel(); }

db::Value text(const char* s) { return db::Value::text(s ? s : ""); }

void append(std::vector<db::Value>& values, std::vector<db::Value> more) {
  for (db::Value& v : more) values.push_back(std::move(v));
}

// The record's selection fields, then the window from the record's
// (KeyDat, KeyUhr) to (toDate, toTime).
std::vector<db::Value> windowParams(const MelSatz* params, db::Fields keys, const char* toDate,
                                    const char* toTime) {
  std::vector<db::Value> values = db::fieldValues(params, keys);
  append(values, db::fieldValues(params, kFrom));
  append(values, {text(toDate), text(toTime)});
  return values;
}

// The selection values, then the reference moment.
std::vector<db::Value> referenceParams(std::vector<db::Value> values, const char* refDate, const char* refTime,
                                       const char* refSek) {
  append(values, {text(refDate), text(refTime), text(refSek)});
  return values;
}

db::Query& mvonQuery() {
  static db::Query q("Mel_MVon", mel().select() +
                     "where ((ObjTyp=:b0 and KeyApl=:b1) and (" MEL_AFTER(":b2", ":b3") ") and ("
                     MEL_BEFORE(":b4", ":b5") ")) "
                     "order by ObjTyp,KeyApl," MEL_OLDEST_FIRST);
  return q;
}

db::Query& mavonQuery() {
  static db::Query q("Mel_MAVon", mel().select() +
                     "where ((((ObjTyp=:b0 and KeyApl=:b1) and KeyApk=:b2) and KeyApp=:b3) and "
                     "(" MEL_AT_OR_AFTER(":b4", ":b5") ") and (" MEL_AT_OR_BEFORE(":b6", ":b7") ")) "
                     "order by ObjTyp,KeyApl,KeyApk,KeyApp," MEL_OLDEST_FIRST);
  return q;
}

db::Query& mpavonQuery() {
  static db::Query q("Mel_MPAVon", mel().select() +
                     "where (((((ObjTyp=:b0 and KeyApl=:b1) and KeyApk=:b2) and KeyApp=:b3) and KeyPnr=:b4) and "
                     "(" MEL_AT_OR_AFTER(":b5", ":b6") ") and (" MEL_AT_OR_BEFORE(":b7", ":b8") ")) "
                     "order by ObjTyp,KeyApl,KeyApk,KeyApp,KeyPnr," MEL_OLDEST_FIRST);
  return q;
}

db::Query& readBackMQuery() {
  static db::Query q("Mel_PrfRdBck_M", mel().select() +
                     "where (((ObjTyp=:b0 and MelFcd=:b1) and KeyApl=:b2) and ("
                     MEL_AT_OR_BEFORE_REFERENCE(":b6", ":b8", ":b11") ") and " MEL_ON_OR_BEFORE_DATE(":b6") ") "
                     "order by " MEL_NEWEST_FIRST " " MEL_NEWEST_ONLY);
  return q;
}

db::Query& readBackMAQuery() {
  static db::Query q("Mel_PrfRdBck_MA", mel().select() +
                     "where (((((ObjTyp=:b0 and (MelFcd=:b1 or MelFcd=:b2)) and KeyApl=:b3) and KeyApk=:b4) and "
                     "KeyApp=:b5) and (" MEL_AT_OR_BEFORE_REFERENCE(":b6", ":b8", ":b11") ") and "
                     MEL_ON_OR_BEFORE_DATE(":b6") ") "
                     "order by ObjTyp,KeyApl,KeyApk,KeyApp," MEL_NEWEST_FIRST " " MEL_NEWEST_ONLY);
  return q;
}

db::Query& readBackMPAQuery() {
  static db::Query q("Mel_PrfRdBck_MPA", mel().select() +
                     "where ((((((ObjTyp=:b0 and MelFcd=:b1) and KeyApl=:b2) and KeyApk=:b3) and KeyApp=:b4) and "
                     "KeyPnr=:b5) and (" MEL_AT_OR_BEFORE_REFERENCE(":b6", ":b8", ":b11") ")) "
                     "order by ObjTyp,MelFcd,KeyApl,KeyApk,KeyApp,KeyPnr," MEL_NEWEST_FIRST " " MEL_NEWEST_ONLY);
  return q;
}

}  // namespace

Mel_MVon::Mel_MVon() : RecordCursor(mvonQuery(), mel().rowFields()) {}
int Mel_MVon::Open(const MelSatz* params, const char* toDate, const char* toTime) {
  return cursor_.open(windowParams(params, kApl, toDate, toTime));
}

Mel_MAVon::Mel_MAVon() : RecordCursor(mavonQuery(), mel().rowFields()) {}
int Mel_MAVon::Open(const MelSatz* params, const char* toDate, const char* toTime) {
  return cursor_.open(windowParams(params, kAplApp, toDate, toTime));
}

Mel_MPAVon::Mel_MPAVon() : RecordCursor(mpavonQuery(), mel().rowFields()) {}
int Mel_MPAVon::Open(const MelSatz* params, const char* toDate, const char* toTime) {
  return cursor_.open(windowParams(params, kAplAppPnr, toDate, toTime));
}

Mel_PrfRdBck_M::Mel_PrfRdBck_M() : RecordCursor(readBackMQuery(), mel().rowFields()) {}
int Mel_PrfRdBck_M::Open(const MelSatz* params, const char* refDate, const char* refTime, const char* refSek) {
  return cursor_.open(referenceParams(db::fieldValues(params, kFcdApl), refDate, refTime, refSek));
}

Mel_PrfRdBck_MA::Mel_PrfRdBck_MA() : RecordCursor(readBackMAQuery(), mel().rowFields()) {}
int Mel_PrfRdBck_MA::Open(const MelSatz* params, const char* fcd1, const char* fcd2, const char* refDate,
                         const char* refTime, const char* refSek) {
  std::vector<db::Value> values = {text(params->ObjTyp.c_str()), text(fcd1), text(fcd2)};
  append(values, db::fieldValues(params, kOrderOperation));
  return cursor_.open(referenceParams(std::move(values), refDate, refTime, refSek));
}

Mel_PrfRdBck_MPA::Mel_PrfRdBck_MPA() : RecordCursor(readBackMPAQuery(), mel().rowFields()) {}
int Mel_PrfRdBck_MPA::Open(const MelSatz* params, const char* refDate, const char* refTime, const char* refSek) {
  return cursor_.open(
      referenceParams(db::fieldValues(params, kFcdAplAppPnr), refDate, refTime, refSek));
}

