#include "base/config.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/idea.h"

namespace {

// Writes values the way the configuration tool does, but built directly on
// the cipher so that it does not share code with the worker's own writer.
std::string encipherIndependently(std::string_view plain) {
  const idea::Key key = {'Q', 'A', 'R', 'D', 'M', 'E', 'L', 0};
  const idea::Subkeys enc = idea::encryptionSubkeys(key);
  std::vector<std::uint16_t> words;
  for (unsigned char c : plain) words.push_back(c);
  while (words.size() % 4 != 0) words.push_back(0);
  std::string digits;
  for (std::size_t pos = 0; pos < words.size(); pos += 4) {
    idea::Block b = idea::crypt({words[pos], words[pos + 1], words[pos + 2], words[pos + 3]}, enc);
    for (std::uint16_t w : b) {
      char group[8];
      std::snprintf(group, sizeof group, "%05u", static_cast<unsigned>(w));
      digits += group;
    }
  }
  return digits;
}

// Letter form: every two digits become 'A' + their value.
std::string toLetters(const std::string& digits) {
  std::string letters;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
    letters += static_cast<char>('A' + (digits[i] - '0') * 10 + (digits[i + 1] - '0'));
  return letters;
}

class ConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("bde_config_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "korvantis.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void write(const std::string& content) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << content;
  }
  std::string get(std::string_view key) { return Get_IniWert("", key, 0, path_); }

  std::filesystem::path dir_;
  std::string path_;
};

// ------------------------------------------------------------ deciphering

TEST(Decipher, FourCharactersFillOneBlockExactly) {
  std::string digits = encipherIndependently("scot");
  ASSERT_EQ(digits.size(), 20u);
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(digits, out, kIniKey, 0), 0);
  EXPECT_EQ(out, "scot");
}

TEST(Decipher, FiveCharactersTakeTwoBlocksAndDropTheFill) {
  std::string digits = encipherIndependently("tiger");
  ASSERT_EQ(digits.size(), 40u);
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(digits, out, kIniKey, 0), 0);
  EXPECT_EQ(out, "tiger");
}

TEST(Decipher, WorkerWriterMatchesTheIndependentOne) {
  for (std::string_view plain : {"", "a", "scot", "tiger", "sqlite:demo/bde.db"})
    EXPECT_EQ(Wert_Verschluesseln(plain, kIniKey), encipherIndependently(plain)) << plain;
}

TEST(Decipher, RoundTripKeepsBytesAbove127) {
  const std::string plain = "P\xE4\xDF\xFFw\x80rd";
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(Wert_Verschluesseln(plain, kIniKey), out, kIniKey, 0), 0);
  EXPECT_EQ(out, plain);
}

TEST(Decipher, LetterFormGivesTheSameText) {
  std::string out;
  const std::string letters = toLetters(Wert_Verschluesseln("tiger", kIniKey));
  EXPECT_EQ(Wert_Entschluesseln(letters, out, kIniKey, 1), 0);
  EXPECT_EQ(out, "tiger");
}

TEST(Decipher, OtherKeyGivesOtherDigitsAndNeedsItsOwnKey) {
  std::string digits = Wert_Verschluesseln("secret", "OTHERKEY");
  EXPECT_NE(digits, Wert_Verschluesseln("secret", kIniKey));
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(digits, out, "OTHERKEY", 0), 0);
  EXPECT_EQ(out, "secret");
}

TEST(Decipher, ResultIsCutTo51Characters) {
  const std::string plain(80, 'x');
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(Wert_Verschluesseln(plain, kIniKey), out, kIniKey, 0), 0);
  EXPECT_EQ(out, std::string(51, 'x'));
}

TEST(Decipher, IncompleteLastGroupIsIgnored) {
  std::string out;
  EXPECT_EQ(Wert_Entschluesseln(encipherIndependently("scot") + "123", out, kIniKey, 0), 0);
  EXPECT_EQ(out, "scot");
  EXPECT_EQ(Wert_Entschluesseln("1234", out, kIniKey, 0), 0);
  EXPECT_EQ(out, "");
}

