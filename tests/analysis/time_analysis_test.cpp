// The run-time analysis over booked days: per-shift, per-day and total rows
// of an order operation at its work place, on both backends.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/analyses.h"
#include "analysis/duration.h"
#include "base/civil_date.h"
#include "db/tables/master_records.h"
#include "db/engine/failure.h"
#include "db/tables/mrk.h"
#include "db_fixture.h"
#include "fault_injection.h"
#include "scenario_support.h"

namespace {

using namespace scenario;

constexpr std::string_view kOrder = "ORD000000001";
using Rows = std::vector<std::string>;

struct Break {
  const char* num;
  int begin, end;
};

class RunTimeScenario : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped()) return;
    LoadShopFloor();
    for (std::string day = "20261204"; day <= "20261210"; day = AddDays(day, 1)) AddCalendarDay(day);
    // The group of both work places works an early shift with a break at 12:00.
    AddShift("EARLY", "Early", 360, 840, "P1", {{"00001", 720, 750}});
    Assign("GRP1", 1, "EARLY");
  }

  static void AddCalendarDay(const std::string& day) {
    BakSatz bak = Bak_Tag(day);
    ASSERT_EQ(0, Bak_PKeyIns(&bak));
    KalSatz kal;
    kal.KalNum = "1";
    kal.KalDtm = day;
    kal.KalBtp = "AT";
    ASSERT_EQ(0, Kal_PKeyIns(&kal));
  }

  static void AddShift(const char* emo, const char* txt, int begin, int end, const char* pmo,
                       const std::vector<Break>& breaks) {
    EmoSatz shift;
    shift.EmoEmo = emo;
    shift.EmoTtp = "AT";
    shift.EmoTxt = txt;
    shift.EmoBeg = begin;
    shift.EmoEnd = end;
    shift.EmoArt = 1;
    ASSERT_EQ(0, Emo_PKeyIns(&shift, pmo));
    for (const Break& b : breaks) {
      PmsSatz pms;
      pms.PmsNum = b.num;
      pms.PmsBeg = b.begin;
      pms.PmsEnd = b.end;
      ASSERT_EQ(0, Pms_PKeyIns(&pms));
      PmzSatz pmz;
      pmz.PmzPmo = pmo;
      pmz.PmzPms = b.num;
      pmz.PmzGvo = "20260101";
      pmz.PmzGbi = "20271231";
      ASSERT_EQ(0, Pmz_PKeyIns(&pmz));
    }
  }

  static void Assign(const char* apg, int kng, const char* emo) {
    AemSatz aem;
    aem.AemApg = apg;
    aem.AemEmo = emo;
    aem.AemGvo = "20260101";
    aem.AemKal = "1";
    aem.AemMaz = 2;
    ASSERT_EQ(0, Aem_PKeyIns(&aem, kng, ""));
  }

  static std::string At(const char* day, const char* time) { return Telegram("A03", day, time, ""); }

  // Work of Anna on the operation from `from` to `to` on the scenario day.
  static void Work(const char* from, const char* to) {
    Book(OrderTelegram("A03", from, kAnna, kOrder, "00010"));
    Book(EndTelegram(to, kAnna, kOrder, "00010", 1, '0'));
  }

  // The rows of one kind: start, end, person field and the durations
  // NzaNza, NzaBza, NzaPza, NzaUza.
  static Rows RowsOf(int sa) {
    Rows rows;
    for (const db::Row& r : testdb::Query(
             "select NzaApl, NzaPnr, TO_CHAR(NzaDtm,'yyyymmddHH24MISS'), TO_CHAR(NzaEdt,'yyyymmddHH24MISS'), "
             "NzaNza, NzaBza, NzaPza, NzaUza, NzaBmk from Kvs590Nza where NzaSa=:b0 order by NzaDtm, NzaApl",
             {db::Value::integer(sa)})) {
      char figures[96];
      std::snprintf(figures, sizeof figures, "%.2f %.2f %.2f %.2f", r[4].asReal(), r[5].asReal(), r[6].asReal(),
                    r[7].asReal());
      rows.push_back(Trim(r[0].asText()) + "|" + Trim(r[1].asText()) + "|" + r[2].asText() + "-" + r[3].asText() +
                     "|" + figures + "|" + r[8].asText());
    }
    return rows;
  }

  static std::string Trim(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
  }

  static std::int64_t Pending() { return testdb::QueryInt("select count(*) from Kvs563Mrk where MrkKng='LZS'"); }
};

