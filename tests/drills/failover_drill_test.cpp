// The failover drill: a primary and its streaming standby, the worker with
// both in its connect target, telegrams arriving all the time. The primary
// dies in the middle of a drain (an immediate shutdown, as when its machine
// goes), the standby is promoted, and the worker reconnects to it, takes
// the lease there and books the rest.
//
// Checked on every run: on the new primary no telegram is booked twice,
// every backup row has its booking, and every telegram queued there is
// booked once. With synchronous replication every telegram the receiving
// side had committed is booked exactly once. With asynchronous replication
// the standby lags behind (its sender is held for a moment before the
// crash), and the tail of transactions it never received is lost: a
// telegram booked in that tail is back in the queue and booked again; one
// whose queue row was in that tail is gone. What was lost and booked again
// is found by reading the old primary afterwards, and printed with how long
// booking stopped.
#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "db/engine/dbdb.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "replicated_pair.h"
#include "server_script.h"
#include "standby_support.h"

namespace {

using namespace intake_test;
using drill::Replication;
using Clock = std::chrono::steady_clock;

constexpr int kBacklog = 2000;  // queued before the worker starts
constexpr int kBatch = 5;       // telegrams per call of the feeder
const std::string kDatabase = "bde_drill";

// Telegram k of the drill, told apart by its time (06:00:00 plus k
// seconds): every third sets up an order operation and is uploaded for
// the planning system, the others log the person on to the work place.
std::string DrillTelegram(int k) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d%02d%02d", 6 + k / 3600, k / 60 % 60, k % 60);
  return k % 3 == 0 ? Telegram("A01", time, OrderData()) : Telegram("P01", time, "B0001001WP00000010");
}

// The number k of a telegram time "HHMMSS".
int NumberOfTime(const std::string& hhmmss) {
  if (hhmmss.size() != 6) return -1;
  return (std::stoi(hhmmss.substr(0, 2)) - 6) * 3600 + std::stoi(hhmmss.substr(2, 2)) * 60 +
         std::stoi(hhmmss.substr(4, 2));
}

// Where the time stands in a raw telegram.
constexpr std::size_t kTimeAt = 63;

// The receiving component: queues the drill's telegrams in small batches
// through `bdemorvelt feed` with the worker's configuration, one call after
// the other, from a thread of its own. A batch whose call succeeded is
// committed; one whose call failed may have been committed or not.
class Feeder {
 public:
  Feeder(const std::string& dir, const std::string& config, int first) : dir_(dir), config_(config), next_(first) {}
  ~Feeder() { stop(); }

  void start() {
    thread_ = std::thread([this] { run(); });
  }
  void stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }

  std::set<int> committed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return committed_;
  }
  std::size_t uncertainBatches() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return uncertain_;
  }
  int fed() const { return next_; }

 private:
  void run() {
    const std::string batch = dir_ + "/batch.txt";
    while (!stop_) {
      const int first = next_;
      {
        std::ofstream out(batch, std::ios::trunc);
        for (int k = first; k < first + kBatch; ++k) out << DrillTelegram(k) << "\n";
      }
      const bool ok = Program(dir_, dir_ + "/ipc-feeder", {"feed", "--config", config_, batch}, "",
                              dir_ + "/feeder.out")
                          .wait() == 0;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        for (int k = first; ok && k < first + kBatch; ++k) committed_.insert(k);
        uncertain_ += !ok;
      }
      next_ = first + kBatch;
      std::this_thread::sleep_for(std::chrono::milliseconds(ok ? 10 : 100));
    }
  }

  const std::string dir_, config_;
  std::atomic<int> next_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::set<int> committed_;
  std::size_t uncertain_ = 0;
};

// What one database holds of the drill's telegrams, by their number.
struct Holdings {
  std::map<int, int> bookings;        // telegram -> booking rows
  std::map<int, int> backups;         // telegram -> backup rows
  std::map<int, int> bookingNumber;   // telegram -> its booking number
  std::map<int, int> uploadNumber;    // telegram -> its upload number
  std::int64_t lastBookingNumber = 0;  // the counters
  std::int64_t lastUploadNumber = 0;
};

Holdings ReadHoldings() {
  Holdings h;
  for (const db::Row& r : testdb::Query("select TO_CHAR(KeyUhr,'HH24MISS'), KeyBnr from Kvs560Mel where KeyLfn=0")) {
    const int k = NumberOfTime(r[0].asText());
    ++h.bookings[k];
    h.bookingNumber[k] = static_cast<int>(r[1].asInt());
  }
  for (const db::Row& r : testdb::Query("select RvsDta from Kvs571Rvs"))
    ++h.backups[NumberOfTime(r[0].asText().substr(kTimeAt, 6))];
  for (const db::Row& r : testdb::Query("select PpsMzt, PpsLfn from Kvs580Pps"))
    h.uploadNumber[NumberOfTime(r[0].asText())] = static_cast<int>(r[1].asInt());
  h.lastBookingNumber = testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'");
  h.lastUploadNumber = testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='PPSNR'");
  return h;
}

