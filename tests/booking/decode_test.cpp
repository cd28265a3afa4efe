// The decoders of the 17 booking function codes: which positions of the
// telegram data land in which booking field, and how quantities read.
#include "booking/decode.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// A data area of `length` filler characters with fields put at 1-based
// positions, so that every cut can be checked to the character.
class Data {
 public:
  explicit Data(std::size_t length = 106, char filler = '.') : text_(length, filler) {}
  Data& put(std::size_t position, std::string_view field) {
    if (text_.size() < position - 1 + field.size()) text_.resize(position - 1 + field.size(), '.');
    text_.replace(position - 1, field.size(), field);
    return *this;
  }
  TelSatz telegram() const {
    TelSatz tel;
    tel.TelDta = text_;
    return tel;
  }

 private:
  std::string text_;
};

MelSatz decode(std::string_view fcd, const Data& data) {
  MelSatz mel;
  EXPECT_TRUE(Daten_Zerlegen(fcd, data.telegram(), &mel)) << fcd;
  return mel;
}

Data orderData() {
  return Data().put(1, "BADGE001").put(9, "ORDER0000001").put(21, "00010").put(26, "WORKPL0001");
}

Data quantityData(std::size_t first) {
  return orderData()
      .put(first, "00000012500")
      .put(first + 11, "00000000123")
      .put(first + 22, "00000000045")
      .put(first + 33, "           ");
}

TEST(DecodeTest, EveryCodeHasItsObjectKindAndSortKey) {
  struct Expected {
    const char* fcd;
    const char* objTyp;
    const char* keySek;
  };
  const Expected table[] = {{"A01", "M_A", "01"}, {"A02", "M_A", "99"}, {"A03", "M_A", "01"}, {"A04", "M_A", "04"},
                            {"A05", "M_A", "96"}, {"A06", "M_A", "66"}, {"A07", "M_A", "99"}, {"P01", "MP_", "01"},
                            {"P04", "MP_", "01"}, {"P05", "MPA", "02"}, {"P06", "MPA", "98"}, {"P07", "MPA", "01"},
                            {"P08", "MPA", "98"}, {"M01", "M__", "01"}, {"M02", "M__", "01"}, {"M03", "M__", "01"},
                            {"M04", "M__", "01"}};
  for (const Expected& e : table) {
    MelSatz mel = decode(e.fcd, orderData());
    EXPECT_EQ(mel.ObjTyp.view(), e.objTyp) << e.fcd;
    EXPECT_EQ(mel.KeySek.view(), e.keySek) << e.fcd;
  }
}

TEST(DecodeTest, OrderCodesTakeOrderOperationAndWorkPlace) {
  for (const char* fcd : {"A01", "A03", "A05", "P05"}) {
    MelSatz mel = decode(fcd, orderData());
    EXPECT_EQ(mel.KeyApk, "ORDER0000001") << fcd;
    EXPECT_EQ(mel.KeyApp, "00010") << fcd;
    EXPECT_EQ(mel.KeyApl, "WORKPL0001") << fcd;
    EXPECT_EQ(mel.MelGum, 0.0) << fcd;
    EXPECT_TRUE(mel.KeyUbg.empty()) << fcd;
    EXPECT_TRUE(mel.MelAec.empty()) << fcd;
    EXPECT_TRUE(mel.KeyPnr.empty()) << fcd;  // the badge is not the decoders' business
  }
}

TEST(DecodeTest, FieldsKeepTheirBlanks) {
  MelSatz mel = decode("A01", Data().put(9, "ORD 1       ").put(21, " 10  ").put(26, "WP 1      "));
  EXPECT_EQ(mel.KeyApk, "ORD 1       ");
  EXPECT_EQ(mel.KeyApp, " 10  ");
  EXPECT_EQ(mel.KeyApl, "WP 1      ");
}

TEST(DecodeTest, QuantitiesAtThirtySixReadWithThreeDecimals) {
  for (const char* fcd : {"A02", "A04", "A06", "A07"}) {
    MelSatz mel = decode(fcd, quantityData(36));
    EXPECT_DOUBLE_EQ(mel.MelGum, 12.5) << fcd;
    EXPECT_DOUBLE_EQ(mel.MelFam, 0.123) << fcd;
    EXPECT_DOUBLE_EQ(mel.MelMam, 0.0) << fcd;  // fewer than three significant characters
    EXPECT_DOUBLE_EQ(mel.MelNam, 0.0) << fcd;  // blanks only
    EXPECT_EQ(mel.KeyApk, "ORDER0000001") << fcd;
  }
}

TEST(DecodeTest, InterruptionReasonAtEightyOneAndPositionEightyIgnored) {
  MelSatz mel = decode("A04", quantityData(36).put(80, "0").put(81, "R042").put(85, "XYZ"));
  EXPECT_EQ(mel.KeyUbg, "R042");
  EXPECT_TRUE(mel.MelAec.empty());
}

TEST(DecodeTest, EndTakesTheMarkAtEightyAndTheReasonAtEightyTwo) {
  MelSatz mel = decode("A07", quantityData(36).put(80, "1").put(81, "#").put(82, "R077"));
  EXPECT_EQ(mel.MelAec, "1");
  EXPECT_EQ(mel.KeyUbg, "R077");
  EXPECT_DOUBLE_EQ(mel.MelGum, 12.5);
}

