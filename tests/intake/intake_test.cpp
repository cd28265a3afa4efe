// The drain of the receive queue on both backends: classification, backup,
// queue order and the telegrams that cannot be backed up as they are.
#include <gtest/gtest.h>

#include "db/tables/nzp.h"
#include "db/tables/rvs.h"
#include "intake/classify.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "db/tables/switches.h"

namespace {

using namespace intake_test;
using scenario::LogCapture;

using IntakeTest = CodesAndPersonTest;

TEST_P(IntakeTest, UnknownCodeIsLoggedThenBackedUpAndDeleted) {
  LogCapture log;
  Queue("20261207065200", 1, Telegram("X99", "065131", OrderData()));
  Input_Buchung();
  EXPECT_EQ(1, log.Count("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk"));
  EXPECT_NE(std::string::npos, log.Text().find("ErrorCode__: -1\r\n"));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, ClassFourIsNeitherBookedNorLoggedButBackedUp) {
  LogCapture log;
  Queue("20261207065200", 1, Telegram("X04", "065131", OrderData()));
  Input_Buchung();
  EXPECT_EQ("", log.Text());
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, CodeStoredOnlyWithAnotherAecIsUnknown) {
  TelSatz tel;
  FzuSatz fzu;
  const std::string t = Telegram("A09", "065131", OrderData());
  EXPECT_EQ(kKlasseUnbekannt, Meldung_Zerlegen(Nachrichtenteil(t), &tel, &fzu));
  EXPECT_EQ(fzu.FzuFcd, "A09");
  EXPECT_TRUE(fzu.FzuMld.empty());
  EXPECT_EQ(0, fzu.FzuUpl);
  const std::string known = Telegram("A01", "065131", OrderData());
  EXPECT_EQ(kKlasseBuchung, Meldung_Zerlegen(Nachrichtenteil(known), &tel, &fzu));
  EXPECT_EQ(fzu.FzuMld, "RB");
  EXPECT_EQ(tel.TelDta, OrderData());
}

TEST_P(IntakeTest, TelegramTooShortForAFunctionCodeIsUnknownAndLeavesTheQueue) {
  LogCapture log;
  Queue("20261207065200", 1, Telegram("A01", "065131", "").substr(0, 72));  // code "A"
  Queue("20261207065201", 2, "");
  Queue("20261207065202", 3, "x");
  Input_Buchung();
  EXPECT_EQ(3, log.Count("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk"));
  EXPECT_EQ(0, testdb::CountRows("Kvs560Mel"));
  EXPECT_EQ(3, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, SeventyFourCharacterTelegramIsBookedWithEmptyData) {
  const std::string t = Telegram("A01", "065131", "");
  ASSERT_EQ(74u, t.size());
  Queue("20261207065200", 1, t);
  Input_Buchung();
  ASSERT_EQ(1, Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ("99999999", testdb::QueryText("select KeyPnr from Kvs560Mel"));
  EXPECT_EQ("", testdb::QueryText("select KeyApk from Kvs560Mel"));
  EXPECT_EQ("M_A", testdb::QueryText("select ObjTyp from Kvs560Mel"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, BackupCarriesTheTelegramsOwnMoment) {
  // Queued on 2 January, sent on 31 December.
  Queue("20270102080000", 7, Telegram("A01", "235958", OrderData(), "T1", "261231"));
  Input_Buchung();
  RvsSatz rvs;
  rvs.RvsMdt = "20261231235958";
  rvs.RvsLfn = 7;
  ASSERT_EQ(0, Rvs_PKeyReadk(&rvs));
  EXPECT_EQ(rvs.RvsVkz, "   ");
  EXPECT_EQ(rvs.RvsEsb, "test");
  EXPECT_EQ(rvs.RvsDta, Telegram("A01", "235958", OrderData(), "T1", "261231"));
  EXPECT_EQ("20261231235958", testdb::QueryText("select TO_CHAR(RvsMzt,'yyyymmddHH24MISS') from Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, TelegramAlreadyInTheBackupIsStillDeleted) {
  LogCapture log;
  RvsSatz earlier;
  earlier.RvsMdt = "20261207065131";
  earlier.RvsLfn = 1;
  earlier.RvsDta = "earlier copy";
  ASSERT_EQ(0, Rvs_PKeyIns(&earlier));
  Queue("20261207065200", 1, Telegram("A01", "065131", OrderData()));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ("earlier copy", testdb::QueryText("select RvsDta from Kvs571Rvs"));
  EXPECT_EQ(1, Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ(0, log.Count("MeldungToSicherung", "Fehler bei Rvs_PKeyIns"));
}

TEST_P(IntakeTest, TelegramWhoseDateIsNoDateIsBackedUpWithItsQueueMomentOnce) {
  LogCapture log;
  const std::string t = Telegram("A01", "065131", OrderData(), "T1", "261332");  // month 13
  Queue("20261207065200", 4, t);
  Input_Buchung();
  EXPECT_EQ(1, log.Count("MeldungToSicherung", "Meldezeit ungueltig: RcvMdt"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, Count("Kvs571Rvs", "TO_CHAR(RvsMdt,'yyyymmddHH24MISS')='20261207065200' and RvsLfn=4"));
  // Its booking row cannot hold the date; that is logged and nothing else is lost.
  EXPECT_EQ(1, log.Count("Buchungssatz_Schreiben", "Mel_PKeyIns"));
  const std::int64_t numbers = testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'");
  Input_Buchung();
  EXPECT_EQ(1, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(numbers, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
}

TEST_P(IntakeTest, TimeThatIsNoTimeAlsoFallsBackToTheQueueMoment) {
  Queue("20261207065200", 5, Telegram("X04", "2561xx", OrderData()));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(1, Count("Kvs571Rvs", "RvsLfn=5"));
}

TEST_P(IntakeTest, QueueIsTakenInTheOrderOfItsMoments) {
  Queue("20261207100003", 1, Telegram("A01", "100001", OrderData(), "T1"));
  Queue("20261207100001", 2, Telegram("A01", "100002", OrderData(), "T2"));
  Queue("20261207100002", 3, Telegram("A01", "100003", OrderData(), "T3"));
  Input_Buchung();
  EXPECT_EQ("T2", testdb::QueryText("select MelTrm from Kvs560Mel where KeyBnr=1"));
  EXPECT_EQ("T3", testdb::QueryText("select MelTrm from Kvs560Mel where KeyBnr=2"));
  EXPECT_EQ("T1", testdb::QueryText("select MelTrm from Kvs560Mel where KeyBnr=3"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, SameMomentDifferentNumbersAreBothTaken) {
  Queue("20261207100000", 1, Telegram("A01", "100001", OrderData(), "T1"));
  Queue("20261207100000", 2, Telegram("A01", "100002", OrderData(), "T2"));
  Input_Buchung();
  EXPECT_EQ(2, Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ(2, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(IntakeTest, EmptyQueueDrainsQuietly) {
  LogCapture log;
  Input_Buchung();
  EXPECT_EQ("", log.Text());
}

TEST_P(IntakeTest, UntrustedBytesAreBookedAsFarAsTheyGoAndLeaveTheQueue) {
  // Valid UTF-8 as a database in UTF-8 holds it, cut anywhere by the layout.
  std::string umlauts;
  for (int k = 0; k < 200; ++k) umlauts += "\xC3\xA4";
  Queue("20261207100000", 1, Telegram("A01", "100001", umlauts));
  Queue("20261207100001", 2, Telegram("A0\xC3\xA4", "100001", umlauts));
  Queue("20261207100002", 3, std::string(600, 'A'));
  Queue("20261207100003", 4, Telegram("A01", "100001", "\x01\x02\x1b[31m\x7f" + OrderData()));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(4, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(2, Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ(std::string(8, '?'), testdb::QueryText("select MelAwn from Kvs560Mel where KeyBnr=1"));
}

INSTANTIATE_DB_TEST(IntakeTest);

}  // namespace
