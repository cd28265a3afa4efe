// Installations of the worker beside each other on one database, for the
// tests of the lease: real worker processes, each with its own process
// objects and message log, and the status command of each.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "db/tables/bnr.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "intake_support.h"
#include "program.h"

namespace intake_test {

// Polls until the condition holds; the limit only keeps a broken worker
// from hanging the run.
template <class Condition>
bool Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// The pass interval of every worker on the current database.
inline void SetInterval(int seconds) {
  BnrSatz bnr;
  bnr.BnrKey = "BDBER";
  bnr.BnrBnr = seconds;
  bnr.BnrEsb = "test";
  ASSERT_EQ(0, Bnr_PKeyIns(&bnr));
}

// Telegram k: a start of person work on a work place at its own second.
inline std::string NumberedTelegram(int k) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d%02d%02d", 6 + k / 3600, k / 60 % 60, k % 60);
  return Telegram("P01", time, "B0001001WP00000010");
}

// Queues telegrams from..from+count-1 as one arrival.
inline void QueueTelegrams(int from, int count) {
  db::UnitOfWork unit;
  ASSERT_EQ(0, unit.beginStatus());
  for (int k = from; k < from + count; ++k) {
    char moment[32];
    std::snprintf(moment, sizeof moment, "20261207%02d%02d%02d", 7 + k / 3600, k / 60 % 60, k % 60);
    Queue(moment, k + 1, NumberedTelegram(k));
  }
  ASSERT_EQ(0, unit.commit().status);
}

// Every one of `total` telegrams backed up and booked once, none queued,
// no booking number given twice.
inline void ExpectEachBookedOnce(int total) {
  EXPECT_EQ(0, testdb::CountRows("Kvs570Rcv"));
  EXPECT_EQ(total, testdb::CountRows("Kvs571Rvs"));
  EXPECT_EQ(total, Count("Kvs560Mel", "KeyLfn=0"));
  EXPECT_EQ(total, testdb::QueryInt("select count(*) from (select distinct TO_CHAR(KeyUhr,'HH24MISS') "
                                    "from Kvs560Mel where KeyLfn=0) t"));
  EXPECT_EQ(total, testdb::QueryInt("select BnrBnr from Kvs552Bnr where BnrKey='MELNR'"));
}

// A working directory with one configuration for the database; each
// installation NAME has its process objects in ipc-NAME and its log in
// Msg/NAME.txt.
class Site {
 public:
  Site(const std::string& dir, const Login& login) : dir_(dir) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ + "/Msg");
    WriteConfig(config(), login);
  }

  const std::string& dir() const { return dir_; }
  std::string config() const { return dir_ + "/korvantis.ini"; }

  std::unique_ptr<Program> startWorker(const std::string& name) {
    return std::make_unique<Program>(dir_, ipc(name),
                                     std::vector<std::string>{"--config", config(), "--log", logPath(name)}, "",
                                     dir_ + "/" + name + ".out");
  }

  // One pass of installation NAME (`bdemorvelt --once`); its exit code.
  int runOnce(const std::string& name) {
    return Program(dir_, ipc(name), {"--once", "--config", config(), "--log", logPath(name)}, "",
                   dir_ + "/" + name + ".out")
        .wait();
  }

  // The exit code of `bdemorvelt status` of that installation.
  int status(const std::string& name) {
    const std::string out = dir_ + "/status-" + name + ".out";
    const int code = Program(dir_, ipc(name), {"status", "--config", config()}, "", out).wait();
    lastStatus_ = ReadFile(out);
    return code;
  }
  const std::string& lastStatusOutput() const { return lastStatus_; }

  bool holdsLease(const std::string& name) const { return ReadFile(ipc(name) + "/LeaseMorveltEvent") == "1"; }

  std::string log(const std::string& name) const { return ReadFile(logPath(name)); }
  int logCount(const std::string& name, const std::string& message) const {
    const std::string text = log(name), line = "Message____: " + message + "\r\n";
    int n = 0;
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  }
  bool logHas(const std::string& name, const std::string& message) const { return logCount(name, message) > 0; }

 private:
  std::string ipc(const std::string& name) const {
    const std::string path = dir_ + "/ipc-" + name;
    std::filesystem::create_directories(path);
    return path;
  }
  std::string logPath(const std::string& name) const { return dir_ + "/Msg/" + name + ".txt"; }

  std::string dir_, lastStatus_;
};

}  // namespace intake_test
