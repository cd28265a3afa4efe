// libFuzzer target: any bytes as a raw telegram through the pure part of the
// intake -- the message part, the split, the backup moment and every decoder
// -- which must neither crash nor read or write outside its fields.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "booking/decode.h"
#include "booking/upload_row.h"
#include "intake/classify.h"
#include "intake/receive.h"

namespace {

constexpr const char* kCodes[] = {"A01", "A02", "A03", "A04", "A05", "A06", "A07", "P01", "P04",
                                  "P05", "P06", "P07", "P08", "M01", "M02", "M03", "M04"};

// Every text field still ends within its array.
template <std::size_t N>
void checkTerminated(const FixedText<N>& text) {
  if (text.size() > FixedText<N>::capacity()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view telegram(reinterpret_cast<const char*>(data), size);
  const TelSatz tel = Telegramm_Teilen(Nachrichtenteil(telegram));
  checkTerminated(tel.TelDat);
  checkTerminated(tel.TelDta);
  for (unsigned char c : tel.TelDta.view())
    if (c >= 0x80) __builtin_trap();  // only ASCII reaches booking
  (void)Sicherungszeitpunkt(telegram);
  // The split of the raw bytes taken as a message part too, so that short
  // inputs reach every field.
  const TelSatz direct = Telegramm_Teilen(telegram);
  for (const char* code : kCodes) {
    for (const TelSatz* t : {&tel, &direct}) {
      MelSatz mel;
      if (!Daten_Zerlegen(code, *t, &mel)) __builtin_trap();
      checkTerminated(mel.KeyApk);
      checkTerminated(mel.KeyUbg);
      mel.MelFcd = code;
      (void)UploadZeile(mel, "20261207065131");
    }
  }
  return 0;
}
