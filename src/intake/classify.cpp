#include "intake/classify.h"

#include <string>

#include "booking/driver.h"
#include "booking/special_booking.h"
#include "base/msglog.h"

namespace {

// Offsets within the message part.
constexpr std::size_t kKz1 = 0, kOff = 1, kTrm = 2, kKz2 = 4, kDat = 5, kUhr = 11, kKz3 = 17, kFcd = 19,
                      kDta = 22;
constexpr std::size_t kDtaLength = 438;  // the last position of the zeroed buffer stays NUL

// Bytes outside 7-bit ASCII become '?'. Terminals send ASCII only; other
// bytes are noise, and a multi-byte character cut in half by the fixed
// positions would be text that a UTF-8 database refuses to store or compare,
// so the booking of the telegram could not be written at all.
std::string asciiOnly(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  return out;
}

// Characters [offset, offset + length) of the part; what lies beyond its
// end is empty, as in the zeroed buffer the telegram used to be copied into.
std::string cut(std::string_view part, std::size_t offset, std::size_t length) {
  if (offset >= part.size()) return std::string();
  return asciiOnly(part.substr(offset, length));
}

// "20" and the six date characters right-aligned, as "20%6s" formats them:
// a date that ends early is padded with blanks on the left.
std::string telegramDate(std::string_view part) {
  std::string date = cut(part, kDat, 6);
  return "20" + std::string(6 - date.size(), ' ') + date;
}

}  // namespace

std::string_view Nachrichtenteil(std::string_view telegram) {
  // The telegram is a C text: a NUL byte ends it.
  telegram = telegram.substr(0, telegram.find('\0'));
  if (telegram.size() <= kTelKopfLength) return std::string_view();
  return telegram.substr(kTelKopfLength, kMessagePartLimit);
}

TelSatz Telegramm_Teilen(std::string_view part) {
  part = part.substr(0, part.find('\0'));
  part = part.substr(0, kMessagePartLimit);
  TelSatz tel;
  tel.TelKz1 = cut(part, kKz1, 1);
  tel.TelOff = cut(part, kOff, 1);
  tel.TelTrm = cut(part, kTrm, 2);
  tel.TelKz2 = cut(part, kKz2, 1);
  tel.TelDat = telegramDate(part);
  tel.TelUhr = cut(part, kUhr, 6);
  tel.TelKz3 = cut(part, kKz3, 2);
  tel.TelFcd = cut(part, kFcd, 3);
  tel.TelDta = cut(part, kDta, kDtaLength);
  return tel;
}

int Meldung_Zerlegen(std::string_view messagePart, TelSatz* tel, FzuSatz* fzu) {
  *fzu = FzuSatz{};
  *tel = Telegramm_Teilen(messagePart);
  fzu->FzuFcd = tel->TelFcd;
  // A failed read leaves FzuFcd and clears the rest: the class becomes 3.
  if (Fcd_PassRead(fzu) != 0) return kKlasseUnbekannt;
  return fzu->FzuArt;
}

int Meldung_Verarbeiten(std::string_view telegram) {
  std::string_view part = Nachrichtenteil(telegram);
  const NzpSchalter schalter = NzpPassSwitches();  // the parameters valid in this pass
  TelSatz tel;
  FzuSatz fzu;
  switch (Meldung_Zerlegen(part, &tel, &fzu)) {
    case kKlasseBuchung: return Meldung_Buchen(tel, fzu, schalter);
    case kKlasseSonder: Meldung_Klasse2(tel, fzu); break;
    case kKlasseUnbekannt: LogError("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk", -1); break;
    default: break;  // any other class is only backed up
  }
  return 0;
}
