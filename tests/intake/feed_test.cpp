// `bdemorvelt feed`: lines of a file or of standard input become queue rows,
// and a worker pass books what was fed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "db/tables/bnr.h"
#include "intake/receive.h"
#include "intake_support.h"
#include "program.h"

namespace {

using namespace intake_test;
namespace fs = std::filesystem;

class FeedTest : public DbTest {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    DbTest::SetUp();
    if (IsSkipped()) return;
    static int serial = 0;
    dir_ = testdb::ScratchDir() + "/feed" + std::to_string(++serial);
    fs::remove_all(dir_);
    fs::create_directories(dir_ + "/ipc");
    fs::create_directories(dir_ + "/Msg");
    WriteConfig(dir_ + "/korvantis.ini", LoginFrom(dir_));
  }

  void TearDown() override {
    if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
    DbTest::TearDown();
  }

  std::string file(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
    return dir_ + "/" + name;
  }

  // Runs bdemorvelt with the test's configuration; the exit code.
  int run(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--config", dir_ + "/korvantis.ini", "--log", dir_ + "/Msg/BdeMorvelt.txt"});
    Program p(dir_, dir_ + "/ipc", args, input, dir_ + "/out.txt");
    return p.wait();
  }

  std::string output() const { return ReadFile(dir_ + "/out.txt"); }

  std::vector<std::string> queuedTexts() {
    std::vector<std::string> texts;
    for (const db::Row& r : testdb::Query("select RcvDta from Kvs570Rcv order by RcvLfn"))
      texts.push_back(r[0].asText());
    return texts;
  }

  std::string dir_;
};

TEST_P(FeedTest, EveryLineOfAFileBecomesOneQueueRow) {
  ASSERT_EQ(0, run({"feed", file("day.txt", "first\r\n\nthird line\n")}));
  EXPECT_NE(std::string::npos, output().find("3 telegrams queued"));
  EXPECT_EQ(queuedTexts(), (std::vector<std::string>{"first", "", "third line"}));
  EXPECT_EQ(3, Count("Kvs570Rcv", "RcvEsb='feed'"));
  EXPECT_EQ(1, testdb::QueryInt("select min(RcvLfn) from Kvs570Rcv"));
  EXPECT_EQ(3, testdb::QueryInt("select max(RcvLfn) from Kvs570Rcv"));
  EXPECT_EQ(1, testdb::QueryInt("select count(distinct RcvMdt) from Kvs570Rcv"));
}

TEST_P(FeedTest, StandardInputAndRunningNumbersAboveQueueAndBackup) {
  ASSERT_EQ(0, run({"feed", file("a.txt", "a1\na2\n")}));
  ASSERT_EQ(0, run({"feed"}, file("b.txt", "b1\n")));
  EXPECT_EQ(3, testdb::QueryInt("select RcvLfn from Kvs570Rcv where RcvDta='b1'"));
  Input_Buchung();  // unknown telegrams: backed up and gone
  ASSERT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  ASSERT_EQ(0, run({"feed", "-"}, file("c.txt", "c1")));
  EXPECT_EQ(4, testdb::QueryInt("select RcvLfn from Kvs570Rcv where RcvDta='c1'"));
}

TEST_P(FeedTest, OverlongLinesAreCutWithAWarning) {
  ASSERT_EQ(0, run({"feed", file("long.txt", std::string(600, 'x') + "\n")}));
  EXPECT_NE(std::string::npos, output().find("cut to 512 characters"));
  EXPECT_EQ(queuedTexts(), (std::vector<std::string>{std::string(512, 'x')}));
}

TEST_P(FeedTest, WrongCallsFail) {
  EXPECT_EQ(1, run({"feed", dir_ + "/missing.txt"}));
  EXPECT_EQ(2, run({"feed", "a", "b"}));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
}

TEST_P(FeedTest, FedTelegramsAreBookedByAWorkerPass) {
  LoadCodes();
  LoadPerson();
  BnrSatz interval;
  interval.BnrKey = "BDBER";
  ASSERT_EQ(0, Bnr_PKeyIns(&interval));
  std::string day;
  for (int k = 0; k < 20; ++k) {
    const std::string time = "0700" + std::string(k < 10 ? "0" : "") + std::to_string(k);
    day += (k % 2 ? Telegram("A02", time, OrderData() + scenario::Quantity(k) + std::string(33, '0'))
                  : Telegram("P01", time, "B0001001WP00000010")) +
           "\n";
  }
  ASSERT_EQ(0, run({"feed", file("day.txt", day)}));
  ASSERT_EQ(0, run({"--once"}));
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(20, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(20, Count("Kvs560Mel", "KeyLfn=0 and KeyPnr='00001001'"));
  EXPECT_EQ(10, Count("Kvs580Pps", "PpsSts=2"));
  EXPECT_DOUBLE_EQ(19.0, testdb::Query("select MelGum from Kvs560Mel where TO_CHAR(KeyUhr,'HH24MISS')='070019'")
                             .at(0)
                             .at(0)
                             .asReal());
}

INSTANTIATE_DB_TEST(FeedTest);

}  // namespace