TEST_P(RunTimeScenario, WorkInsideAShiftWithAndWithoutItsBreak) {
  Work("080000", "100000");
  ASSERT_EQ(1, Pending());
  Lzs_Abarbeiten();
  EXPECT_EQ(0, Pending());
  EXPECT_EQ((Rows{"WP00000010|Early|20261207060000-20261207140000|120.00 120.00 0.00 0.00|BG"}), RowsOf(4));
  EXPECT_EQ((Rows{"WP00000010||20261207080000-20261207100000|120.00 120.00 0.00 0.00|AE"}), RowsOf(5));
  EXPECT_EQ((Rows{"||20261207080000-20261207100000|120.00 120.00 0.00 0.00|AE"}), RowsOf(8));
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));

  // 11:45 to 12:45 spans the break: 30 minutes of it are break time, and
  // the shift row and the totals are added to.
  Work("114500", "124500");
  Lzs_Abarbeiten();
  EXPECT_EQ((Rows{"WP00000010|Early|20261207060000-20261207140000|150.00 180.00 30.00 0.00|BG"}), RowsOf(4));
  EXPECT_EQ((Rows{"||20261207080000-20261207124500|150.00 180.00 30.00 0.00|AE"}), RowsOf(8));
}

TEST_P(RunTimeScenario, WorkPastTheShiftEndGoesIntoTheDayRow) {
  Work("130000", "150000");
  Lzs_Abarbeiten();
  EXPECT_EQ((Rows{"WP00000010|00:0024:00|20261207000000-20261207235959|60.00 60.00 0.00 0.00|BG",
                  "WP00000010|Early|20261207060000-20261207140000|60.00 60.00 0.00 0.00|BG"}),
            RowsOf(4));
  EXPECT_EQ((Rows{"WP00000010||20261207130000-20261207150000|120.00 120.00 0.00 0.00|AE"}), RowsOf(5));
}

TEST_P(RunTimeScenario, NightShiftOfTheWorkPlaceItselfEndsTheNextDay) {
  // The work place's own assignment wins over its group's: 22:00 to 06:00,
  // with a break at 02:00 that lies on the next day: of an hour's work,
  // half is break time.
  AddShift("NIGHT", "Night", 1320, 360, "P2", {{"00002", 120, 150}});
  Assign("WP00000010", 2, "NIGHT");
  Work("013000", "023000");
  Lzs_Abarbeiten();
  EXPECT_EQ((Rows{"WP00000010|Night|20261206220000-20261207060000|30.00 60.00 30.00 0.00|BG"}), RowsOf(4));
}

TEST_P(RunTimeScenario, ShortPeriodsAddUpWithoutLosingSeconds) {
  Work("080000", "080045");
  Lzs_Abarbeiten();
  Work("090000", "090030");
  Lzs_Abarbeiten();
  EXPECT_EQ((Rows{"||20261207080000-20261207090030|1.15 1.15 0.00 0.00|AE"}), RowsOf(8));
  Work("093000", "093030");
  Lzs_Abarbeiten();
  EXPECT_EQ((Rows{"||20261207080000-20261207093030|1.45 1.45 0.00 0.00|AE"}), RowsOf(8));
  EXPECT_EQ((Rows{"WP00000010|Early|20261207060000-20261207140000|1.45 1.45 0.00 0.00|BG"}), RowsOf(4));
}

