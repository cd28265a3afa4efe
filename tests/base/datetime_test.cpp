#include "base/datetime.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

std::tm sampleClock() {
  std::tm t{};
  t.tm_year = 126;  // 2026
  t.tm_mon = 11;    // December
  t.tm_mday = 7;
  t.tm_hour = 6;
  t.tm_min = 51;
  t.tm_sec = 31;
  return t;
}

bool allDigits(const std::string& s) {
  for (unsigned char c : s)
    if (!std::isdigit(c)) return false;
  return true;
}

// ------------------------------------------------------------ Datum_Zeit

TEST(DatumZeit, FourLayouts) {
  std::string a, b;
  FormatDatumZeit(sampleClock(), 1, a, b);
  EXPECT_EQ(a, "07122026");
  EXPECT_EQ(b, "065131");
  FormatDatumZeit(sampleClock(), 2, a, b);
  EXPECT_EQ(a, "07122026065131");
  EXPECT_EQ(b, "");
  FormatDatumZeit(sampleClock(), 3, a, b);
  EXPECT_EQ(a, "20261207");
  EXPECT_EQ(b, "065131");
  FormatDatumZeit(sampleClock(), 4, a, b);
  EXPECT_EQ(a, "20261207065131");
  EXPECT_EQ(b, "");
}

TEST(DatumZeit, UnknownFormatLeavesBothEmpty) {
  std::string a = "old", b = "old";
  EXPECT_EQ(Datum_Zeit(a, b, 5), 0);
  EXPECT_EQ(a, "");
  EXPECT_EQ(b, "");
  a = b = "old";
  EXPECT_EQ(Datum_Zeit(a, b, 0), 0);
  EXPECT_EQ(a, "");
  EXPECT_EQ(b, "");
}

TEST(DatumZeit, ReadsTheClock) {
  std::string a, b;
  EXPECT_EQ(Datum_Zeit(a, b, 3), 0);
  EXPECT_EQ(a.size(), 8u);
  EXPECT_EQ(b.size(), 6u);
  EXPECT_TRUE(allDigits(a) && allDigits(b));
  EXPECT_EQ(a.substr(0, 2), "20");
  EXPECT_EQ(Datum_Zeit(a, b, 4), 0);
  EXPECT_EQ(a.size(), 14u);
  EXPECT_EQ(b, "");
}

// ------------------------------------------------------------ minutes

TEST(StdMin, HoursAndMinutesSecondsIgnored) {
  EXPECT_EQ(Std_Min("073015"), 450);
  EXPECT_EQ(Std_Min("0730xx"), 450);
  EXPECT_EQ(Std_Min("235959"), 1439);
  EXPECT_EQ(Std_Min("000000"), 0);
}

TEST(StdMin, ShortOrMalformedTextsAreDefined) {
  EXPECT_EQ(Std_Min(""), 0);
  EXPECT_EQ(Std_Min("07"), 420);
  EXPECT_EQ(Std_Min("073"), 423);
  EXPECT_EQ(Std_Min("ab30"), 30);
  EXPECT_EQ(Std_Min("7x30"), 450);  // "7x" reads as 7
  EXPECT_EQ(Std_Min(" 7 5"), 425);  // blanks in front of a field are skipped
}

TEST(MinZeit, EdgeValues) {
  EXPECT_EQ(Min_Zeit(0), "000000");
  EXPECT_EQ(Min_Zeit(1439), "235900");
  EXPECT_EQ(Min_Zeit(1440), "235959");
  EXPECT_EQ(Min_Zeit(1500), "250000");
  EXPECT_EQ(Min_Zeit(450), "073000");
}

TEST(MinZeit, OutOfRangeStaysSixDigits) {
  EXPECT_EQ(Min_Zeit(-90), "000000");
  EXPECT_EQ(Min_Zeit(6000), "995900");
  EXPECT_EQ(Min_Zeit(2147483647), "995900");
}

TEST(MinZeit, FixedTextForm) {
  FixedText<7> out = "xxxxxx";
  Min_Zeit(1440, out);
  EXPECT_EQ(out, "235959");
  Min_Zeit(61, out);
  EXPECT_EQ(out, "010100");
}

