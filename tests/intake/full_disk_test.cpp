// A drain on a file system that fills up: no telegram is lost or booked
// twice. The database lies on a small tmpfs whose size is cut to what the
// queued telegrams need plus a little, so that the disk fills in the middle
// of the drain; after the file system is enlarged one more pass books the
// rest. Mounting needs root: without it the test says so and is skipped.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdint>
#include <iostream>
#include <string>

#include "db/engine/dbdb.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "intake/receive.h"
#include "intake_support.h"

namespace {

using namespace intake_test;

constexpr int kTelegrams = 3000;

std::uint64_t usedBytes(const std::string& dir) {
  struct statvfs fs {};
  if (statvfs(dir.c_str(), &fs) != 0) return 0;
  return static_cast<std::uint64_t>(fs.f_blocks - fs.f_bfree) * fs.f_frsize;
}

bool mountTmpfs(const std::string& dir, std::uint64_t kib, bool remount) {
  const std::string options = "size=" + std::to_string(kib) + "k";
  return mount("tmpfs", dir.c_str(), "tmpfs", remount ? MS_REMOUNT : 0, options.c_str()) == 0;
}

// "06" followed by minutes and seconds: one telegram per second from 06:00.
std::string timeOf(int k) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d%02d%02d", 6 + k / 3600, (k / 60) % 60, k % 60);
  return text;
}

class FullDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testdb::ScratchDir() + "/full-disk";
    mkdir(dir_.c_str(), 0777);
    if (!mountTmpfs(dir_, 32 * 1024, false)) {
      std::cout << "[ SKIPPED: cannot mount a tmpfs here (needs root); the full-disk drill did not run ]"
                << std::endl;
      GTEST_SKIP() << "cannot mount a tmpfs at " << dir_;
    }
    mounted_ = true;
    std::string error;
    ASSERT_EQ(0, dbConnectWith("", "", "sqlite:" + dir_ + "/bde.db", true, &error)) << error;
    ASSERT_EQ(0, db::schema::create(db::Session::get().connection(), &error)) << error;
  }

  void TearDown() override {
    db::Session::get().disconnect();
    if (mounted_) umount(dir_.c_str());
  }

  void queueTelegrams() {
    LoadCodes();
    LoadPerson();
    db::UnitOfWork unit;
    ASSERT_EQ(0, unit.beginStatus());
    for (int k = 0; k < kTelegrams; ++k)
      Queue("20261207" + timeOf(k), k + 1, Telegram("A01", timeOf(k), OrderData()));
    ASSERT_EQ(0, unit.commit().status);
  }

  // Every telegram is booked with its backup row, or queued without either.
  void expectQueuedOrBooked() {
    const std::int64_t queued = testdb::CountRows("Kvs570Rcv");
    const std::int64_t backedUp = testdb::CountRows("Kvs571Rvs");
    EXPECT_EQ(kTelegrams, queued + backedUp);
    EXPECT_EQ(backedUp, Count("Kvs560Mel", "KeyLfn=0"));
    EXPECT_EQ(backedUp, testdb::QueryInt("select count(distinct KeyBnr) from Kvs560Mel where KeyLfn=0"));
    EXPECT_EQ(0, testdb::QueryInt("select count(*) from Kvs570Rcv, Kvs571Rvs where RcvLfn=RvsLfn"));
  }

  std::string dir_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, DrainOnAFillingDiskLosesNothingAndBooksNothingTwice) {
  queueTelegrams();
  ASSERT_FALSE(HasFailure());
  // Room for a few hundred telegrams' bookings, not for three thousand.
  ASSERT_TRUE(mountTmpfs(dir_, usedBytes(dir_) / 1024 + 2048, true));

  scenario::LogCapture log;
  Input_Buchung();
  const std::int64_t left = testdb::CountRows("Kvs570Rcv");
  std::cout << "[ disk full after " << kTelegrams - left << " of " << kTelegrams << " telegrams ]" << std::endl;
  ASSERT_GT(left, 0) << "the disk never filled: the drill did not happen";
  expectQueuedOrBooked();
  EXPECT_EQ(0, log.Count("Input-Buchung", "Einzelbuchung nach Abbruch"));
  EXPECT_EQ(1, log.Count("Input-Buchung", "DB nicht nutzbar, Meldung wartet")) << log.Text();

  ASSERT_TRUE(mountTmpfs(dir_, 64 * 1024, true));
  Input_Buchung();
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  expectQueuedOrBooked();
  EXPECT_EQ(kTelegrams, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
  EXPECT_EQ("ok", testdb::QueryText("PRAGMA integrity_check"));
}

}  // namespace