TEST_P(RunTimeScenario, OperationStillRunningEndsAtTheRunStamp) {
  Book(OrderTelegram("A03", "080000", kAnna, kOrder, "00010"));
  // A note at 09:00 while the work goes on.
  MerkSatz note;
  note.MrkKng = "LZS";
  note.MrkApl = kWp;
  note.MrkApk = kOrder;
  note.MrkApp = "00010";
  note.MrkPnr = "00000000";
  note.MrkBnr = LastTelegramBooking().KeyBnr;
  note.MrkMdt = "20261207090000";
  ASSERT_EQ(0, Mrk_PKeyIns(&note));
  Lzs_Abarbeiten();
  const Rows totals = RowsOf(8);
  ASSERT_EQ(1u, totals.size());
  EXPECT_EQ("GE", totals[0].substr(totals[0].size() - 2));
  const std::string end = totals[0].substr(totals[0].find('-') + 1, 8);
  EXPECT_EQ(testdb::QueryText("select TO_CHAR(trunc(sysdate),'yyyymmdd')"), end);
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
}

TEST_P(RunTimeScenario, MissingCalendarDayIsLoggedAndSkipped) {
  const std::string table = GetParam() == testdb::Backend::Sqlite ? "Kvs133Bak" : "kvsystem.Kvs133Bak";
  ASSERT_EQ(0, testdb::Exec("delete from " + table + " where BakJhr=2026 and BakMon=12 and BakTag=6"));
  ASSERT_EQ(6, testdb::CountRows(table));
  LogCapture log;
  Work("080000", "100000");
  Lzs_Abarbeiten();
  EXPECT_EQ(1, log.Count("Mlt_M_A_BDE", "Kalendertag fehlt: 20261206")) << log.Text();
  EXPECT_EQ((Rows{"WP00000010|Early|20261207060000-20261207140000|120.00 120.00 0.00 0.00|BG"}), RowsOf(4));
}

TEST_P(RunTimeScenario, FailureOfTheDatabaseLeavesTheNotePendingAndNothingHalfDone) {
  Work("080000", "100000");
  const int diskFull =
      GetParam() == testdb::Backend::Sqlite ? db::SqliteStatus(13) : db::PostgresStatus("53100");
  {
    testdb::FaultInjection faults;
    faults.FailRoutine("Nza_PKeyIns", diskFull, 3);  // the total over all work places
    Lzs_Abarbeiten();
    EXPECT_TRUE(faults.Fired());
  }
  EXPECT_EQ(1, Pending());
  EXPECT_EQ(0, testdb::CountRows("Kvs590Nza"));
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
  Lzs_Abarbeiten();
  EXPECT_EQ(0, Pending());
  EXPECT_EQ((Rows{"||20261207080000-20261207100000|120.00 120.00 0.00 0.00|AE"}), RowsOf(8));
}

// ---- stoppages of a work place -------------------------------------------

class StoppageScenario : public RunTimeScenario {
 protected:
  void SetUp() override {
    RunTimeScenario::SetUp();
    if (IsSkipped()) return;
    // The second work place has a shift of its own, with a break 09:30 to 10:15.
    AddShift("STOPS", "Stops", 360, 840, "P3", {{"00003", 570, 615}});
    Assign("WP00000020", 2, "STOPS");
    SetNoteSwitch(5, true);
  }

  static void Stoppage(const char* from, const char* to) {
    Book(WorkPlaceTelegram("M03", from, kDan, "0099", kWp2));
    Book(WorkPlaceTelegram("M04", to, kDan, "0000", kWp2));
  }

  // Start, end, reason and NzaUza, NzaNzu, NzaBzu, NzaPzu, NzaUbz of the
  // stoppage rows.
  static Rows StoppageRows() {
    Rows rows;
    for (const db::Row& r : testdb::Query(
             "select NzaApl, TO_CHAR(NzaDtm,'yyyymmddHH24MISS'), TO_CHAR(NzaEdt,'yyyymmddHH24MISS'), NzaUbg, "
             "NzaUza, NzaNzu, NzaBzu, NzaPzu, NzaUbz from Kvs590Nza where NzaSa=13 order by NzaDtm")) {
      char figures[96];
      std::snprintf(figures, sizeof figures, "%.2f %.2f %.2f %.2f %.2f", r[4].asReal(), r[5].asReal(),
                    r[6].asReal(), r[7].asReal(), r[8].asReal());
      rows.push_back(r[0].asText() + "|" + r[1].asText() + "-" + r[2].asText() + "|" + r[3].asText() + "|" +
                     figures);
    }
    return rows;
  }
};

