#include "demo/function_codes.h"

#include "db/tables/fzu.h"

namespace {

struct CodeRow {
  std::string_view fcd;
  std::string_view mld;
  int art;
  int upl;
  int gen;
  std::string_view meaning;
};

// The message code drives the state vector: RB/RE set-up begin/end, AB/AE
// work begin/end, AU/AW interruption/resumption, PA/PE/PU/PW a person's
// log-on/log-off/interruption/resumption on an order operation, MA/ME a
// person at a work place, BS/ES a work-place interruption, FS/FF machine
// running/stopped, ZM a quantity report, SZ a time per unit.
constexpr CodeRow kCodes[] = {
    {"A01", "RB", 1, 1, 1, "set-up start"},
    {"A02", "RE", 1, 1, 1, "set-up end"},
    {"A03", "AB", 1, 1, 1, "work start"},
    {"A04", "AU", 1, 1, 1, "operation interrupted"},
    {"A05", "AW", 1, 1, 1, "operation resumed"},
    {"A06", "ZM", 1, 1, 0, "quantity report"},
    {"A07", "AE", 1, 1, 1, "operation end"},
    {"P01", "MA", 1, 0, 0, "person logs on to work place"},
    {"P04", "ME", 1, 0, 0, "person logs off work place"},
    {"P05", "PA", 1, 0, 1, "person logs on to operation"},
    {"P06", "PU", 1, 0, 0, "person interrupted"},
    {"P07", "PW", 1, 0, 0, "person resumes"},
    {"P08", "PE", 1, 0, 1, "person logs off operation"},
    {"M01", "FS", 1, 0, 0, "machine running"},
    {"M02", "FF", 1, 0, 0, "machine stopped"},
    {"M03", "BS", 1, 0, 1, "work place breakdown"},
    {"M04", "ES", 1, 0, 1, "work place repaired"},
    {"Z01", "SZ", 2, 1, 0, "time per unit reported"},
};

}  // namespace

int LoadFunctionCodes(std::string_view creator) {
  for (const CodeRow& c : kCodes) {
    FzuSatz f;
    f.FzuFcd = c.fcd;
    f.FzuMld = c.mld;
    f.FzuBez = c.meaning;
    f.FzuArt = c.art;
    f.FzuObj = 1;
    f.FzuUpl = c.upl;
    f.FzuGen = c.gen;
    f.FzuSta = 1;
    f.FzuErf = creator;
    if (int rc = Fzu_PKeyIns(&f, "0"); rc != 0) return rc;
  }
  return 0;
}

std::string_view FunctionCodeMeaning(std::string_view fcd) {
  for (const CodeRow& c : kCodes)
    if (c.fcd == fcd) return c.meaning;
  return "";
}
