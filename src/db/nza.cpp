#include "db/nza.h"

#include "db/access.h"

namespace {

// Every column as the record holds it: the moments as date and time fields.
constexpr db::Field kRow[] = {
    DB_FIELD(NzaSatz, NzaSa),     DB_FIELD(NzaSatz, NzaApl),    DB_FIELD(NzaSatz, NzaApk),
    DB_FIELD(NzaSatz, NzaApp),    DB_FIELD(NzaSatz, NzaPnr),    DB_FIELD(NzaSatz, NzaDtm),
    DB_FIELD(NzaSatz, NzaDtmUhr), DB_FIELD(NzaSatz, NzaBeg),    DB_FIELD(NzaSatz, NzaBbn),
    DB_FIELD(NzaSatz, NzaBln),    DB_FIELD(NzaSatz, NzaBmk),    DB_FIELD(NzaSatz, NzaEdt),
    DB_FIELD(NzaSatz, NzaEdtUhr), DB_FIELD(NzaSatz, NzaEnd),    DB_FIELD(NzaSatz, NzaEbn),
    DB_FIELD(NzaSatz, NzaEln),    DB_FIELD(NzaSatz, NzaEmk),    DB_FIELD(NzaSatz, NzaUbg),
    DB_FIELD(NzaSatz, NzaRau),    DB_FIELD(NzaSatz, NzaVar),    DB_FIELD(NzaSatz, Nza00A),
    DB_FIELD(NzaSatz, Nza00U),    DB_FIELD(NzaSatz, Nza00S),    DB_FIELD(NzaSatz, NzaEmo),
    DB_FIELD(NzaSatz, NzaWtg),    DB_FIELD(NzaSatz, NzaJtg),    DB_FIELD(NzaSatz, NzaTtp),
    DB_FIELD(NzaSatz, NzaJwo),    DB_FIELD(NzaSatz, NzaWoc),    DB_FIELD(NzaSatz, NzaPzm),
    DB_FIELD(NzaSatz, NzaMaz),    DB_FIELD(NzaSatz, NzaNzr),    DB_FIELD(NzaSatz, NzaBzr),
    DB_FIELD(NzaSatz, NzaUzr),    DB_FIELD(NzaSatz, NzaPzr),    DB_FIELD(NzaSatz, NzaRbz),
    DB_FIELD(NzaSatz, NzaNza),    DB_FIELD(NzaSatz, NzaBza),    DB_FIELD(NzaSatz, NzaUza),
    DB_FIELD(NzaSatz, NzaPza),    DB_FIELD(NzaSatz, NzaAbz),    DB_FIELD(NzaSatz, NzaNzu),
    DB_FIELD(NzaSatz, NzaBzu),    DB_FIELD(NzaSatz, NzaPzu),    DB_FIELD(NzaSatz, NzaUbz),
    DB_FIELD(NzaSatz, NzaSol),    DB_FIELD(NzaSatz, NzaIst),    DB_FIELD(NzaSatz, NzaPau),
    DB_FIELD(NzaSatz, NzaRf1),    DB_FIELD(NzaSatz, NzaRf2),    DB_FIELD(NzaSatz, NzaRf3),
    DB_FIELD(NzaSatz, NzaFnr),    DB_FIELD(NzaSatz, NzaErf),    DB_FIELD(NzaSatz, NzaGum),
    DB_FIELD(NzaSatz, NzaAum),    DB_FIELD(NzaSatz, NzaTnr)};

// The same columns as written: each moment joined into one value.
constexpr db::Field kWrite[] = {
    DB_FIELD(NzaSatz, NzaSa),  DB_FIELD(NzaSatz, NzaApl), DB_FIELD(NzaSatz, NzaApk),
    DB_FIELD(NzaSatz, NzaApp), DB_FIELD(NzaSatz, NzaPnr), DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
    DB_FIELD(NzaSatz, NzaBeg), DB_FIELD(NzaSatz, NzaBbn), DB_FIELD(NzaSatz, NzaBln),
    DB_FIELD(NzaSatz, NzaBmk), DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr), DB_FIELD(NzaSatz, NzaEnd),
    DB_FIELD(NzaSatz, NzaEbn), DB_FIELD(NzaSatz, NzaEln), DB_FIELD(NzaSatz, NzaEmk),
    DB_FIELD(NzaSatz, NzaUbg), DB_FIELD(NzaSatz, NzaRau), DB_FIELD(NzaSatz, NzaVar),
    DB_FIELD(NzaSatz, Nza00A), DB_FIELD(NzaSatz, Nza00U), DB_FIELD(NzaSatz, Nza00S),
    DB_FIELD(NzaSatz, NzaEmo), DB_FIELD(NzaSatz, NzaWtg), DB_FIELD(NzaSatz, NzaJtg),
    DB_FIELD(NzaSatz, NzaTtp), DB_FIELD(NzaSatz, NzaJwo), DB_FIELD(NzaSatz, NzaWoc),
    DB_FIELD(NzaSatz, NzaPzm), DB_FIELD(NzaSatz, NzaMaz), DB_FIELD(NzaSatz, NzaNzr),
    DB_FIELD(NzaSatz, NzaBzr), DB_FIELD(NzaSatz, NzaUzr), DB_FIELD(NzaSatz, NzaPzr),
    DB_FIELD(NzaSatz, NzaRbz), DB_FIELD(NzaSatz, NzaNza), DB_FIELD(NzaSatz, NzaBza),
    DB_FIELD(NzaSatz, NzaUza), DB_FIELD(NzaSatz, NzaPza), DB_FIELD(NzaSatz, NzaAbz),
    DB_FIELD(NzaSatz, NzaNzu), DB_FIELD(NzaSatz, NzaBzu), DB_FIELD(NzaSatz, NzaPzu),
    DB_FIELD(NzaSatz, NzaUbz), DB_FIELD(NzaSatz, NzaSol), DB_FIELD(NzaSatz, NzaIst),
    DB_FIELD(NzaSatz, NzaPau), DB_FIELD(NzaSatz, NzaRf1), DB_FIELD(NzaSatz, NzaRf2),
    DB_FIELD(NzaSatz, NzaRf3), DB_FIELD(NzaSatz, NzaFnr), DB_FIELD(NzaSatz, NzaErf),
    DB_FIELD(NzaSatz, NzaGum), DB_FIELD(NzaSatz, NzaAum), DB_FIELD(NzaSatz, NzaTnr)};

