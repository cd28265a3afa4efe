// The master data a drain reads once for all its telegrams: function codes,
// persons by badge and the analysis switches. Counted by routine through
// the fault-injection wrapper; the next pass sees what changed in between.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/status.h"
#include "fault_injection.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "scenario_support.h"

namespace {

using namespace intake_test;
using scenario::LogCapture;

constexpr std::string_view kOtherBadge = "B0001002";
constexpr std::string_view kNewBadge = "B0009999";  // assigned to nobody until the second pass
constexpr int kSwitchReads = 7;                // one parameter row per analysis kind

struct Queued {
  const char* fcd;
  std::string_view badge;
};

class PassReadsTest : public CodesAndPersonTest {
 protected:
  void SetUp() override {
    CodesAndPersonTest::SetUp();
    if (IsSkipped()) return;
    LoadPerson("00001002", kOtherBadge);
  }

  void QueueAll(std::initializer_list<Queued> telegrams) {
    for (const Queued& t : telegrams) {
      ++lfn_;
      const std::string time = "06" + std::to_string(5000 + lfn_);
      Queue("20261207" + time, lfn_, Telegram(t.fcd, time, OrderData(t.badge)));
    }
  }

  struct Reads {
    long codes, persons, switches;
  };

  // One drain; what it asked the database for.
  Reads Drain() {
    testdb::FaultInjection counter;
    Input_Buchung();
    return {counter.Runs("Fcd_PKeyReadk"), counter.Runs("Awn_PKeyRead"), counter.Runs("Nzp_PKeyReadk")};
  }

  std::int32_t lfn_ = 0;
};

TEST_P(PassReadsTest, EachCodeAndBadgeIsReadOncePerPassAndAgainInTheNext) {
  LogCapture log;
  QueueAll({{"P01", kBadge}, {"P01", kOtherBadge}, {"P01", kBadge}, {"X99", kBadge},
            {"X99", kOtherBadge}, {"P01", kNewBadge}, {"P01", kNewBadge}});
  Reads first = Drain();
  EXPECT_EQ(2, first.codes);  // P01, and X99 unknown to the worker
  EXPECT_EQ(3, first.persons);  // the unknown badge once as well
  EXPECT_EQ(kSwitchReads, first.switches);
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(2, log.Count("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk"));
  EXPECT_EQ(2, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='00001001'"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='00001002'"));
  EXPECT_EQ(2, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='99999999' and MelAwn='B0009999'"));
  EXPECT_EQ(0, Count("Kvs560Mel", "MelFcd='X99'"));

  // Between the passes another program makes X99 a booked code and hands
  // out the new badge.
  FzuSatz x99 = scenario::FunctionCode("X99", "MA", 0, 0, 1);
  ASSERT_EQ(0, Fzu_PKeyIns(&x99, "0"));
  LoadPerson("00001003", kNewBadge);
  QueueAll({{"X99", kNewBadge}, {"X99", kNewBadge}, {"P01", kNewBadge}});
  Reads second = Drain();
  EXPECT_EQ(2, second.codes);
  EXPECT_EQ(1, second.persons);
  EXPECT_EQ(kSwitchReads, second.switches);
  EXPECT_EQ(2, Count("Kvs560Mel", "MelFcd='X99' and KeyPnr='00001003'"));
  EXPECT_EQ(1, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='00001003'"));
  EXPECT_EQ(2, log.Count("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk"));
}

TEST_P(PassReadsTest, AFailedReadIsAskedAgainByTheNextTelegram) {
  LogCapture log;
  QueueAll({{"P01", kBadge}, {"P01", kBadge}, {"P01", kBadge}});
  testdb::FaultInjection reads;
  reads.FailRoutine("Fcd_PKeyReadk", status::kTooManyRows);
  Input_Buchung();
  EXPECT_TRUE(reads.Fired());
  EXPECT_EQ(2, reads.Runs("Fcd_PKeyReadk"));  // the failed read, then one answer for the rest
  EXPECT_EQ(1, log.Count("Meldungsart dem System nicht bekannt", "Fcd_PKeyReadk"));
  EXPECT_EQ(2, Count("Kvs560Mel", "MelFcd='P01'"));

  reads.FailRoutine("Awn_PKeyRead", status::kTooManyRows);
  QueueAll({{"P01", kBadge}, {"P01", kBadge}});
  Input_Buchung();
  EXPECT_EQ(1, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='99999999' and MelFnr=6001"));
  EXPECT_EQ(3, Count("Kvs560Mel", "MelFcd='P01' and KeyPnr='00001001'"));
  EXPECT_EQ(1 + 2, reads.Runs("Awn_PKeyRead"));  // once in the first pass, twice in the second
}

INSTANTIATE_DB_TEST(PassReadsTest);

}  // namespace
