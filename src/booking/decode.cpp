#include "booking/decode.h"

#include <array>
#include <cstddef>

#include "base/datetime.h"

namespace {

constexpr std::size_t kDecodedLength = 106;  // the decoders look no further
constexpr int kQuantityDecimals = 3;
constexpr std::size_t kQuantityWidth = 11;

// Where a code keeps its fields: 1-based start positions, 0 when absent.
struct Layout {
  const char* fcd;
  const char* objTyp;
  const char* keySek;
  std::size_t order;       // 12 characters, KeyApk
  std::size_t operation;   // 5, KeyApp
  std::size_t workPlace;   // 10, KeyApl
  std::size_t quantities;  // four of 11: MelGum, MelFam, MelMam, MelNam
  std::size_t aec;         // 1, MelAec
  std::size_t reason;      // 4, KeyUbg
};

// Order operations at a work place ("M_A"), persons at a work place ("MP_"),
// persons on an order operation ("MPA"), work places ("M__").
constexpr std::array<Layout, 17> kLayouts = {{
    {"A01", "M_A", "01", 9, 21, 26, 0, 0, 0},
    {"A02", "M_A", "99", 9, 21, 26, 36, 0, 0},
    {"A03", "M_A", "01", 9, 21, 26, 0, 0, 0},
    {"A04", "M_A", "04", 9, 21, 26, 36, 0, 81},
    {"A05", "M_A", "96", 9, 21, 26, 0, 0, 0},
    {"A06", "M_A", "66", 9, 21, 26, 36, 0, 0},
    {"A07", "M_A", "99", 9, 21, 26, 36, 80, 82},
    {"P01", "MP_", "01", 0, 0, 9, 0, 0, 0},
    {"P04", "MP_", "01", 0, 0, 9, 0, 0, 0},
    {"P05", "MPA", "02", 9, 21, 26, 0, 0, 0},
    {"P06", "MPA", "98", 9, 21, 26, 0, 0, 37},
    {"P07", "MPA", "01", 9, 21, 26, 0, 0, 37},
    {"P08", "MPA", "98", 9, 21, 26, 47, 0, 92},
    {"M01", "M__", "01", 0, 0, 9, 0, 0, 0},
    {"M02", "M__", "01", 0, 0, 9, 0, 0, 0},
    {"M03", "M__", "01", 0, 0, 9, 0, 0, 20},
    {"M04", "M__", "01", 0, 0, 9, 0, 0, 20},
}};

const Layout* layoutOf(std::string_view fcd) {
  for (const Layout& l : kLayouts)
    if (fcd == l.fcd) return &l;
  return nullptr;
}

// The field at 1-based `position` of `width` characters; empty beyond the data.
std::string_view field(std::string_view data, std::size_t position, std::size_t width) {
  if (position == 0 || position > data.size()) return std::string_view();
  return data.substr(position - 1, width);
}

double quantity(std::string_view data, std::size_t position) {
  double value = 0;
  Text_Zahl(field(data, position, kQuantityWidth), value, kQuantityDecimals);  // 0 when it fails
  return value;
}

}  // namespace

bool Daten_Zerlegen(std::string_view fcd, const TelSatz& tel, MelSatz* mel) {
  const Layout* l = layoutOf(fcd);
  if (!l) return false;
  const std::string_view data = tel.TelDta.view().substr(0, kDecodedLength);
  if (l->order) mel->KeyApk = field(data, l->order, 12);
  if (l->operation) mel->KeyApp = field(data, l->operation, 5);
  if (l->workPlace) mel->KeyApl = field(data, l->workPlace, 10);
  if (l->quantities) {
    mel->MelGum = quantity(data, l->quantities);
    mel->MelFam = quantity(data, l->quantities + kQuantityWidth);
    mel->MelMam = quantity(data, l->quantities + 2 * kQuantityWidth);
    mel->MelNam = quantity(data, l->quantities + 3 * kQuantityWidth);
  }
  if (l->aec) mel->MelAec = field(data, l->aec, 1);
  if (l->reason) mel->KeyUbg = field(data, l->reason, 4);
  mel->ObjTyp = l->objTyp;
  mel->KeySek = l->keySek;
  return true;
}
