#include "db/tables/mel.h"

#include "db/engine/access.h"
#include "db/tables/tables.h"

namespace {

// The booking moment is written whole into both KeyDat and KeyUhr and read
// back as the date of the one and the time of the other.
constexpr db::Column kColumns[] = {
    DB_COLUMN(MelSatz, KeyBnr), DB_COLUMN(MelSatz, KeyLfn), DB_COLUMN(MelSatz, ObjTyp),
    DB_COLUMN(MelSatz, KeyPnr), DB_COLUMN(MelSatz, KeyApl), DB_COLUMN(MelSatz, KeyApk),
    DB_COLUMN(MelSatz, KeyApp), DB_COLUMN(MelSatz, Sts00E), DB_COLUMN(MelSatz, Sts00R),
    DB_COLUMN(MelSatz, Sts00A), DB_COLUMN(MelSatz, Sts00U), DB_COLUMN(MelSatz, Sts00S),
    DB_COLUMN(MelSatz, Sts006), DB_COLUMN(MelSatz, Sts007), DB_COLUMN(MelSatz, Sts008),
    DB_COLUMN(MelSatz, Sts009), DB_COLUMN(MelSatz, Sts010), DB_COLUMN(MelSatz, Sts011),
    DB_COLUMN(MelSatz, Sts012), DB_COLUMN(MelSatz, Sts013), DB_COLUMN(MelSatz, Sts014),
    DB_COLUMN(MelSatz, Sts015), DB_COLUMN(MelSatz, Sts016), DB_SPLIT_MOMENT(MelSatz, KeyDat, KeyUhr),
    DB_COLUMN(MelSatz, KeySek), DB_COLUMN(MelSatz, KeyUbg), DB_COLUMN(MelSatz, KeyAug),
    DB_COLUMN(MelSatz, MelMsk), DB_COLUMN(MelSatz, MelAwn), DB_COLUMN(MelSatz, MelFcd),
    DB_COLUMN(MelSatz, MelTrm), DB_COLUMN(MelSatz, MelOff), DB_COLUMN(MelSatz, MelFnr),
    DB_COLUMN(MelSatz, MelGum), DB_COLUMN(MelSatz, MelFam), DB_COLUMN(MelSatz, MelMam),
    DB_COLUMN(MelSatz, MelNam), DB_COLUMN(MelSatz, MelZt1), DB_COLUMN(MelSatz, MelZt2),
    DB_COLUMN(MelSatz, MelZt3), DB_COLUMN(MelSatz, MelMee), DB_COLUMN(MelSatz, MelAec),
    DB_COLUMN(MelSatz, MelTrc), DB_COLUMN(MelSatz, MelErf), DB_COLUMN(MelSatz, MelKsb),
    DB_STAMP(MelSatz, MelKdt),  DB_COLUMN(MelSatz, MelKfc), DB_COLUMN(MelSatz, MelKgm),
    DB_COLUMN(MelSatz, MelKfm), DB_COLUMN(MelSatz, MelKmm), DB_COLUMN(MelSatz, MelKnm),
    DB_COLUMN(MelSatz, KeyTnr), DB_TOUCHED("MelDat")};

constexpr db::KeyNames kKey = {"KeyBnr", "KeyLfn"};

const db::Table& mel() { return db::tables::Mel(); }

}  // namespace

const db::Table& db::tables::Mel() {
  static const db::Table table("Kvs560Mel", kColumns);
  return table;
}

int Mel_PKeyIns(const MelSatz* m) {
  static db::Query q("Mel_PKeyIns", mel().insert());
  return db::writeRecord(q, m, mel().writeFields());
}

int Mel_PKeyUpd(const MelSatz* m) {
  static const db::RowUpdate u = mel().update(kKey);
  static db::Query q("Mel_PKeyUpd", u.sql);
  return db::writeRecord(q, m, u.binds);
}

int Mel_PKeyReadk(MelSatz* m) {
  static const db::KeyCondition key = mel().key(kKey);
  static db::Query q("Mel_PKeyReadk", mel().select() + key.where);
  return db::readRecord(q, m, key.binds, mel().rowFields(), db::OnFailure::ClearAll);
}
