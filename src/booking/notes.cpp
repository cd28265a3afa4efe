#include "booking/notes.h"

#include <string>
#include <string_view>

#include "db/tables/mrk.h"
#include "base/status.h"
#include "base/msglog.h"
#include "db/tables/switches.h"

namespace {

constexpr std::string_view kZeroWorkPlace = "0000000000";
constexpr std::string_view kZeroOrder = "000000000000";
constexpr std::string_view kZeroOperation = "00000";
constexpr std::string_view kZeroPerson = "00000000";

// A text right-aligned in `width` characters, as "%*s" formats it.
std::string RightAligned(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out += text;
  return out;
}

MerkSatz NoteOf(std::string_view kind, const MelSatz& mel, std::string_view apl, std::string_view apk,
                std::string_view app, std::string_view pnr, std::int32_t bnr) {
  MerkSatz note;
  note.MrkKng = kind;
  note.MrkApl = apl;
  note.MrkApk = apk;
  note.MrkApp = app;
  note.MrkPnr = pnr;
  note.MrkBnr = bnr;
  note.MrkMdt = RightAligned(mel.KeyDat, 8) + RightAligned(mel.KeyUhr, 6);
  note.MrkObj = mel.ObjTyp;
  return note;
}

// A note pending with this key (or a read that failed) makes another one
// unnecessary.
bool AlreadyNoted(const MerkSatz& note) {
  MerkSatz probe = note;
  return Mrk_PKeyReadk(&probe) != status::kNoRow;
}

void Insert(const MerkSatz& note, std::string_view function, std::string_view text) {
  int rc = Mrk_PKeyIns(&note);
  if (rc != status::kOk) LogError(function, text, rc);
}

void InsertIfNew(const MerkSatz& note, std::string_view function, std::string_view text) {
  if (!AlreadyNoted(note)) Insert(note, function, text);
}

}  // namespace

void MerkSaetze_Schreiben(MelSatz mel, FzuSatz fzu, const NzpSchalter& schalter) {
  const bool fromTelegram = mel.MelErf != "MldGen";
  const std::string_view fcd = fzu.FzuFcd.view();
  if (fromTelegram && (fcd == "A07" || fcd == "A02" || fcd == "P08")) {
    MerkSatz_NZS(mel);
    if (schalter.Merk(1)) MerkSatz_NZM(mel);
  }
  if (fromTelegram && (fcd == "A07" || fcd == "A02")) MerkSatz_LZS(mel);
  if (fromTelegram && fcd == "A07" && mel.MelAec == "1" && schalter.Merk(3)) MerkSatz_NZA(mel);
  if (fromTelegram && fcd == "M04" && schalter.Merk(5)) MerkSatz_STG(mel);
  if (schalter.Merk(4)) MerkSatz_LZM(mel);
}

// The log texts below differ in spelling on purpose: operators search the
// log for exactly these words.
void MerkSatz_NZS(MelSatz mel) {
  Insert(NoteOf("NZS", mel, mel.KeyApl, mel.KeyApk, mel.KeyApp, mel.KeyPnr, mel.KeyBnr), "MerSatz-NZS",
         "Mrk_PkeyIns");
}

void MerkSatz_LZS(MelSatz mel) {
  Insert(NoteOf("LZS", mel, mel.KeyApl, mel.KeyApk, mel.KeyApp, kZeroPerson, mel.KeyBnr), "MerkSatz-LZS",
         "Mrk_PkeyIns");
}

void MerkSatz_STG(MelSatz mel) {
  Insert(NoteOf("STG", mel, mel.KeyApl, kZeroOrder, kZeroOperation, kZeroPerson, mel.KeyBnr), "MerkSatz-STG",
         "Mrk_PKeyIns");
}

void MerkSatz_NZM(MelSatz mel) {
  if (mel.KeyPnr == "99999999") return;
  InsertIfNew(NoteOf("NZM", mel, mel.KeyDat, kZeroOrder, kZeroOperation, mel.KeyPnr, 0), "MerkSatz-NZM",
              "Mrk_PkeyIns");
}

void MerkSatz_NZA(MelSatz mel) {
  InsertIfNew(NoteOf("NZA", mel, kZeroWorkPlace, mel.KeyApk, mel.KeyApp, kZeroPerson, 0), "MerkSatz-NZA",
              "Mrk_PKeyIns");
}

void MerkSatz_LZM(MelSatz mel) {
  InsertIfNew(NoteOf("LZM", mel, mel.KeyApl, kZeroOrder, kZeroOperation, kZeroPerson, 0), "MerkSatz-LZM",
              "Mrk_PKeyIns");
}
