#include "booking/vector/generate.h"

#include <string_view>

#include "booking/vector/generators.h"

void MldGen(MelSatz mel) {
  const std::string_view msk = mel.MelMsk.view();
  if (msk == "RB") Generieren_RB(mel);
  else if (msk == "AB") Generieren_AB(mel);
  else if (msk == "AU") Generieren_AU(mel);
  else if (msk == "AW") Generieren_AW(mel);
  else if (msk == "PA") Generieren_PA(mel);
  else if (msk == "PE") Generieren_PE(mel);
  else if (msk == "AE") Generieren_AE(mel);
  else if (msk == "RE") Generieren_RE(mel);
  else if (msk == "BS") Generieren_BS(mel);
  else if (msk == "ES") Generieren_ES(mel);
}
