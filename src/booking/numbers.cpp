#include "booking/numbers.h"

#include <cstdint>

#include "db/tables/bnr.h"
#include "base/msglog.h"

namespace {

// 0 and the number, or the failed counter write's status (already logged).
int nextNumber(std::string_view counter, std::string_view creator, std::string_view logName,
               std::int32_t* number) {
  int rc = Bnr_NextNumber(counter, creator, number);
  if (rc != 0) LogError(logName, "Get,Ins,Upd", rc);
  return rc;
}

}  // namespace

int BuchungsNummer(MelSatz* mel) {
  std::int32_t number = 0;
  int rc = nextNumber("MELNR", "MldToNza", "BuchungsNummer", &number);
  if (rc == 0) mel->KeyBnr = number;
  return rc;
}

int UploadNummer(PpsSatz* pps, std::string_view creator) {
  std::int32_t number = 0;
  int rc = nextNumber("PPSNR", creator, "UploadNummer", &number);
  if (rc == 0) pps->PpsLfn = number;
  return rc;
}