TEST_P(StoppageScenario, OnlyShiftTimeCountsAndBreaksApart) {
  Stoppage("100000", "110000");
  Stoppage("050000", "070000");  // begins before the shift comes
  EXPECT_EQ(2, testdb::QueryInt("select count(*) from Kvs563Mrk where MrkKng='STG'"));
  Dlz_Abarbeiten();
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs563Mrk where MrkKng='STG'"));
  EXPECT_EQ((Rows{"WP00000020|20261207050000-20261207070000|0099|60.00 60.00 60.00 0.00 60.00",
                  "WP00000020|20261207100000-20261207110000|0099|45.00 45.00 60.00 15.00 60.00"}),
            StoppageRows());
  EXPECT_EQ(0, testdb::CountRows("Kvs561Mlt"));
}

// A second end while nothing stands still closes no period: no row starts
// at the earlier period's start. The second note reads the first period
// again, whose row is already stored: that one failed insert is all the log
// holds.
TEST_P(StoppageScenario, EndWithoutOpenStoppageWritesNoRow) {
  Stoppage("100000", "110000");
  Book(WorkPlaceTelegram("M04", "113000", kDan, "0000", kWp2));
  LogCapture log;
  Dlz_Abarbeiten();
  EXPECT_EQ((Rows{"WP00000020|20261207100000-20261207110000|0099|45.00 45.00 60.00 15.00 60.00"}),
            StoppageRows());
  EXPECT_EQ(1, log.Count("Nza_SA_M_Ins()", "Nza_PKeyIns"));
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs563Mrk where MrkKng='STG'"));
}

TEST_P(StoppageScenario, StoppageStillOpenAtTheNoteEndsAtTheRunStamp) {
  Book(WorkPlaceTelegram("M03", "100000", kDan, "0099", kWp2));
  MerkSatz note;
  note.MrkKng = "STG";
  note.MrkApl = kWp2;
  note.MrkApk = "000000000000";
  note.MrkApp = "00000";
  note.MrkPnr = "00000000";
  note.MrkBnr = LastTelegramBooking().KeyBnr;
  note.MrkMdt = "20261207120000";
  ASSERT_EQ(0, Mrk_PKeyIns(&note));
  Dlz_Abarbeiten();
  const Rows rows = StoppageRows();
  ASSERT_EQ(1u, rows.size());
  const std::string end = rows[0].substr(rows[0].find('-') + 1, 8);
  EXPECT_EQ(testdb::QueryText("select TO_CHAR(trunc(sysdate),'yyyymmdd')"), end);
}

TEST_P(StoppageScenario, NoRowWithoutItsSwitch) {
  ASSERT_EQ(0, testdb::Exec("update Kvs591Nzp set NzpAak=0 where NzpAkz=5"));
  Stoppage("100000", "110000");
  Dlz_Abarbeiten();
  EXPECT_EQ(Rows{}, StoppageRows());
  EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs563Mrk where MrkKng='STG'"));
}

INSTANTIATE_DB_TEST(RunTimeScenario);
INSTANTIATE_DB_TEST(StoppageScenario);

TEST(Duration, MinutesAndSecondsAsHundredths) {
  EXPECT_DOUBLE_EQ(1.30, Dauer(90));
  EXPECT_DOUBLE_EQ(60.00, Dauer(3600));
  EXPECT_EQ(75, DauerSekunden(1.15));
  EXPECT_DOUBLE_EQ(1.15, DauerPlus(0.45, 30));
  EXPECT_DOUBLE_EQ(1.45, DauerPlus(1.15, 30));
  EXPECT_DOUBLE_EQ(1.01, DauerPlus(0.59, 2));
}

}  // namespace