TEST(DecodeTest, PersonAtWorkPlaceCarriesOnlyTheWorkPlace) {
  for (const char* fcd : {"P01", "P04"}) {
    MelSatz mel = decode(fcd, Data().put(1, "BADGE001").put(9, "WORKPL0009").put(19, "PERSON01").put(27, "XYZ"));
    EXPECT_EQ(mel.KeyApl, "WORKPL0009") << fcd;
    EXPECT_TRUE(mel.KeyApk.empty()) << fcd;
    EXPECT_TRUE(mel.KeyApp.empty()) << fcd;
    EXPECT_TRUE(mel.KeyUbg.empty()) << fcd;
  }
}

TEST(DecodeTest, PersonInterruptionReasonAtThirtySeven) {
  for (const char* fcd : {"P06", "P07"}) {
    MelSatz mel = decode(fcd, orderData().put(36, "#").put(37, "R006").put(41, "PERSON01"));
    EXPECT_EQ(mel.KeyApk, "ORDER0000001") << fcd;
    EXPECT_EQ(mel.KeyUbg, "R006") << fcd;
    EXPECT_EQ(mel.MelGum, 0.0) << fcd;
  }
  MelSatz start = decode("P05", orderData().put(36, "PERSON01"));
  EXPECT_TRUE(start.KeyUbg.empty());
}

TEST(DecodeTest, PersonEndHasQuantitiesAtFortySevenAndReasonAtNinetyTwo) {
  MelSatz mel = decode("P08", quantityData(47).put(36, "PERSON01###").put(91, "#").put(92, "R008"));
  EXPECT_EQ(mel.KeyApl, "WORKPL0001");
  EXPECT_DOUBLE_EQ(mel.MelGum, 12.5);
  EXPECT_DOUBLE_EQ(mel.MelFam, 0.123);
  EXPECT_DOUBLE_EQ(mel.MelMam, 0.0);
  EXPECT_DOUBLE_EQ(mel.MelNam, 0.0);
  EXPECT_EQ(mel.KeyUbg, "R008");
}

TEST(DecodeTest, WorkPlaceCodes) {
  for (const char* fcd : {"M01", "M02"}) {
    MelSatz mel = decode(fcd, Data().put(1, "BADGE001").put(9, "WORKPL0003").put(20, "R003"));
    EXPECT_EQ(mel.KeyApl, "WORKPL0003") << fcd;
    EXPECT_TRUE(mel.KeyUbg.empty()) << fcd;
    EXPECT_TRUE(mel.KeyApk.empty()) << fcd;
  }
  for (const char* fcd : {"M03", "M04"}) {
    MelSatz mel = decode(fcd, Data().put(1, "BADGE001").put(9, "WORKPL0003").put(19, "#").put(20, "R003"));
    EXPECT_EQ(mel.KeyApl, "WORKPL0003") << fcd;
    EXPECT_EQ(mel.KeyUbg, "R003") << fcd;
  }
}

TEST(DecodeTest, UnknownCodeLeavesTheBookingAlone) {
  MelSatz mel;
  mel.KeyApl = "KEEP";
  EXPECT_FALSE(Daten_Zerlegen("A08", orderData().telegram(), &mel));
  EXPECT_FALSE(Daten_Zerlegen("", orderData().telegram(), &mel));
  EXPECT_EQ(mel.KeyApl, "KEEP");
  EXPECT_TRUE(mel.ObjTyp.empty());
}

TEST(DecodeTest, ShortDataFillsWhatIsThereAndLeavesTheRestEmpty) {
  TelSatz tel;
  tel.TelDta = "BADGE001ORDER00";
  MelSatz mel;
  ASSERT_TRUE(Daten_Zerlegen("A07", tel, &mel));
  EXPECT_EQ(mel.KeyApk, "ORDER00");
  EXPECT_TRUE(mel.KeyApp.empty());
  EXPECT_TRUE(mel.KeyApl.empty());
  EXPECT_EQ(mel.MelGum, 0.0);
  EXPECT_TRUE(mel.MelAec.empty());
  EXPECT_EQ(mel.ObjTyp, "M_A");

  tel.TelDta = "";
  MelSatz empty;
  ASSERT_TRUE(Daten_Zerlegen("P08", tel, &empty));
  EXPECT_TRUE(empty.KeyApk.empty());
  EXPECT_EQ(empty.KeySek, "98");
}

TEST(DecodeTest, NothingBeyondTheFirst106CharactersIsRead) {
  // A quantity cut by the end of the decoded area reads only its first part.
  Data d = orderData();
  d.put(36, std::string(44, '0')).put(80, "0").put(81, "R004").put(85, std::string(40, '9'));
  MelSatz mel = decode("A04", d);
  EXPECT_EQ(mel.KeyUbg, "R004");
  Data p8 = quantityData(47).put(92, "R008").put(96, std::string(11, '7')).put(107, "ZZZZ");
  MelSatz end = decode("P08", p8);
  EXPECT_EQ(end.KeyUbg, "R008");
}

}  // namespace