constexpr db::Field kKey[] = {DB_FIELD(NzaSatz, NzaSa),  DB_FIELD(NzaSatz, NzaApl),
                              DB_FIELD(NzaSatz, NzaApk), DB_FIELD(NzaSatz, NzaApp),
                              DB_FIELD(NzaSatz, NzaPnr), DB_FIELD(NzaSatz, NzaDtm),
                              DB_FIELD(NzaSatz, NzaDtmUhr)};
constexpr db::Field kKeyWithoutStart[] = {DB_FIELD(NzaSatz, NzaSa), DB_FIELD(NzaSatz, NzaApl),
                                          DB_FIELD(NzaSatz, NzaApk), DB_FIELD(NzaSatz, NzaApp),
                                          DB_FIELD(NzaSatz, NzaPnr)};

// Cursor parameters: the selecting keys, then window start and window end.
constexpr db::Field kKeyWindow[] = {DB_FIELD(NzaSatz, NzaSa),  DB_FIELD(NzaSatz, NzaApl),
                                    DB_FIELD(NzaSatz, NzaApk), DB_FIELD(NzaSatz, NzaApp),
                                    DB_FIELD(NzaSatz, NzaPnr), DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                    DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};
constexpr db::Field kPersonWindow[] = {DB_FIELD(NzaSatz, NzaPnr), DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                       DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};
constexpr db::Field kPlaceWindow[] = {DB_FIELD(NzaSatz, NzaApl), DB_FIELD(NzaSatz, NzaApk),
                                      DB_FIELD(NzaSatz, NzaApp), DB_FIELD(NzaSatz, NzaPnr),
                                      DB_MOMENT(NzaSatz, NzaDtm, NzaDtmUhr),
                                      DB_MOMENT(NzaSatz, NzaEdt, NzaEdtUhr)};