bool Connect(const std::string& uri) {
  std::string error;
  return dbConnectWith("", "", uri, false, &error) == 0;
}

// True when the process has SIGQUIT waiting for it.
bool QuitPending(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigPnd:", 0) != 0 && line.rfind("ShdPnd:", 0) != 0) continue;
    if (std::stoull(line.substr(7), nullptr, 16) & (1ULL << (SIGQUIT - 1))) return true;
  }
  return false;
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

class FailoverDrill : public ::testing::TestWithParam<Replication> {
 protected:
  void SetUp() override {
    if (WorkerBinary().empty()) GTEST_SKIP() << "BDEMORVELT_BIN is not set (ctest sets it)";
    if (const std::string missing = testdb::PrivateServersMissing(); !missing.empty()) GTEST_SKIP() << missing;
    ASSERT_EQ("060000", DrillTelegram(0).substr(kTimeAt, 6));
    pair_ = std::make_unique<drill::ReplicatedPair>(testdb::ScratchDir() + "/pair-" + mode(), GetParam());
    ASSERT_EQ("", pair_->failure());
    std::string error;
    ASSERT_NE("", testdb::CreateDatabase(pair_->primaryUri("postgres"), kDatabase, &error)) << error;
    LoadCodes();
    LoadPerson();
    SetInterval(1);
    const std::string net8 = pair_->primary() + "," + pair_->standby() + "/" + kDatabase;
    site_ = std::make_unique<Site>(testdb::ScratchDir() + "/drill-" + mode(), Login{"bde", "bde", net8});
  }

  void TearDown() override {
    if (sender_) kill(sender_, SIGCONT);
    if (feeder_) feeder_->stop();
    worker_.reset();
    db::Session::get().disconnect();
    pair_.reset();
  }

  std::string mode() const { return GetParam() == Replication::Synchronous ? "sync" : "async"; }

  std::unique_ptr<drill::ReplicatedPair> pair_;
  std::unique_ptr<Site> site_;
  std::unique_ptr<Program> worker_;
  std::unique_ptr<Feeder> feeder_;
  pid_t sender_ = 0;  // the primary's sender to the standby while it is held
};

