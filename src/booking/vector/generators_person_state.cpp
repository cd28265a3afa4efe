// Generators that follow a person's own log-on or log-off on an
// interrupted work-place order. The person's vector is not moved again:
// its log-on already took over the interruption, its log-off ended it.
#include "base/status.h"
#include "base/msglog.h"
#include "booking/vector/generated_booking.h"
#include "booking/vector/generators.h"
#include "booking/vector/state_vector.h"
#include "booking/vector/vector_key.h"

void Generieren_PA(MelSatz mel) {
  if (mel.Sts00U != "1") return;
  MapSatz order = WorkPlaceOrderKey(mel.KeyApl, mel.KeyApk, mel.KeyApp);
  int rc = Map_PKeyReadk(&order);
  // After a failed read the reason stays empty.
  if (rc != status::kOk) LogError("Map_PKeyReadk", "Fehler bei Lesen MapSatz", rc);
  const GeneratedRow interrupt = {"PU", "P06", std::nullopt, "02", order.MapUbg.view()};
  MelSatz gen = mel;
  ApplyGeneratedRow(interrupt, &gen);
  gen.KeyLfn = mel.KeyLfn + 1;
  InsertGenerated(gen, "Generieren_PA");
}

void Generieren_PE(MelSatz mel) {
  MapSatz order = WorkPlaceOrderKey(mel.KeyApl, mel.KeyApk, mel.KeyApp);
  SetAllFlags(&order, "0");
  if (Upd_Vektor(&order) != status::kOk || order.Map00U != "1") return;
  static constexpr GeneratedRow kResume = {"PW", "P07", std::nullopt, "98", "0000"};
  MelSatz gen = mel;
  ApplyGeneratedRow(kResume, &gen);
  gen.KeyLfn = mel.KeyLfn + 1;
  InsertGenerated(gen, "Generieren_PE");
}