#define NZA_SELECT                                                                                  \
  "select NzaSa,NzaApl,NzaApk,NzaApp,NzaPnr,TO_CHAR(NzaDtm,'yyyymmdd'),TO_CHAR(NzaDtm,'HH24MISS'),"  \
  "NzaBeg,NzaBbn,NzaBln,NzaBmk,TO_CHAR(NzaEdt,'yyyymmdd'),TO_CHAR(NzaEdt,'HH24MISS'),NzaEnd,NzaEbn," \
  "NzaEln,NzaEmk,NzaUbg,NzaRau,NzaVar,Nza00A,Nza00U,Nza00S,NzaEmo,NzaWtg,NzaJtg,NzaTtp,NzaJwo,"      \
  "NzaWoc,NzaPzm,NzaMaz,NzaNzr,NzaBzr,NzaUzr,NzaPzr,NzaRbz,NzaNza,NzaBza,NzaUza,NzaPza,NzaAbz,"     \
  "NzaNzu,NzaBzu,NzaPzu,NzaUbz,NzaSol,NzaIst,NzaPau,NzaRf1,NzaRf2,NzaRf3,NzaFnr,NzaErf,NzaGum,"     \
  "NzaAum,NzaTnr  from Kvs590Nza "

// Periods of one key whose start lies in the window, for both start cursors.
#define NZA_START_IN_WINDOW                                                                         \
  "where ((((((NzaSa=:b0 and NzaApl=:b1) and NzaApk=:b2) and NzaApp=:b3) and NzaPnr=:b4) and "     \
  "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=:b5) and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=:b6) "         \
  "order by NzaSa,NzaApl,NzaApk,NzaApp,NzaPnr,NzaDtm"

// A period lies in the window when its start or its end does.
#define NZA_START_OR_END_IN(from, to)                                                               \
  "((TO_CHAR(NzaDtm,'yyyymmddHH24MISS')>=" from " and TO_CHAR(NzaDtm,'yyyymmddHH24MISS')<=" to     \
  ") or (TO_CHAR(NzaEdt,'yyyymmddHH24MISS')>=" from " and TO_CHAR(NzaEdt,'yyyymmddHH24MISS')<=" to \
  "))"

db::Query& startWindowQuery() {
  static db::Query q("Nza_PKeyVon", NZA_SELECT NZA_START_IN_WINDOW);
  return q;
}

db::Query& personWorkQuery() {
  static db::Query q("Nza_Sa1Pnr", NZA_SELECT "where ((NzaSa=1 and NzaPnr=:b0) and "
                                   NZA_START_OR_END_IN(":b1", ":b2") ") order by NzaDtm");
  return q;
}

db::Query& placeInterruptionQuery() {
  static db::Query q("Nza_Sa2Von",
                     NZA_SELECT "where (((((NzaSa=2 and NzaApl=:b0) and NzaApk=:b1) and NzaApp=:b2) and NzaPnr=:b3) "
                                "and " NZA_START_OR_END_IN(":b4", ":b5") ") order by NzaDtm");
  return q;
}

int openWith(db::Cursor& cursor, const NzaSatz* window, db::Fields params) {
  return cursor.open(db::fieldValues(window, params));
}

}  // namespace

int Nza_PKeyIns(const NzaSatz* nza) {
  static db::Query q(
      "Nza_PKeyIns",
      "insert into Kvs590Nza (NzaSa,NzaApl,NzaApk,NzaApp,NzaPnr,NzaDtm,NzaBeg,NzaBbn,NzaBln,NzaBmk,NzaEdt,"
      "NzaEnd,NzaEbn,NzaEln,NzaEmk,NzaUbg,NzaRau,NzaVar,Nza00A,Nza00U,Nza00S,NzaEmo,NzaWtg,NzaJtg,NzaTtp,"
      "NzaJwo,NzaWoc,NzaPzm,NzaMaz,NzaNzr,NzaBzr,NzaUzr,NzaPzr,NzaRbz,NzaNza,NzaBza,NzaUza,NzaPza,NzaAbz,"
      "NzaNzu,NzaBzu,NzaPzu,NzaUbz,NzaSol,NzaIst,NzaPau,NzaRf1,NzaRf2,NzaRf3,NzaFnr,NzaErf,NzaGum,NzaAum,"
      "NzaTnr,NzaDat) values (:b0,:b1,:b2,:b3,:b4,TO_DATE(:b5,'yyyymmddHH24MISS'),:b6,:b7,:b8,:b9,"
      "TO_DATE(:b10,'yyyymmddHH24MISS'),:b11,:b12,:b13,:b14,:b15,:b16,:b17,:b18,:b19,:b20,:b21,:b22,:b23,"
      ":b24,:b25,:b26,:b27,:b28,:b29,:b30,:b31,:b32,:b33,:b34,:b35,:b36,:b37,:b38,:b39,:b40,:b41,:b42,:b43,"
      ":b44,:b45,:b46,:b47,:b48,:b49,:b50,:b51,:b52,:b53,sysdate)");
  return db::write(q, db::fieldValues(nza, kWrite));
}

