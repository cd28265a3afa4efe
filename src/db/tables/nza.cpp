#include "db/tables/nza.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// The start moment NzaDtm and the end moment NzaEdt are each one date
// column, carried as a date and a time field.
constexpr db::Column kColumns[] = {
    DB_COLUMN(NzaSatz, NzaSa),  DB_COLUMN(NzaSatz, NzaApl), DB_COLUMN(NzaSatz, NzaApk),
    DB_COLUMN(NzaSatz, NzaApp), DB_COLUMN(NzaSatz, NzaPnr), DB_MOMENT_COLUMN(NzaSatz, NzaDtm, NzaDtmUhr),
    DB_COLUMN(NzaSatz, NzaBeg), DB_COLUMN(NzaSatz, NzaBbn), DB_COLUMN(NzaSatz, NzaBln),
    DB_COLUMN(NzaSatz, NzaBmk), DB_MOMENT_COLUMN(NzaSatz, NzaEdt, NzaEdtUhr), DB_COLUMN(NzaSatz, NzaEnd),
    DB_COLUMN(NzaSatz, NzaEbn), DB_COLUMN(NzaSatz, NzaEln), DB_COLUMN(NzaSatz, NzaEmk),
    DB_COLUMN(NzaSatz, NzaUbg), DB_COLUMN(NzaSatz, NzaRau), DB_COLUMN(NzaSatz, NzaVar),
    DB_COLUMN(NzaSatz, Nza00A), DB_COLUMN(NzaSatz, Nza00U), DB_COLUMN(NzaSatz, Nza00S),
    DB_COLUMN(NzaSatz, NzaEmo), DB_COLUMN(NzaSatz, NzaWtg), DB_COLUMN(NzaSatz, NzaJtg),
    DB_COLUMN(NzaSatz, NzaTtp), DB_COLUMN(NzaSatz, NzaJwo), DB_COLUMN(NzaSatz, NzaWoc),
    DB_COLUMN(NzaSatz, NzaPzm), DB_COLUMN(NzaSatz, NzaMaz), DB_COLUMN(NzaSatz, NzaNzr),
    DB_COLUMN(NzaSatz, NzaBzr), DB_COLUMN(NzaSatz, NzaUzr), DB_COLUMN(NzaSatz, NzaPzr),
    DB_COLUMN(NzaSatz, NzaRbz), DB_COLUMN(NzaSatz, NzaNza), DB_COLUMN(NzaSatz, NzaBza),
    DB_COLUMN(NzaSatz, NzaUza), DB_COLUMN(NzaSatz, NzaPza), DB_COLUMN(NzaSatz, NzaAbz),
    DB_COLUMN(NzaSatz, NzaNzu), DB_COLUMN(NzaSatz, NzaBzu), DB_COLUMN(NzaSatz, NzaPzu),
    DB_COLUMN(NzaSatz, NzaUbz), DB_COLUMN(NzaSatz, NzaSol), DB_COLUMN(NzaSatz, NzaIst),
    DB_COLUMN(NzaSatz, NzaPau), DB_COLUMN(NzaSatz, NzaRf1), DB_COLUMN(NzaSatz, NzaRf2),
    DB_COLUMN(NzaSatz, NzaRf3), DB_COLUMN(NzaSatz, NzaFnr), DB_COLUMN(NzaSatz, NzaErf),
    DB_COLUMN(NzaSatz, NzaGum), DB_COLUMN(NzaSatz, NzaAum), DB_COLUMN(NzaSatz, NzaTnr),
    DB_TOUCHED("NzaDat")};

constexpr db::KeyNames kKey = {"NzaSa", "NzaApl", "NzaApk", "NzaApp", "NzaPnr", "NzaDtm"};

// Cursor parameters: the selecting keys, then window start and window end.
constexpr db::Field kKeyWindow[] = {DB_FIELD(NzaSatz, NzaSa),  DB_FIELD(NzaSatz, NzaApl),
                                    DB_FIELD(NzaSatz, NzaApk), DB_FIELD(NzaSatz, NzaApp),
                                    DB_FIELD(NzaSatz, NzaPnr), DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                    DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};
constexpr db::Field kPersonWindow[] = {DB_FIELD(NzaSatz, NzaPnr), DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                       DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};
constexpr db::Field kOperationFrom[] = {DB_FIELD(NzaSatz, NzaApl), DB_FIELD(NzaSatz, NzaApk),
                                        DB_FIELD(NzaSatz, NzaApp), DB_FIELD(NzaSatz, NzaPnr),
                                        DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr)};
constexpr db::Field kPlace = DB_FIELD(NzaSatz, NzaApl), kOrder = DB_FIELD(NzaSatz, NzaApk),
                    kOperation = DB_FIELD(NzaSatz, NzaApp);
constexpr db::Field kPlaceWindow[] = {DB_FIELD(NzaSatz, NzaApl), DB_FIELD(NzaSatz, NzaApk),
                                      DB_FIELD(NzaSatz, NzaApp), DB_FIELD(NzaSatz, NzaPnr),
                                      DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                      DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};

const db::Table& nza() { return db::tables::Nza(); }

// A period lies in the window when its start or its end does.
#define NZA_START_OR_END_IN(from, to)                                                               \
  "((TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=" from " and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=" to     \
  ") or (TO_CHAR(NzaEdt,'yyyymmddHH24MISS')>=" from " and TO_CHAR(NzaEdt,'yyyymmddHH24MISS')<=" to \
  "))"

