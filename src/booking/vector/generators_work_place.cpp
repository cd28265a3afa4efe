// Generators of a work-place interruption ("BS") and its end ("ES"): the
// order operations on the work place are interrupted and resumed with it,
// and with each of them its persons. Only order operations that the
// work-place interruption itself interrupted (Map00S "1") are resumed.
#include <string_view>

#include "booking/upload_row.h"
#include "base/msglog.h"
#include "booking/vector/generated_booking.h"
#include "booking/vector/generators.h"
#include "booking/vector/vector_key.h"

namespace {

struct WorkPlaceStep {
  std::string_view generator;
  FixedText<2> MapSatz::* selectFlag;  // the vectors it moves carry this flag
  std::string_view selectValue;        // with this value
  GeneratedRow row;
  void (*moveVector)(const MelSatz& trigger, MapSatz* v);
  std::int32_t (*followPersons)(MelSatz gen);
};

void StampVector(const MelSatz& trigger, MapSatz* v) {
  v->MapMdt = trigger.KeyDat;
  v->MapMzt = trigger.KeyUhr;
  v->MapErf = trigger.MelErf;
  v->MapBnr = trigger.KeyBnr;
}

void InterruptByWorkPlace(const MelSatz& trigger, MapSatz* v) {
  StampVector(trigger, v);
  v->MapUbg = trigger.KeyUbg;
  v->Map00U = "1";
  v->Map00S = "1";
  v->MapSts = "0";
}

void ResumeWithWorkPlace(const MelSatz& trigger, MapSatz* v) {
  StampVector(trigger, v);  // the reason stays as it was
  v->Map00U = "0";
  v->Map00S = "0";
  v->MapSts = "1";
}

void MoveOrdersOfWorkPlace(const MelSatz& mel, const WorkPlaceStep& step) {
  std::int32_t lfn = mel.KeyLfn;
  MapSatz params;
  params.MapObj = "M_A";
  params.MapApl = mel.KeyApl;
  ForEachVector<Map_AplApp>(params, "Map_AplApp_Read", step.generator, [&](const MapSatz& row) {
    if (row.*step.selectFlag != step.selectValue) return;
    MapSatz v = row;
    step.moveVector(mel, &v);
    int rc = Map_PKeyUpd(&v);
    if (rc != 0) LogError(step.generator, "Map_PKeyUpd", rc);
    MelSatz gen = mel;
    ApplyGeneratedRow(step.row, &gen);
    gen.KeyApk = v.MapApk;
    gen.KeyApp = v.MapApp;
    gen.MelGum = gen.MelFam = gen.MelMam = gen.MelNam = 0;
    CopyFlagsToBooking(v, &gen);
    gen.KeyLfn = ++lfn;
    if (InsertGenerated(gen, step.generator) != 0) return;
    GenBdeToPps(gen);
    lfn = step.followPersons(gen);
  });
}

}  // namespace

void Generieren_BS(MelSatz mel) {
  static const WorkPlaceStep kStep = {"Generieren_BS", &MapSatz::Map00U, "0", {"AU", "A04", "M_A", std::nullopt, std::nullopt},
                                      InterruptByWorkPlace, Generieren_AU};
  MoveOrdersOfWorkPlace(mel, kStep);
}

void Generieren_ES(MelSatz mel) {
  static const WorkPlaceStep kStep = {"Generieren_ES", &MapSatz::Map00S, "1", {"AW", "A05", "M_A", std::nullopt, "0000"},
                                      ResumeWithWorkPlace, Generieren_AW};
  MoveOrdersOfWorkPlace(mel, kStep);
}
