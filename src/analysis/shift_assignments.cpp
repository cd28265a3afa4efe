#include "analysis/shift_assignments.h"

#include "base/status.h"

std::vector<AemSatz> ShiftAssignments(const std::string& apg, std::int32_t kng, const std::string& day) {
  std::vector<AemSatz> rows;
  Aem_Schicht shifts;
  if (shifts.Open(apg.c_str(), kng, day.c_str()) != status::kOk) return rows;
  AemSatz aem;
  while (shifts.Read(&aem) == status::kOk) rows.push_back(aem);
  return rows;
}