int Nza_PKeyUpd(const NzaSatz* nza) {
  static db::Query q(
      "Nza_PKeyUpd",
      "update Kvs590Nza  set NzaSa=:b0,NzaApl=:b1,NzaApk=:b2,NzaApp=:b3,NzaPnr=:b4,"
      "NzaDtm=TO_DATE(:b5,'yyyymmddHH24MISS'),NzaBeg=:b6,NzaBbn=:b7,NzaBln=:b8,NzaBmk=:b9,"
      "NzaEdt=TO_DATE(:b10,'yyyymmddHH24MISS'),NzaEnd=:b11,NzaEbn=:b12,NzaEln=:b13,NzaEmk=:b14,NzaUbg=:b15,"
      "NzaRau=:b16,NzaVar=:b17,Nza00A=:b18,Nza00U=:b19,Nza00S=:b20,NzaEmo=:b21,NzaWtg=:b22,NzaJtg=:b23,"
      "NzaTtp=:b24,NzaJwo=:b25,NzaWoc=:b26,NzaPzm=:b27,NzaMaz=:b28,NzaNzr=:b29,NzaBzr=:b30,NzaUzr=:b31,"
      "NzaPzr=:b32,NzaRbz=:b33,NzaNza=:b34,NzaBza=:b35,NzaUza=:b36,NzaPza=:b37,NzaAbz=:b38,NzaNzu=:b39,"
      "NzaBzu=:b40,NzaPzu=:b41,NzaUbz=:b42,NzaSol=:b43,NzaIst=:b44,NzaPau=:b45,NzaRf1=:b46,NzaRf2=:b47,"
      "NzaRf3=:b48,NzaFnr=:b49,NzaErf=:b50,NzaGum=:b51,NzaAum=:b52,NzaTnr=:b53,NzaDat=sysdate "
      "where (((((NzaSa=:b0 and NzaApl=:b1) and NzaApk=:b2) and NzaApp=:b3) and NzaPnr=:b4) and "
      "TO_CHAR(NzaDtm,'yyyymmddHH24MISS')=:b5)");
  return db::write(q, db::fieldValues(nza, kWrite));
}

int Nza_PKeyReadk(NzaSatz* nza) {
  static db::Query q("Nza_PKeyReadk",
                     NZA_SELECT
                     "where ((((((NzaSa=:b0 and NzaApl=:b2) and NzaApk=:b4) and NzaApp=:b6) and NzaPnr=:b8) and "
                     "TO_CHAR(NzaDtm,'yyyymmdd')=:b10) and TO_CHAR(NzaDtm,'HH24MISS')=:b12)");
  return db::readRecord(q, nza, kKey, kRow, db::OnFailure::KeepKey);
}

int Nza_ReadSA_EH(NzaSatz* nza) {
  static db::Query q("Nza_ReadSA_EH",
                     NZA_SELECT "where ((((NzaSa=:b0 and NzaApl=:b2) and NzaApk=:b4) and NzaApp=:b6) and NzaPnr=:b116)");
  return db::readRecord(q, nza, kKeyWithoutStart, kRow, db::OnFailure::KeepKey);
}

Nza_PKeyVon::Nza_PKeyVon() : RecordCursor(startWindowQuery(), kRow) {}
int Nza_PKeyVon::Open(const NzaSatz* window) { return openWith(cursor_, window, kKeyWindow); }

Nza_Sa1Pnr::Nza_Sa1Pnr() : RecordCursor(personWorkQuery(), kRow) {}
int Nza_Sa1Pnr::Open(const NzaSatz* window) { return openWith(cursor_, window, kPersonWindow); }

Nza_Sa2Von::Nza_Sa2Von() : RecordCursor(placeInterruptionQuery(), kRow) {}
int Nza_Sa2Von::Open(const NzaSatz* window) { return openWith(cursor_, window, kPlaceWindow); }

