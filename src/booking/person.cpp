#include "booking/person.h"

#include <string_view>

#include "base/msglog.h"
#include "db/tables/pass_reads.h"

namespace {

constexpr std::size_t kBadgeLength = 8;

}  // namespace

int Person_Ermitteln(const TelSatz& tel, MelSatz* mel, PrvSatz* prv) {
  const std::string_view badge = tel.TelDta.view().substr(0, kBadgeLength);
  PrvSatz row;
  row.PrvAwn = badge;
  int rc = Awn_PassRead(&row);
  if (rc == 0) {
    mel->KeyPnr = row.PrvPnr;
    mel->MelAwn = row.PrvAwn;
    *prv = row;
    return rc;
  }
  LogError("Awn_PKeyRead", badge, rc);
  mel->KeyPnr = kUnbekannterPerson;
  mel->MelAwn = badge;
  mel->MelFnr = kFehlerAusweis;
  return rc;
}
