// Splitting a raw telegram into its header fields and data, for telegrams
// of every length and any bytes.
#include <gtest/gtest.h>

#include <string>

#include "intake/classify.h"
#include "intake/receive.h"

namespace {

const std::string kHead(52, 'H');

// Kz1 '1', office 'O', terminal "T7", Kz2 '2', 7 December 2026 06:51:31,
// Kz3 "K3", function code, data.
std::string Telegram(const std::string& fcd = "A01", const std::string& data = "BADGE001ORDER") {
  return kHead + "1OT72" + "261207" + "065131" + "K3" + fcd + data;
}

TelSatz Split(const std::string& telegram) { return Telegramm_Teilen(Nachrichtenteil(telegram)); }

TEST(SplitTest, FieldsOfACompleteTelegram) {
  TelSatz tel = Split(Telegram());
  EXPECT_EQ(tel.TelKz1, "1");
  EXPECT_EQ(tel.TelOff, "O");
  EXPECT_EQ(tel.TelTrm, "T7");
  EXPECT_EQ(tel.TelKz2, "2");
  EXPECT_EQ(tel.TelDat, "20261207");
  EXPECT_EQ(tel.TelUhr, "065131");
  EXPECT_EQ(tel.TelKz3, "K3");
  EXPECT_EQ(tel.TelFcd, "A01");
  EXPECT_EQ(tel.TelDta, "BADGE001ORDER");
}

TEST(SplitTest, TelegramEndingInsideTheDateIsPaddedOnTheLeft) {
  // Ends at position 60: four of the six date characters.
  TelSatz tel = Split(kHead + "1OT72" + "2612");
  EXPECT_EQ(tel.TelDat, "20  2612");
  EXPECT_TRUE(tel.TelUhr.empty());
  EXPECT_TRUE(tel.TelFcd.empty());
  EXPECT_TRUE(tel.TelDta.empty());
}

TEST(SplitTest, SeventyFourCharactersGiveEmptyData) {
  std::string t = Telegram("A02", "");
  ASSERT_EQ(74u, t.size());
  TelSatz tel = Split(t);
  EXPECT_EQ(tel.TelFcd, "A02");
  EXPECT_TRUE(tel.TelDta.empty());
}

TEST(SplitTest, ShortTelegramsHaveEmptyOrPartialFields) {
  EXPECT_TRUE(Split("").TelKz1.empty());
  EXPECT_EQ(Split("").TelDat, "20      ");
  EXPECT_TRUE(Split(kHead).TelOff.empty());
  TelSatz partialCode = Split(Telegram().substr(0, 73));
  EXPECT_EQ(partialCode.TelFcd, "A0");
  TelSatz headOnly = Split(kHead + "1O");
  EXPECT_EQ(headOnly.TelKz1, "1");
  EXPECT_EQ(headOnly.TelOff, "O");
  EXPECT_TRUE(headOnly.TelTrm.empty());
}

TEST(SplitTest, DataEndsAtPosition511) {
  std::string data(600, 'D');
  data[437] = 'L';  // position 511, the last one taken
  TelSatz tel = Split(Telegram("A01", data));
  EXPECT_EQ(438u, tel.TelDta.size());
  EXPECT_EQ('L', tel.TelDta.view().back());
}

TEST(SplitTest, ANulByteEndsTheTelegram) {
  std::string t = Telegram();
  t[75] = '\0';
  TelSatz tel = Split(t);
  EXPECT_EQ(tel.TelDta, "B");
  std::string inHeader = Telegram();
  inHeader[53] = '\0';
  TelSatz cut = Split(inHeader);
  EXPECT_EQ(cut.TelKz1, "1");
  EXPECT_TRUE(cut.TelOff.empty());
  EXPECT_TRUE(cut.TelFcd.empty());
}

TEST(SplitTest, BytesOutsideAsciiBecomeQuestionMarks) {
  // "Ä" in UTF-8 cut in half by the function code's end must not survive.
  TelSatz tel = Split(kHead + "1OT72261207065131K3A0\xC3\x84" + "BADGE\xFF\x01");
  EXPECT_EQ(tel.TelFcd, "A0?");
  EXPECT_EQ(tel.TelDta, "?BADGE?\x01");
}

TEST(BackupMomentTest, TakenFromTheTelegramsOwnDateAndTime) {
  EXPECT_EQ("20261207065131", Sicherungszeitpunkt(Telegram()));
  EXPECT_EQ("20", Sicherungszeitpunkt(kHead));
  EXPECT_EQ("202612", Sicherungszeitpunkt(kHead + "1OT72" + "2612"));
  std::string withNul = Telegram();
  withNul[60] = '\0';
  EXPECT_EQ("20261", Sicherungszeitpunkt(withNul));
}

}  // namespace