TEST_P(FailoverDrill, TheWorkerFollowsThePromotedStandbyAndBooksEachTelegramOnce) {
  const bool synchronous = GetParam() == Replication::Synchronous;
  {
    db::UnitOfWork unit;
    ASSERT_EQ(0, unit.beginStatus());
    for (int k = 0; k < kBacklog; ++k) {
      char moment[32];
      std::snprintf(moment, sizeof moment, "20261207%02d%02d%02d", 7 + k / 3600, k / 60 % 60, k % 60);
      Queue(moment, k + 1, DrillTelegram(k));
    }
    ASSERT_EQ(0, unit.commit().status);
  }
  worker_ = site_->startWorker("w");
  feeder_ = std::make_unique<Feeder>(site_->dir(), site_->config(), kBacklog);
  feeder_->start();
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs571Rvs") >= kBacklog / 4; })) << site_->log("w");

  // Asynchronous: everything committed so far reaches the standby; then
  // its sender is held, and what the primary commits from here on stays
  // behind, as over a slow link.
  int safelyCommitted = 1 << 30;
  if (!synchronous) {
    const std::set<int> committed = feeder_->committed();
    safelyCommitted = committed.empty() ? kBacklog - 1 : *committed.rbegin();
    const std::string lsn = testdb::QueryText("select pg_current_wal_lsn()::text");
    ASSERT_TRUE(Eventually([&] {
      return testdb::QueryInt("select count(*) from pg_stat_replication where flush_lsn >= '" + lsn + "'::pg_lsn") == 1;
    }));
    sender_ = static_cast<pid_t>(testdb::QueryInt("select pid from pg_stat_replication"));
    ASSERT_GT(sender_, 0);
    ASSERT_EQ(0, kill(sender_, SIGSTOP));
    const std::int64_t backedUp = testdb::CountRows("Kvs571Rvs");
    const std::size_t fed = committed.size();
    ASSERT_TRUE(Eventually([&] {
      return testdb::CountRows("Kvs571Rvs") >= backedUp + 200 && feeder_->committed().size() >= fed + 2 * kBatch;
    }));
  }

  // The primary dies. A held sender is let go once its end is on its way,
  // so it sends nothing more.
  const auto killed = Clock::now();
  bool crashed = false;
  std::thread crash([&] { crashed = pair_->crashPrimary(); });
  if (sender_) {
    Eventually([&] { return QuitPending(sender_) || kill(sender_, 0) != 0; });
    kill(sender_, SIGCONT);
    sender_ = 0;
  }
  crash.join();
  ASSERT_TRUE(crashed);
  EXPECT_EQ(2, site_->status("w")) << site_->lastStatusOutput();  // only a standby is left, which takes no writes

  // What the standby holds when it is promoted is what survived.
  ASSERT_TRUE(Connect(pair_->standbyUri(kDatabase)));
  const Holdings survived = ReadHoldings();
  ASSERT_TRUE(pair_->promoteStandby());
  const auto promoted = Clock::now();
  const std::size_t bookedAtPromotion = survived.bookings.size();
  ASSERT_TRUE(Eventually([&] {
    return testdb::QueryInt("select count(*) from Kvs560Mel where KeyLfn=0") > static_cast<std::int64_t>(bookedAtPromotion);
  })) << site_->log("w");
  const auto firstBooking = Clock::now();

  // Telegrams go on arriving at the new primary; then the queue runs dry.
  const std::size_t committedAtPromotion = feeder_->committed().size();
  ASSERT_TRUE(Eventually([&] { return feeder_->committed().size() >= committedAtPromotion + 10 * kBatch; }));
  feeder_->stop();
  ASSERT_TRUE(Eventually([] { return testdb::CountRows("Kvs570Rcv") == 0; })) << site_->log("w");
  EXPECT_EQ(0, site_->status("w")) << site_->lastStatusOutput();
  EXPECT_NE(std::string::npos, site_->lastStatusOutput().find("server: " + pair_->standby() + "\n"))
      << site_->lastStatusOutput();
  worker_.reset();
  // The lease was taken at the start and on the new primary before the
  // worker booked there.
  EXPECT_EQ(2, site_->logCount("w", "Lease uebernommen, Worker bucht")) << site_->log("w");
  EXPECT_EQ(0, site_->logCount("w", "Einzelbuchung nach Abbruch")) << site_->log("w");

  // On the new primary: each telegram it knows is backed up and booked
  // exactly once, under numbers given once.
  const Holdings now = ReadHoldings();
  std::set<int> numbers;
  for (const auto& [k, n] : now.bookings) {
    EXPECT_EQ(1, n) << "telegram " << k << " booked " << n << " times";
    EXPECT_EQ(1, now.backups.count(k) ? now.backups.at(k) : 0) << "telegram " << k << " booked without backup";
    numbers.insert(now.bookingNumber.at(k));
    EXPECT_EQ(k % 3 == 0, now.uploadNumber.count(k) == 1) << "upload row of " << k;
  }
  for (const auto& [k, n] : now.backups) EXPECT_EQ(1, now.bookings.count(k)) << "backup of " << k << " not booked";
  EXPECT_EQ(now.bookings.size(), numbers.size());
  EXPECT_EQ(static_cast<std::int64_t>(now.bookings.size()), now.lastBookingNumber);
  for (int k = 0; k < kBacklog; ++k) EXPECT_EQ(1, now.bookings.count(k)) << "queued before the start: " << k;
  int committedLost = 0;
  for (int k : feeder_->committed()) {
    if (now.bookings.count(k)) continue;
    ++committedLost;
    EXPECT_GT(k, safelyCommitted) << "committed telegram " << k << " is gone";
  }

  // The old primary, read after the end: what it had booked that the new
  // one never saw is booked again there or gone with its queue row.
  ASSERT_TRUE(pair_->restartOldPrimary());
  ASSERT_TRUE(Connect(pair_->primaryUri(kDatabase)));
  const Holdings old = ReadHoldings();
  int bookedAgain = 0, gone = 0, numbersAgain = 0, uploadsAgain = 0;
  for (const auto& [k, number] : old.bookingNumber) {
    if (survived.bookings.count(k)) continue;  // replicated before the end
    now.bookings.count(k) ? ++bookedAgain : ++gone;
    numbersAgain += number <= now.lastBookingNumber;
    uploadsAgain += old.uploadNumber.count(k) && old.uploadNumber.at(k) <= now.lastUploadNumber;
  }
  // Synchronous: a telegram the standby lacked was never confirmed to its
  // sender; its queue row could only be gone with a feed that failed.
  if (synchronous) {
    EXPECT_LE(static_cast<std::size_t>(gone), feeder_->uncertainBatches() * kBatch);
  }
  std::cout << "[ " << mode() << " replication: booking stopped for " << Seconds(killed, firstBooking)
            << " s from the crash, " << Seconds(promoted, firstBooking) << " s from the promotion ("
            << Seconds(killed, promoted) << " s after the crash); " << kBacklog << " telegrams queued, "
            << feeder_->fed() - kBacklog << " fed (" << feeder_->committed().size() << " committed, "
            << feeder_->uncertainBatches() << " feeds failed). Lost tail: the old primary had booked "
            << old.bookings.size() << ", the standby held " << bookedAtPromotion << "; " << bookedAgain
            << " booked again on the new primary, with " << numbersAgain << " booking numbers and " << uploadsAgain
            << " upload numbers handed out again; " << committedLost
            << " committed telegrams gone with their queue rows, " << gone << " telegrams booked on the old primary gone ]"
            << std::endl;
  db::Session::get().disconnect();
}

INSTANTIATE_TEST_SUITE_P(Drill, FailoverDrill, ::testing::Values(Replication::Synchronous, Replication::Asynchronous),
                         [](const ::testing::TestParamInfo<Replication>& info) {
                           return info.param == Replication::Synchronous ? "Synchronous" : "Asynchronous";
                         });

}  // namespace
