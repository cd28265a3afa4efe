// Booking numbers, upload numbers, the person behind a badge, the booking
// row and the upload row of a telegram booking, on both backends.
#include <gtest/gtest.h>

#include <string>

#include "booking/booking_row.h"
#include "booking/driver.h"
#include "booking/numbers.h"
#include "booking/person.h"
#include "booking/upload_row.h"
#include "db/tables/fzu.h"
#include "db/tables/prv.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "db_fixture.h"
#include "intake/classify.h"
#include "intake/receive.h"
#include "scenario_support.h"

namespace {

using scenario::LogCapture;

// A telegram of 7 December 2026, 06:51:31, from terminal "T7" of office "3".
TelSatz Tel(std::string_view data) {
  TelSatz tel;
  tel.TelKz1 = "1";
  tel.TelOff = "3";
  tel.TelTrm = "T7";
  tel.TelDat = "20261207";
  tel.TelUhr = "065131";
  tel.TelFcd = "A02";
  tel.TelDta = data;
  return tel;
}

MelSatz Booking(std::string_view fcd, std::string_view msk) {
  MelSatz mel;
  mel.KeyBnr = 5;
  mel.MelFcd = fcd;
  mel.MelMsk = msk;
  mel.KeyPnr = "00001001";
  mel.KeyApl = "WP00000010";
  mel.KeyApk = "ORD000000001";
  mel.KeyApp = "00010";
  mel.MelAwn = "B0001001";
  mel.KeyDat = "20261207";
  mel.KeyUhr = "065131";
  mel.KeyUbg = "R001";
  mel.MelGum = 12.5;
  mel.MelFam = 0.123;
  return mel;
}

std::int64_t Counter(const char* key) {
  return testdb::QueryInt(std::string("select BnrBnr from Kvs552Bnr where BnrKey='") + key + "'");
}

class IntakeBookingTest : public DbTest {};

TEST_P(IntakeBookingTest, BookingNumbersStartAtOneOnAnEmptyCounterTable) {
  MelSatz a, b;
  EXPECT_EQ(0, BuchungsNummer(&a));
  EXPECT_EQ(0, BuchungsNummer(&b));
  EXPECT_EQ(1, a.KeyBnr);
  EXPECT_EQ(2, b.KeyBnr);
  EXPECT_EQ(2, Counter("MELNR"));
  EXPECT_EQ("MldToNza", testdb::QueryText("select BnrEsb from Kvs552Bnr where BnrKey='MELNR'"));
}

TEST_P(IntakeBookingTest, UploadNumbersCarryTheirCreator) {
  PpsSatz a, b;
  EXPECT_EQ(0, UploadNummer(&a, "MldToNza"));
  EXPECT_EQ("MldToNza", testdb::QueryText("select BnrEsb from Kvs552Bnr where BnrKey='PPSNR'"));
  EXPECT_EQ(0, UploadNummer(&b, "MldGen"));
  EXPECT_EQ(1, a.PpsLfn);
  EXPECT_EQ(2, b.PpsLfn);
  EXPECT_EQ("MldGen", testdb::QueryText("select BnrEsb from Kvs552Bnr where BnrKey='PPSNR'"));
  EXPECT_EQ(-1, Counter("MELNR"));  // no row: booking numbers are another counter
}

TEST_P(IntakeBookingTest, PersonOfAValidBadge) {
  scenario::Insert(scenario::Person("00001001", "B0001001"));
  MelSatz mel;
  PrvSatz prv;
  EXPECT_EQ(0, Person_Ermitteln(Tel("B0001001ORD000000001"), &mel, &prv));
  EXPECT_EQ(mel.KeyPnr, "00001001");
  EXPECT_EQ(mel.MelAwn, "B0001001");
  EXPECT_EQ(mel.MelFnr, 0);
  EXPECT_EQ(prv.PrvPnr, "00001001");
  EXPECT_EQ(prv.PrvNam, "Worker");
}

TEST_P(IntakeBookingTest, UnknownBadgeIsPersonNinesWithError6001) {
  LogCapture log;
  MelSatz mel;
  PrvSatz prv;
  EXPECT_EQ(1403, Person_Ermitteln(Tel("B0009999ORD000000001"), &mel, &prv));
  EXPECT_EQ(mel.KeyPnr, "99999999");
  EXPECT_EQ(mel.MelAwn, "B0009999");
  EXPECT_EQ(mel.MelFnr, 6001);
  EXPECT_EQ(1, log.Count("Awn_PKeyRead", "B0009999"));
  EXPECT_NE(std::string::npos, log.Text().find("ErrorCode__: 1403\r\n"));
}

TEST_P(IntakeBookingTest, BadgeThatEndedYesterdayIsUnknown) {
  PrvSatz expired = scenario::Person("00001002", "B0001002");
  expired.PrvGbi = scenario::DayFromToday(-1);
  scenario::Insert(expired);
  MelSatz mel;
  PrvSatz prv;
  EXPECT_EQ(1403, Person_Ermitteln(Tel("B0001002"), &mel, &prv));
  EXPECT_EQ(mel.KeyPnr, "99999999");
  EXPECT_EQ(mel.MelFnr, 6001);
}

TEST_P(IntakeBookingTest, BadgeIsTakenWithAllEightCharactersBlanksIncluded) {
  scenario::Insert(scenario::Person("00001003", "B 1"));  // stored without the trailing blanks
  MelSatz mel;
  PrvSatz prv;
  EXPECT_EQ(1403, Person_Ermitteln(Tel("B 1     ORD"), &mel, &prv));
  EXPECT_EQ(mel.MelAwn, "B 1     ");
  scenario::Insert(scenario::Person("00001004", "B 1     "));
  EXPECT_EQ(0, Person_Ermitteln(Tel("B 1     ORD"), &mel, &prv));
  EXPECT_EQ(mel.KeyPnr, "00001004");
}

TEST_P(IntakeBookingTest, BookingRowIsWrittenAsItIs) {
  MelSatz mel = Booking("A02", "RE");
  EXPECT_EQ(0, Buchungssatz_Schreiben(mel));
  MelSatz back;
  back.KeyBnr = 5;
  ASSERT_EQ(0, Mel_PKeyReadk(&back));
  EXPECT_EQ(back.KeyApk, "ORD000000001");
  EXPECT_DOUBLE_EQ(back.MelFam, 0.123);
  LogCapture log;
  EXPECT_EQ(-1, Buchungssatz_Schreiben(mel));
  EXPECT_EQ(1, log.Count("Buchungssatz_Schreiben", "Mel_PKeyIns"));
}

TEST_P(IntakeBookingTest, UploadRowOfATelegramBooking) {
  PPS_SatzSchreiben(Booking("A02", "RE"));
  ASSERT_EQ(1, testdb::CountRows("Kvs580Pps"));
  auto rows = testdb::Query(
      "select PpsLfn, PpsVkz, PpsFcd, PpsPnr, PpsApl, PpsApk, PpsApp, PpsAwn, PpsMdt, PpsMzt, PpsUbg, PpsSts, "
      "PpsSto, PpsGum, PpsFam, PpsDat from Kvs580Pps");
  const db::Row& r = rows.at(0);
  EXPECT_EQ(1, r[0].asInt());
  EXPECT_EQ("*NO", r[1].asText());
  EXPECT_EQ("RE", r[2].asText());
  EXPECT_EQ("00001001", r[3].asText());
  EXPECT_EQ("WP00000010", r[4].asText());
  EXPECT_EQ("ORD000000001", r[5].asText());
  EXPECT_EQ("00010", r[6].asText());
  EXPECT_EQ("B0001001", r[7].asText());
  EXPECT_EQ("20261207", r[8].asText());
  EXPECT_EQ("065131", r[9].asText());
  EXPECT_EQ("R001", r[10].asText());
  EXPECT_EQ(2, r[11].asInt());
  EXPECT_EQ("+", r[12].asText());
  EXPECT_DOUBLE_EQ(12.5, r[13].asReal());
  EXPECT_DOUBLE_EQ(0.123, r[14].asReal());
  EXPECT_EQ(14u, r[15].asText().size());
  EXPECT_EQ("MldToNza", testdb::QueryText("select BnrEsb from Kvs552Bnr where BnrKey='PPSNR'"));
  GenBdeToPps(Booking("A01", "RB"));
  EXPECT_EQ(2, testdb::QueryInt("select PpsLfn from Kvs580Pps where PpsSts=1"));
  EXPECT_EQ("MldGen", testdb::QueryText("select BnrEsb from Kvs552Bnr where BnrKey='PPSNR'"));
}

TEST_P(IntakeBookingTest, TelegramBookingThroughTheDriver) {
  scenario::Insert(scenario::Person("00001001", "B0001001"));
  FzuSatz fzu = scenario::FunctionCode("A02", "RE", 1, 0);
  ASSERT_EQ(0, Fzu_PKeyIns(&fzu, "0"));
  db::UnitOfWork unit;
  ASSERT_EQ(0, unit.beginStatus());
  const int booked = Meldung_Buchen(Tel("B0001001ORD00000000100010WP0000001000000012500000000001230000000004500000000000"), fzu, NzpSchalter{});
  MelSatz mel;
  mel.KeyBnr = 1;
  ASSERT_EQ(0, Mel_PKeyReadk(&mel));
  EXPECT_EQ(mel.KeyLfn, 0);
  EXPECT_EQ(mel.MelFcd, "A02");
  EXPECT_EQ(mel.MelMsk, "RE");
  EXPECT_EQ(mel.KeyDat, "20261207");
  EXPECT_EQ(mel.KeyUhr, "065131");
  EXPECT_EQ(mel.MelTrm, "T7");
  EXPECT_EQ(mel.MelOff, "3");
  EXPECT_EQ(mel.MelErf, "MldToNza");
  EXPECT_EQ(mel.KeyPnr, "00001001");
  EXPECT_EQ(mel.MelAwn, "B0001001");
  EXPECT_EQ(mel.ObjTyp, "M_A");
  EXPECT_EQ(mel.KeySek, "99");
  EXPECT_EQ(mel.KeyApk, "ORD000000001");
  EXPECT_EQ(mel.KeyApp, "00010");
  EXPECT_EQ(mel.KeyApl, "WP00000010");
  EXPECT_DOUBLE_EQ(mel.MelGum, 12.5);
  EXPECT_DOUBLE_EQ(mel.MelFam, 0.123);
  EXPECT_DOUBLE_EQ(mel.MelMam, 0.0);
  EXPECT_EQ(1, testdb::CountRows("Kvs580Pps"));
  EXPECT_EQ(0, booked);
  EXPECT_FALSE(unit.spoiled());
}

TEST_P(IntakeBookingTest, ClassOneCodeWithoutDecoderIsBookedWithEmptyKeys) {
  FzuSatz fzu = scenario::FunctionCode("Q01", "QQ", 0, 0);
  Meldung_Buchen(Tel("B0009999ORD000000001"), fzu, NzpSchalter{});
  MelSatz mel;
  mel.KeyBnr = 1;
  ASSERT_EQ(0, Mel_PKeyReadk(&mel));
  EXPECT_TRUE(mel.ObjTyp.empty());
  EXPECT_TRUE(mel.KeyApk.empty());
  EXPECT_TRUE(mel.KeySek.empty());
  EXPECT_EQ(mel.KeyPnr, "99999999");
}

TEST_P(IntakeBookingTest, WithoutABookingNumberNothingIsWrittenAndTheTelegramStaysQueued) {
  if (GetParam() != testdb::Backend::Sqlite) GTEST_SKIP() << "the refusing counter is set up on SQLite";
  ASSERT_EQ(0, db::Session::get().connection().executeScript(
                   "create trigger refuse_numbers before insert on Kvs552Bnr when new.BnrKey='MELNR' "
                   "begin select raise(abort, 'refused'); end"));
  LogCapture log;
  FzuSatz fzu = scenario::FunctionCode("A01", "RB", 1, 0);
  ASSERT_EQ(0, Fzu_PKeyIns(&fzu, "0"));
  RcvSatz rcv;
  rcv.RcvMdt = "20261207065200";
  rcv.RcvLfn = 1;
  rcv.RcvDta = scenario::Telegram("A01", "20261207", "065131", "B0001001ORD00000000100010WP00000010");
  ASSERT_EQ(0, Rcv_PKeyIns(&rcv));
  Input_Buchung();
  EXPECT_EQ(1, log.Count("BuchungsNummer", "Get,Ins,Upd"));
  EXPECT_EQ(1, log.Count("Input-Buchung", "Meldung nicht gebucht, bleibt"));
  EXPECT_EQ(1, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(0, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(0, testdb::CountRows("Kvs580Pps"));
  ASSERT_EQ(0, db::Session::get().connection().executeScript("drop trigger refuse_numbers"));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, testdb::CountRows("Kvs560Mel"));
}

INSTANTIATE_DB_TEST(IntakeBookingTest);

// The upload row as built from a booking, before it is numbered and written.
TEST(UploadRowTest, StatusNumberByFunctionCode) {
  struct Case {
    const char* fcd;
    const char* aec;
    int sts;
    const char* ppsFcd;
  };
  const Case cases[] = {{"A01", "", 1, "MK"}, {"A02", "", 2, "MK"}, {"A03", "", 3, "MK"}, {"A04", "", 4, "MK"},
                        {"A05", "", 3, "MK"}, {"A06", "", 0, "MK"}, {"A07", "0", 6, "AT"}, {"A07", "1", 9, "MK"},
                        {"A07", "", 9, "MK"}, {"P08", "0", 0, "MK"}, {"M03", "", 0, "MK"}};
  for (const Case& c : cases) {
    MelSatz mel = Booking(c.fcd, "MK");
    mel.MelAec = c.aec;
    PpsSatz pps = UploadZeile(mel, "20261208101500");
    EXPECT_EQ(c.sts, pps.PpsSts) << c.fcd << " " << c.aec;
    EXPECT_EQ(pps.PpsFcd.view(), c.ppsFcd) << c.fcd << " " << c.aec;
    EXPECT_EQ(pps.PpsDat, "20261208101500");
    EXPECT_EQ(pps.PpsLfn, 0);
    EXPECT_TRUE(pps.PpsZf1.empty());
  }
}

}  // namespace
