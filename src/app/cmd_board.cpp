// bdemorvelt board [--out FILE] [--every SECONDS] [--stale MINUTES]: the
// shop floor as it is now, as one page; with --every, kept up to date until
// SIGTERM or SIGINT. The board reads through a connection of its own in
// short read-only transactions and never writes, so the worker beside it
// never waits for it.
#include <signal.h>
#include <time.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

#include "app/board/board.h"
#include "app/commands.h"
#include "base/datetime.h"
#include "db/engine/session.h"

namespace {

constexpr int kRefreshWrittenOnce = 60;  // seconds, for a page nobody rewrites
constexpr int kBadConfiguration = 78;

volatile std::sig_atomic_t gStopRequested = 0;

void onStopSignal(int) { gStopRequested = 1; }

void catchStopSignals() {
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

std::string now() {
  std::string moment, unused;
  Datum_Zeit(moment, unused, 4);
  return moment;
}

// Sleeps until `deadline`, waking at once when asked to stop.
void sleepUntil(std::chrono::steady_clock::time_point deadline) {
  while (!gStopRequested && std::chrono::steady_clock::now() < deadline) {
    const timespec slice{0, 100 * 1000 * 1000};
    nanosleep(&slice, nullptr);
  }
}

bool writePage(const std::string& path, const std::string& page, std::string* error) {
  if (path != "-") return board::ReplaceFile(path, page, error);
  std::fwrite(page.data(), 1, page.size(), stdout);
  return std::fflush(stdout) == 0;
}

int writeOnce(const Options& options, const std::string& path) {
  if (!ConnectForCommand(options, false)) return 1;
  board::Board b;
  const int rc = board::CollectBoard(now(), options.staleMinutes, b);
  db::Session::get().disconnect();
  if (rc != 0) {
    std::fprintf(stderr, "bdemorvelt board: cannot read the shop floor (%d)\n", rc);
    return 1;
  }
  std::string error;
  if (!writePage(path, board::RenderBoard(b, {kRefreshWrittenOnce, "", ""}), &error)) {
    std::fprintf(stderr, "bdemorvelt board: %s\n", error.c_str());
    return 1;
  }
  if (path != "-") std::printf("%s\n", path.c_str());
  return 0;
}

// One rewrite: a fresh board when the database answers, else the last one
// read under a banner. Returns false when there is nothing to wait for.
class Rewriter {
 public:
  Rewriter(const Options& options, std::string path) : options_(options), path_(std::move(path)) {}

  bool step() {
    const std::string moment = now();
    std::string reason;
    if (read(moment, reason)) {
      if (!down_.empty()) std::fprintf(stderr, "bdemorvelt board: the database answers again\n");
      down_.clear();
    } else {
      if (badConfiguration_) return false;
      if (down_.empty()) {
        down_ = moment;
        std::fprintf(stderr, "bdemorvelt board: %s; keeping the last board\n", reason.c_str());
      }
      reason_ = reason;
      if (last_.made.empty()) last_.made = moment;
    }
    std::string error;
    const board::PageSettings settings{options_.everySeconds, down_, down_.empty() ? "" : reason_};
    if (!writePage(path_, board::RenderBoard(last_, settings), &error)) {
      if (error != writeError_) std::fprintf(stderr, "bdemorvelt board: %s\n", error.c_str());
      writeError_ = error;
    } else {
      writeError_.clear();
    }
    return true;
  }

 private:
  bool read(const std::string& moment, std::string& reason) {
    db::Session& session = db::Session::get();
    if (!session.connected()) {
      const LoginResult login = LoginWithConfiguration(options_, false);
      if (login.status != 0) {
        reason = LoginFailureText(login);
        badConfiguration_ = login.badConfiguration;
        if (badConfiguration_) std::fprintf(stderr, "%s\n", reason.c_str());
        return false;
      }
    }
    board::Board b;
    const int rc = board::CollectBoard(moment, options_.staleMinutes, b);
    if (rc != 0) {
      reason = "reading the shop floor failed (" + std::to_string(rc) + ")";
      session.disconnect();  // the next rewrite connects anew
      return false;
    }
    last_ = std::move(b);
    return true;
  }

  const Options& options_;
  const std::string path_;
  board::Board last_;
  std::string down_, reason_, writeError_;
  bool badConfiguration_ = false;
};

}  // namespace

int RunBoard(const Options& options) {
  if (!options.args.empty()) {
    std::fprintf(stderr, "usage: bdemorvelt board [--out FILE] [--every SECONDS] [--stale MINUTES]\n");
    return 2;
  }
  const std::string path = options.outFile.empty() ? "board.html" : options.outFile;
  if (options.everySeconds == 0) return writeOnce(options, path);
  if (path == "-") {
    std::fprintf(stderr, "bdemorvelt board: --every needs a file to rewrite\n");
    return 2;
  }
  catchStopSignals();
  Rewriter rewriter(options, path);
  const auto interval = std::chrono::seconds(options.everySeconds);
  auto next = std::chrono::steady_clock::now();
  while (!gStopRequested) {
    if (!rewriter.step()) return kBadConfiguration;
    next += interval;
    // A rewrite that took longer than the interval is not caught up on.
    if (next < std::chrono::steady_clock::now()) next = std::chrono::steady_clock::now();
    sleepUntil(next);
  }
  db::Session::get().disconnect();
  return 0;
}