TEST(Decipher, MalformedValuesGiveEmptyAndMinusOne) {
  std::string digits = encipherIndependently("scot");
  std::string out = "stale";
  std::string withLetter = digits;
  withLetter[7] = 'x';
  EXPECT_EQ(Wert_Entschluesseln(withLetter, out, kIniKey, 0), -1);
  EXPECT_EQ(out, "");
  out = "stale";
  EXPECT_EQ(Wert_Entschluesseln("65536" + digits.substr(5), out, kIniKey, 0), -1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(Wert_Entschluesseln("A@", out, kIniKey, 1), -1);         // below 'A'
  EXPECT_EQ(Wert_Entschluesseln("\xA5", out, kIniKey, 1), -1);       // 'A' + 100
  EXPECT_EQ(Wert_Entschluesseln(digits, out, kIniKey, 2), -1);      // no such form
  EXPECT_EQ(out, "");
}

// ------------------------------------------------------------ the file

TEST_F(ConfigFile, EntriesInAnyOrderAreFound) {
  write("1;NETZ;\n1;NET8;" + encipherIndependently("sqlite:bde.db") + "\n" +
        "2;PASSWORT;\n2;PASS;" + encipherIndependently("tiger") + "\n" +
        "3;BENUTZER;\n3;LOGIN;" + encipherIndependently("scot") + "\n");
  EXPECT_EQ(get("LOGIN"), "scot");
  EXPECT_EQ(get("PASS"), "tiger");
  EXPECT_EQ(get("NET8"), "sqlite:bde.db");
  EXPECT_EQ(get("OTHER"), "");
}

TEST_F(ConfigFile, NumberZeroMatchesEveryKey) {
  write("1;A;\n0;WHATEVER;" + encipherIndependently("first") + "\n" +
        "2;B;\n3;LOGIN;" + encipherIndependently("scot") + "\n");
  EXPECT_EQ(get("LOGIN"), "first");
  EXPECT_EQ(get("PASS"), "first");
  EXPECT_EQ(get("NET8"), "first");
}

TEST_F(ConfigFile, EntryWithoutLeadingDigitsCountsAsNumberZero) {
  write("1;A;\nx7;WHATEVER;" + encipherIndependently("anything") + "\n");
  EXPECT_EQ(get("PASS"), "anything");
}

TEST_F(ConfigFile, SectionAndNumberMatchToo) {
  write("1;DB;\n4;K1;" + encipherIndependently("one") + "\n" +
        "1;XX;\n5;K2;" + encipherIndependently("two") + "\n");
  EXPECT_EQ(Get_IniWert("DB", "none", 9, path_), "one");
  EXPECT_EQ(Get_IniWert("none", "none", 5, path_), "two");
  EXPECT_EQ(Get_IniWert("none", "none", 9, path_), "");
}

TEST_F(ConfigFile, EmptySectionInTheHeadLineMatchesTheWorkersRequests) {
  write(";;\n7;OTHER;" + encipherIndependently("via section") + "\n");
  EXPECT_EQ(get("LOGIN"), "via section");
}

TEST_F(ConfigFile, CrLfLineEndsAreAccepted) {
  write("1;S1;\r\n1;PASS;" + encipherIndependently("tiger") + "\r\n" +
        "1;S2;\r\n2;LOGIN;" + encipherIndependently("scot") + "\r\n");
  EXPECT_EQ(get("PASS"), "tiger");
  EXPECT_EQ(get("LOGIN"), "scot");
}

TEST_F(ConfigFile, MalformedPairsAreSkippedWithoutShiftingTheRest) {
  const std::string good = encipherIndependently("good");
  write("1;S1;\n1;LOGIN\n"                                    // one ';' only
        "no separator\n2;LOGIN;" + good + "\n" +              // head without ';'
        "1;S3;\n3;" + std::string(201, 'K') + ";" + good + "\n" +  // key too long
        "1;" + std::string(198, 'h') + "\n4;LOGIN;" + good + "\n" +  // head too long
        "1;S5;\n5;LOGIN;" + good + std::string(400, '0') + "\n" +   // entry too long
        "1;S6;\n99999999999;PASS;" + good + "\n" +            // number overflows
        "1;S7;\n7;NET8;" + encipherIndependently("net") + "\n" +
        "1;S8;\n8;LOGIN;" + good);                            // no line end at the end
  EXPECT_EQ(get("LOGIN"), "");
  EXPECT_EQ(get("PASS"), "");
  EXPECT_EQ(get("NET8"), "net");
}

TEST_F(ConfigFile, LinesAtTheLimitsStillCount) {
  const std::string plain(72, 'v');
  const std::string value = encipherIndependently(plain);  // 360 digits
  const std::string head = "1;" + std::string(196, 's');
  const std::string entry = "1;" + std::string(35, 'K') + ";" + value;
  ASSERT_EQ(head.size(), 198u);
  ASSERT_EQ(entry.size(), 398u);
  write(head + "\n" + entry + "\n");
  EXPECT_EQ(Get_IniWert("", std::string(35, 'K'), 9, path_), std::string(51, 'v'));

  write(head + "s\n" + entry + "\n");  // head line one over
  EXPECT_EQ(Get_IniWert("", std::string(35, 'K'), 9, path_), "");
  write(head + "\n" + entry + "1\n");  // entry line one over
  EXPECT_EQ(Get_IniWert("", std::string(35, 'K'), 9, path_), "");
}

TEST_F(ConfigFile, KeyOf200CharactersStillCounts) {
  const std::string key(200, 'K');
  write("1;S;\n1;" + key + ";" + encipherIndependently("long key") + "\n");
  EXPECT_EQ(Get_IniWert("", key, 9, path_), "long key");
}

TEST_F(ConfigFile, FirstMatchWinsEvenIfItCannotBeDeciphered) {
  write("1;S1;\n1;LOGIN;12x45678901234567890\n1;S2;\n2;LOGIN;" +
        encipherIndependently("later") + "\n");
  EXPECT_EQ(get("LOGIN"), "");
}

TEST_F(ConfigFile, OddLineCountEndsTheSearch) {
  write("1;S1;\n1;PASS;" + encipherIndependently("tiger") + "\n1;S2;\n");
  EXPECT_EQ(get("PASS"), "tiger");
  EXPECT_EQ(get("LOGIN"), "");
}

TEST_F(ConfigFile, MissingOrEmptyFileGivesEmptyValues) {
  EXPECT_EQ(get("LOGIN"), "");
  write("");
  EXPECT_EQ(get("LOGIN"), "");
  EXPECT_EQ(Get_IniWert("", "LOGIN", 0, dir_.string()), "");  // a directory
}

}  // namespace