// ------------------------------------------------------------ differences

TEST(ZeitDifferenz, AcrossALeapDay) {
  EXPECT_EQ(Zeit_Differenz("20240301120000", "20240228120000"), 2 * 86400);
  EXPECT_EQ(Zeit_Differenz("20230301120000", "20230228120000"), 86400);
}

TEST(ZeitDifferenz, EarlierFirstIsNegative) {
  EXPECT_EQ(Zeit_Differenz("20240228120000", "20240301120000"), -2 * 86400);
  EXPECT_EQ(Zeit_Differenz("20240101000000", "20240101000001"), -1);
}

TEST(ZeitDifferenz, GregorianCenturyRules) {
  EXPECT_EQ(Zeit_Differenz("20000301000000", "20000228000000"), 2 * 86400);  // 2000 leap
  EXPECT_EQ(Zeit_Differenz("21000301000000", "21000228000000"), 86400);      // 2100 not
  EXPECT_EQ(Zeit_Differenz("20000101000000", "19700101000000"), 946684800);
  EXPECT_EQ(Zeit_Differenz("20240101000000", "20231231235959"), 1);
}

TEST(ZeitDifferenz, WallClockWithoutTimeZone) {
  // Across the spring change of daylight saving time in Europe: still one hour.
  EXPECT_EQ(Zeit_Differenz("20240331030000", "20240331020000"), 3600);
  EXPECT_EQ(Zeit_Differenz("20241231235959", "20240101000000"), 366LL * 86400 - 1);
}

TEST(ZeitDifferenz, TwoDigitYearsAndBadTextsAreDefined) {
  EXPECT_EQ(Zeit_Differenz("0024", "2024"), 0);   // 24 counts as 2024
  EXPECT_EQ(Zeit_Differenz("0099", "1999"), 0);   // 99 counts as 1999
  EXPECT_EQ(Zeit_Differenz("", ""), 0);
  EXPECT_EQ(Zeit_Differenz("2024", "20240100000000"), 0);  // missing fields are 0
  EXPECT_EQ(Zeit_Differenz("20241301000000", "20241201000000"), 0);  // month held to 12
  EXPECT_EQ(Zeit_Differenz("2024xx01000000", "20240101000000"), 0);  // month 0 held to 1
  Zeit_Differenz("99999999999999", "00000000000000");                // no overflow
}

// ------------------------------------------------------------ Text_Zahl

TEST(TextZahl, ImpliedDecimals) {
  double v = -5;
  EXPECT_EQ(Text_Zahl("00000000123", v, 3), 0);
  EXPECT_DOUBLE_EQ(v, 0.123);
  EXPECT_EQ(Text_Zahl("00000012500", v, 3), 0);
  EXPECT_DOUBLE_EQ(v, 12.5);
  EXPECT_EQ(Text_Zahl("  012345", v, 0), 0);
  EXPECT_DOUBLE_EQ(v, 12345.0);
}

TEST(TextZahl, TooFewDigitsGiveMinusOne) {
  double v = -5;
  EXPECT_EQ(Text_Zahl("00000000045", v, 3), -1);
  EXPECT_EQ(v, 0.0);
  v = -5;
  EXPECT_EQ(Text_Zahl("123", v, -1), -1);
  EXPECT_EQ(v, 0.0);
}

TEST(TextZahl, EmptyAndNonDigitTexts) {
  double v = -5;
  EXPECT_EQ(Text_Zahl("", v, 0), 0);
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(Text_Zahl("00000000000", v, 0), 0);
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(Text_Zahl("", v, 1), -1);
  EXPECT_EQ(Text_Zahl("12a45", v, 2), 0);  // "12a" reads as 12
  EXPECT_DOUBLE_EQ(v, 12.45);
  EXPECT_EQ(Text_Zahl("000000125x0", v, 3), 0);  // "5x0" reads as 5
  EXPECT_DOUBLE_EQ(v, 12.005);
  EXPECT_EQ(Text_Zahl(std::string(305, '9'), v, 3), 0);  // long texts do not overflow
  EXPECT_GT(v, 1e300);
}

}  // namespace