db::Query& startWindowQuery() {
  static db::Query q("Nza_PKeyVon",
                     nza().select() +
                         "where ((((((NzaSa=:b0 and NzaApl=:b1) and NzaApk=:b2) and NzaApp=:b3) and NzaPnr=:b4) and "
                         "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b5) and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b6) "
                         "order by NzaSa,NzaApl,NzaApk,NzaApp,NzaPnr,NzaDtm");
  return q;
}

// Two index ranges, one over the starts and one over the ends of the
// person's periods, so that the person's history outside the window is
// never read; the second leaves out what the first delivered.
db::Query& personWorkQuery() {
  static db::Query q("Nza_Sa1Pnr",
                     nza().select() +
                         "where ((NzaSa=1 and NzaPnr=:b0) and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b1 and "
                         "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b2) union all " +
                         nza().select() +
                         "where ((NzaSa=1 and NzaPnr=:b0) and TO_CHAR(NzaEdt,'yyyymmddHH24MISS')>=:b1 and "
                         "TO_CHAR(NzaEdt,'yyyymmddHH24MISS')<=:b2 and (TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<:b1 or "
                         "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>:b2)) order by 6,7");
  return q;
}

db::Query& operationFromQuery() {
  static db::Query q("Nza_MpaAb",
                     nza().select() +
                         "where ((((NzaSa in (1,2) and NzaApl=:b0) and NzaApk=:b1) and NzaApp=:b2) and NzaPnr=:b3) "
                         "and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b4 order by NzaSa,NzaDtm");
  return q;
}

db::Query& runRowsQuery() {
  static db::Query q("Nza_LaufZeilen",
                     nza().select() +
                         "where NzaSa in (3,4,5,8) and NzaApl in (:b0,:b1) and NzaApk=:b2 and NzaApp=:b3 "
                         "order by NzaSa,NzaApl,NzaPnr,NzaDtm");
  return q;
}

db::Query& placeInterruptionQuery() {
  static db::Query q("Nza_Sa2Von",
                     nza().select() +
                         "where (((((NzaSa=2 and NzaApl=:b0) and NzaApk=:b1) and NzaApp=:b2) and NzaPnr=:b3) "
                         "and " NZA_START_OR_END_IN(":b4", ":b5") ") order by NzaDtm");
  return q;
}

}  // namespace

const db::Table& db::tables::Nza() {
  static const db::Table table("Kvs590Nza", kColumns);
  return table;
}

namespace {

db::Query& insertQuery() {
  static db::Query q("Nza_PKeyIns", nza().insert());
  return q;
}

const db::RowUpdate& rowUpdate() {
  static const db::RowUpdate u = nza().update(kKey);
  return u;
}

db::Query& updateQuery() {
  static db::Query q("Nza_PKeyUpd", rowUpdate().sql);
  return q;
}

}  // namespace

int Nza_PKeyIns(const NzaSatz* n) { return db::writeRecord(insertQuery(), n, nza().writeFields()); }
int Nza_PKeyUpd(const NzaSatz* n) { return db::writeRecord(updateQuery(), n, rowUpdate().binds); }

db::QueuedWrite Nza_PKeyInsQueued(const NzaSatz* n) {
  return {&insertQuery(), db::fieldValues(n, nza().writeFields())};
}

db::QueuedWrite Nza_PKeyUpdQueued(const NzaSatz* n) {
  return {&updateQuery(), db::fieldValues(n, rowUpdate().binds)};
}

int Nza_PKeyDel(const NzaSatz* n) {
  static const db::KeyCondition key = nza().key(kKey);
  static db::Query q("Nza_PKeyDel", nza().erase(kKey));
  return db::writeRecord(q, n, key.binds);
}

int Nza_PKeyReadk(NzaSatz* n) {
  static const db::KeyCondition key = nza().key(kKey);
  static db::Query q("Nza_PKeyReadk", nza().select() + key.where);
  return db::readRecord(q, n, key.binds, nza().rowFields(), db::OnFailure::KeepKey);
}

int Nza_ReadSA_EH(NzaSatz* n) {
  static const db::KeyCondition key = nza().key({"NzaSa", "NzaApl", "NzaApk", "NzaApp", "NzaPnr"});
  static db::Query q("Nza_ReadSA_EH", nza().select() + key.where);
  return db::readRecord(q, n, key.binds, nza().rowFields(), db::OnFailure::KeepKey);
}

Nza_PKeyVon::Nza_PKeyVon() : RecordCursor(startWindowQuery(), nza().rowFields()) {}
int Nza_PKeyVon::Open(const NzaSatz* window) { return cursor_.open(window, kKeyWindow); }

Nza_Sa1Pnr::Nza_Sa1Pnr() : RecordCursor(personWorkQuery(), nza().rowFields()) {}
int Nza_Sa1Pnr::Open(const NzaSatz* window) { return cursor_.open(window, kPersonWindow); }

Nza_MpaAb::Nza_MpaAb() : RecordCursor(operationFromQuery(), nza().rowFields()) {}
int Nza_MpaAb::Open(const NzaSatz* from) { return cursor_.open(from, kOperationFrom); }

Nza_LaufZeilen::Nza_LaufZeilen() : RecordCursor(runRowsQuery(), nza().rowFields()) {}
int Nza_LaufZeilen::Open(const NzaSatz* atPlace, const NzaSatz* overAll) {
  const db::Value values[] = {db::fieldValue(atPlace, kPlace), db::fieldValue(overAll, kPlace),
                              db::fieldValue(atPlace, kOrder), db::fieldValue(atPlace, kOperation)};
  return cursor_.open(values);
}

Nza_Sa2Von::Nza_Sa2Von() : RecordCursor(placeInterruptionQuery(), nza().rowFields()) {}
int Nza_Sa2Von::Open(const NzaSatz* window) { return cursor_.open(window, kPlaceWindow); }
