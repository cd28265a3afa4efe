// Generators that book the persons of a work place or work-place order and
// move each person's vector.
#include <string_view>

#include "booking/vector/generated_booking.h"
#include "booking/vector/generators.h"
#include "booking/vector/state_vector.h"
#include "booking/vector/vector_key.h"

namespace {

constexpr GeneratedRow kLogOn = {"PA", "P05", "MPA", "02", "    "};
constexpr GeneratedRow kInterrupt = {"PU", "P06", "MPA", "05", std::nullopt};
constexpr GeneratedRow kResume = {"PW", "P07", "MPA", "95", "0000"};
constexpr GeneratedRow kLogOff = {"PE", "P08", "MPA", "98", "    "};

// The booking's own person first (not when unknown), then everyone with an
// "MP_" vector on the work place.
std::int32_t LogOnPersons(MelSatz mel, std::string_view generator) {
  std::int32_t lfn = mel.KeyLfn;
  MelSatz gen = mel;
  ApplyGeneratedRow(kLogOn, &gen);
  AktiveZstd_Aktual(&gen);
  if (gen.KeyPnr != kUnknownPerson) {
    gen.KeyLfn = ++lfn;
    InsertGenerated(gen, generator);
  }
  MapSatz params;
  params.MapObj = "MP_";
  params.MapApl = mel.KeyApl;
  ForEachVector<Map_AplPnr>(params, "Map_AplPnr_Read", generator, [&](const MapSatz& person) {
    gen.KeyPnr = person.MapPnr;
    gen.KeyLfn = ++lfn;
    AktiveZstd_Aktual(&gen);
    InsertGenerated(gen, generator);
  });
  return lfn;
}

// Everyone with an "MPA" vector on the booking's work-place order.
std::int32_t BookPersonsOnOrder(MelSatz mel, const GeneratedRow& row, std::string_view generator) {
  std::int32_t lfn = mel.KeyLfn;
  MelSatz gen = mel;
  ApplyGeneratedRow(row, &gen);
  MapSatz params = WorkPlaceOrderKey(mel.KeyApl, mel.KeyApk, mel.KeyApp);
  params.MapObj = "MPA";
  ForEachVector<Map_AppPnr>(params, "Map_AppPnr_Read", generator, [&](const MapSatz& person) {
    gen.KeyPnr = person.MapPnr;
    gen.KeyLfn = ++lfn;
    AktiveZstd_Aktual(&gen);
    InsertGenerated(gen, generator);
  });
  return lfn;
}

}  // namespace

void Generieren_RB(MelSatz mel) { LogOnPersons(mel, "Generieren_RB"); }
void Generieren_AB(MelSatz mel) { LogOnPersons(mel, "Generieren_AB"); }
std::int32_t Generieren_AU(MelSatz mel) { return BookPersonsOnOrder(mel, kInterrupt, "Generieren_AU"); }
std::int32_t Generieren_AW(MelSatz mel) { return BookPersonsOnOrder(mel, kResume, "Generieren_AW"); }
void Generieren_AE(MelSatz mel) { BookPersonsOnOrder(mel, kLogOff, "Generieren_AE"); }
void Generieren_RE(MelSatz mel) { BookPersonsOnOrder(mel, kLogOff, "Generieren_RE"); }
