#include "analysis/duration.h"
#include "analysis/note_rows.h"
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

NzaSatz totalKey(const Total& t, NzaSatz run) {
  run.NzaSa = t.sa;
  if (!t.perWorkPlace) run.NzaApl = "          ";
  run.NzaPnr = "        ";
  return run;
}

void addTo(const Total& t, NzaSatz run) {
  run = totalKey(t, run);
  NzaSatz stored = run;
  int rc = RowReadWhateverStart(&stored);
  if (rc == status::kNoRow) {
    rc = RowInsert(&run);
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
  rc = RowUpdate(&stored);
  if (rc != status::kOk) LogError("Nza_PKeyUpd()", t.updateText, rc);
}

}  // namespace

void KeepRunRows(const NzaSatz& run) {
  if (run.NzaApl.empty() || run.NzaApk.empty() || run.NzaApp.empty()) return;  // the read would miss NULLs
  const NzaSatz overAll = totalKey(kAllWorkPlaces, run);
  KeepNoteRows(ReadAllRows<NzaSatz, Nza_LaufZeilen>(&run, &overAll), [run, overAll](const NzaSatz& key, bool) {
    const bool kind = key.NzaSa == 3 || key.NzaSa == 4 || key.NzaSa == 5 || key.NzaSa == 8;
    return kind && key.NzaApk == run.NzaApk && key.NzaApp == run.NzaApp &&
           (key.NzaApl == run.NzaApl || key.NzaApl == overAll.NzaApl);
  });
}

void Add_LaufZt_Apl(NzaSatz run) { addTo(kWorkPlace, run); }
void Add_LaufZt_Ges(NzaSatz run) { addTo(kAllWorkPlaces, run); }
