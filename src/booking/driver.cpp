#include "booking/driver.h"

#include <array>
#include <string_view>

#include "booking/booking_row.h"
#include "booking/decode.h"
#include "booking/master_update.h"
#include "booking/notes.h"
#include "booking/numbers.h"
#include "booking/person.h"
#include "booking/upload_row.h"
#include "db/tables/mel.h"
#include "db/tables/prv.h"
#include "booking/vector/generate.h"
#include "booking/vector/state_vector.h"

namespace {

using FollowUp = void (*)(MelSatz*);

struct Dispatch {
  const char* fcd;
  FollowUp followUp;  // nullptr: none
};

// The master-data follow-up of each decoded code.
constexpr std::array<Dispatch, 17> kDispatch = {{
    {"A01", StammTab_Akual},     {"A02", StammTab_Akual},     {"A03", StammTab_Akual},
    {"A04", StammTab_Akual},     {"A05", StammTab_Akual},     {"A06", StammTab_Akual},
    {"A07", StammTab_Akual},     {"P01", nullptr},            {"P04", nullptr},
    {"P05", Teilenummer_Holen},  {"P06", Teilenummer_Holen},  {"P07", Teilenummer_Holen},
    {"P08", Teilenummer_Holen},  {"M01", nullptr},            {"M02", nullptr},
    {"M03", Arbeitsplatz_Aktual}, {"M04", Arbeitsplatz_Aktual},
}};

// The decoder and follow-up of the code; a code without one leaves the
// booking's object kind and keys empty.
void decodeAndFollowUp(const TelSatz& tel, const FzuSatz& fzu, MelSatz* mel) {
  const std::string_view fcd = fzu.FzuFcd.view();
  for (const Dispatch& d : kDispatch) {
    if (fcd != d.fcd) continue;
    Daten_Zerlegen(fcd, tel, mel);
    if (d.followUp) d.followUp(mel);
    return;
  }
}

void fillFromTelegram(const TelSatz& tel, const FzuSatz& fzu, MelSatz* mel) {
  mel->MelFcd = fzu.FzuFcd;
  mel->MelMsk = fzu.FzuMld;
  mel->KeyDat = tel.TelDat;
  mel->KeyUhr = tel.TelUhr;
  mel->MelTrm = tel.TelTrm;
  mel->MelOff = tel.TelOff;
  mel->MelErf = kErfasserTelegramm;
  mel->MelFnr = 0;
}

}  // namespace

int Meldung_Buchen(TelSatz tel, FzuSatz fzu, const NzpSchalter& schalter) {
  MelSatz mel;
  const int rc = BuchungsNummer(&mel);
  // Not booked at all: the telegram stays queued for the next pass rather
  // than leaving the queue without its booking.
  if (rc != 0) return rc;
  if (mel.KeyBnr == 0) return kNoBookingNumber;
  fillFromTelegram(tel, fzu, &mel);
  PrvSatz person;
  Person_Ermitteln(tel, &mel, &person);
  decodeAndFollowUp(tel, fzu, &mel);
  AktiveZstd_Aktual(&mel);
  Buchungssatz_Schreiben(mel);
  if (fzu.FzuGen == 1) MldGen(mel);
  if (fzu.FzuUpl == 1) PPS_SatzSchreiben(mel);
  MerkSaetze_Schreiben(mel, fzu, schalter);
  return 0;
}
