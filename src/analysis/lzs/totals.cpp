#include "analysis/duration.h"
#include "analysis/lzs/evaluation.h"
#include "analysis/lzs/run_time.h"
#include "base/msglog.h"
#include "base/status.h"

namespace {

struct Total {
  std::int16_t sa;
  bool perWorkPlace;
  const char* insertText;
  const char* updateText;
  const char* readText;
};

constexpr Total kWorkPlace = {5, true, "Add_LaufZt_Apl", "Add_LaufZt_APl", "Fehler: Read NzaSatz SA(5)"};
constexpr Total kAllWorkPlaces = {8, false, "Add_LaufZt_Ges", "Add_LaufZt_Ges", "Fehler: Read NzaSatz SA(8)"};

void addTo(const Total& t, NzaSatz run) {
  run.NzaSa = t.sa;
  if (!t.perWorkPlace) run.NzaApl = "          ";
  run.NzaPnr = "        ";
  NzaSatz stored = run;
  int rc = Nza_ReadSA_EH(&stored);
  if (rc == status::kNoRow) {
    rc = Nza_PKeyIns(&run);
    if (rc != status::kOk) LogError("Nza_PKeyIns()", t.insertText, rc);
    return;
  }
  if (rc != status::kOk) {
    LogError("Nza_ReadSA_EH()", t.readText, rc);
    return;
  }
  for (double NzaSatz::*column : kLzaSpalten)
    stored.*column = DauerPlus(stored.*column, DauerSekunden(run.*column));
  stored.NzaEdt = run.NzaEdt;
  stored.NzaEdtUhr = run.NzaEdtUhr;
  rc = Nza_PKeyUpd(&stored);
  if (rc != status::kOk) LogError("Nza_PKeyUpd()", t.updateText, rc);
}

}  // namespace

void Add_LaufZt_Apl(NzaSatz run) { addTo(kWorkPlace, run); }
void Add_LaufZt_Ges(NzaSatz run) { addTo(kAllWorkPlaces, run); }
