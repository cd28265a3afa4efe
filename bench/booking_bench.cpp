// Booking throughput: how many telegrams one drain of the receive queue
// books per second, next to the floor that the backend sets -- the rate of
// single-row commits on the same database -- and, on a database server,
// the round trips one telegram costs.
//
//   booking_bench SERVICE... [--backlogs N,N...] [--one-by-one] [--board BINARY]
//
// Each SERVICE is a service name as the worker takes it: sqlite:PATH
// (created when missing) or a postgresql:// URI; several are measured in
// one run. The tables the benchmark writes are emptied first. Each backlog
// (default 2000 and 10000 telegrams) is queued whole, then drained by one
// pass. --one-by-one commits every telegram on its own, as without groups.
// --board drains each backlog a second time while BINARY's live board
// (`board --every 1`) rewrites its page from a connection of its own.
//
// The telegrams follow a shop floor of 20 work places and 40 persons: on
// each work place a person logs on, starts an order operation, reports a
// quantity, is interrupted, resumes, finishes with a quantity and logs off,
// one order operation after another. Every telegram is booked as one unit
// of work with its backup row and its queue delete.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "db/tables/apk.h"
#include "db/tables/apl.h"
#include "db/tables/app.h"
#include "db/engine/dbdb.h"
#include "db/tables/fzu.h"
#include "db/tables/prv.h"
#include "db/tables/rcv.h"
#include "db/tables/schema.h"
#include "db/engine/session.h"
#include "db/engine/unit_of_work.h"
#include "intake/receive.h"
#include "plant/worker_config.h"

namespace {

constexpr int kWorkPlaces = 20;
constexpr int kPersons = 40;

std::string Fixed(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string Numbered(const char* prefix, int n, int width) {
  char s[32];
  std::snprintf(s, sizeof s, "%s%0*d", prefix, width, n);
  return s;
}

std::string WorkPlace(int w) { return Numbered("WP", w, 8); }
std::string Order(int o) { return Numbered("ORD", o, 9); }
std::string Badge(int p) { return Numbered("B", p, 7); }
std::string Quantity(int units) { return Numbered("", units * 1000, 11); }

int Check(int rc, const char* what) {
  if (rc != 0 && rc != -1) {
    std::fprintf(stderr, "booking_bench: %s failed (%d)\n", what, rc);
    std::exit(1);
  }
  return rc;
}

void LoadMasterData(int orders) {
  struct Code {
    const char* fcd;
    const char* mld;
    int upl;
  };
  const Code codes[] = {{"A01", "RB", 1}, {"A02", "RE", 1}, {"A03", "AB", 1}, {"A04", "AU", 1}, {"A05", "AW", 1},
                        {"A06", "ZM", 1}, {"A07", "AE", 1}, {"P01", "MA", 0}, {"P04", "ME", 0}, {"P05", "PA", 0},
                        {"P06", "PU", 0}, {"P07", "PW", 0}, {"P08", "PE", 0}, {"M01", "FS", 0}, {"M02", "FF", 0},
                        {"M03", "BS", 0}, {"M04", "ES", 0}};
  for (const Code& c : codes) {
    FzuSatz f;
    f.FzuFcd = c.fcd;
    f.FzuMld = c.mld;
    f.FzuArt = 1;
    f.FzuUpl = c.upl;
    f.FzuGen = 1;
    Check(Fzu_PKeyIns(&f, "0"), "Fzu_PKeyIns");
  }
  for (int w = 0; w < kWorkPlaces; ++w) {
    AplSatz apl;
    apl.AplApl = WorkPlace(w);
    apl.AplApg = "GRP1";
    Check(Apl_PKeyIns(&apl), "Apl_PKeyIns");
  }
  for (int p = 0; p < kPersons; ++p) {
    PrvSatz prv;
    prv.PrvPnr = Numbered("", 10000 + p, 8);
    prv.PrvAwn = Badge(p);
    prv.PrvGvo = "20000101";
    Check(Prv_PKeyIns(&prv), "Prv_PKeyIns");
  }
  for (int o = 0; o < orders; ++o) {
    ApkSatz apk;
    apk.ApkApk = Order(o);
    apk.ApkAfo = 1;
    apk.ApkSme = 100;
    Check(Apk_PKeyIns(&apk), "Apk_PKeyIns");
    AppSatz app;
    app.AppApk = Order(o);
    app.AppApp = "00010";
    app.AppNaf = "00000";
    app.AppSme = 100;
    Check(App_PKeyIns(&app), "App_PKeyIns");
  }
}

std::string Telegram(const std::string& fcd, long second, const std::string& data) {
  char moment[32];
  std::snprintf(moment, sizeof moment, "261207%02ld%02ld%02ld", second / 3600 % 24, second / 60 % 60, second % 60);
  return Fixed("BENCH", 52) + "10T10" + moment + "00" + fcd + data;
}

// The telegrams of one order operation on work place w by person p.
std::vector<std::string> OrderRun(int order, int w, int p, long& second) {
  const std::string keys = Fixed(Badge(p), 8) + Order(order) + "00010" + Fixed(WorkPlace(w), 10);
  const std::string wp = Fixed(Badge(p), 8) + Fixed(WorkPlace(w), 10);
  const std::string zero = Quantity(0);
  return {Telegram("P01", second += 7, wp),
          Telegram("P05", second += 7, keys),
          Telegram("A01", second += 7, keys),
          Telegram("A02", second += 7, keys + Quantity(10) + zero + zero + zero),
          Telegram("A04", second += 7, keys + zero + zero + zero + zero + " R001"),
          Telegram("A05", second += 7, keys),
          Telegram("A07", second += 7, keys + Quantity(90) + zero + zero + zero + "1 R000"),
          Telegram("P08", second += 7, keys + std::string(11, ' ') + Quantity(90) + zero + zero + zero),
          Telegram("P04", second += 7, wp)};
}

void Queue(const std::vector<std::string>& telegrams) {
  db::UnitOfWork unit;
  int lfn = 0;
  for (const std::string& t : telegrams) {
    RcvSatz rcv;
    char moment[32];
    std::snprintf(moment, sizeof moment, "20261207%02d%02d%02d", lfn / 3600 % 24, lfn / 60 % 60, lfn % 60);
    rcv.RcvMdt = moment;
    rcv.RcvLfn = ++lfn;
    rcv.RcvDta = t;
    rcv.RcvEsb = "bench";
    Check(Rcv_PKeyIns(&rcv), "Rcv_PKeyIns");
  }
  Check(unit.commit().status, "commit");
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The floor: single-row inserts, each committed by itself.
double RawCommitRate(int rows) {
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < rows; ++k) {
    RcvSatz rcv;
    char moment[32];
    std::snprintf(moment, sizeof moment, "20261208%02d%02d%02d", k / 3600 % 24, k / 60 % 60, k % 60);
    rcv.RcvMdt = moment;
    rcv.RcvLfn = k + 1;
    rcv.RcvDta = "raw commit";
    rcv.RcvEsb = "bench";
    Check(Rcv_PKeyIns(&rcv), "Rcv_PKeyIns");
  }
  return rows / Seconds(start);
}

void EmptyTables() {
  for (const std::string& t : db::schema::allTableNames(db::Session::get().dialect()))
    db::Session::get().connection().executeScript("delete from " + t);
}

struct Options {
  std::vector<std::string> services;
  std::vector<int> backlogs{2000, 10000};
  GroupLimits groups;
  std::string board;  // the binary whose board runs beside a second drain
};

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--one-by-one") {
      o.groups.telegrams = 1;
    } else if (arg == "--board" && k + 1 < argc) {
      o.board = argv[++k];
    } else if (arg == "--backlogs" && k + 1 < argc) {
      o.backlogs.clear();
      std::stringstream list(argv[++k]);
      for (std::string n; std::getline(list, n, ',');) o.backlogs.push_back(std::atoi(n.c_str()));
    } else if (arg.rfind("--", 0) == 0) {
      return false;
    } else {
      o.services.push_back(arg);
    }
  }
  return !o.services.empty() && !o.backlogs.empty();
}

struct Drained {
  double rate = 0;
  double tripsPerTelegram = 0;
  int left = 0;
};

// Queues `wanted` telegrams and books them with one pass.
Drained DrainBacklog(int wanted, const GroupLimits& groups) {
  EmptyTables();
  std::vector<std::string> telegrams;
  long second = 0;
  for (int order = 0; static_cast<int>(telegrams.size()) < wanted; ++order)
    for (std::string& t : OrderRun(order, order % kWorkPlaces, order % kPersons, second))
      telegrams.push_back(std::move(t));
  telegrams.resize(static_cast<std::size_t>(wanted));
  LoadMasterData(wanted / 9 + 1);
  Queue(telegrams);

  db::Connection& conn = db::Session::get().connection();
  const std::uint64_t tripsBefore = conn.roundTrips();
  const auto start = std::chrono::steady_clock::now();
  Input_Buchung(groups);
  Drained d;
  d.rate = wanted / Seconds(start);
  d.tripsPerTelegram = static_cast<double>(conn.roundTrips() - tripsBefore) / wanted;
  d.left = Rcv_Count();
  return d;
}

// `board --every 1` of `binary` on `service`, started in a directory of its
// own, until it is destroyed; it has written its first page once started.
class BoardBeside {
 public:
  BoardBeside(const std::string& binary, const std::string& service) {
    dir_ = std::filesystem::temp_directory_path() / ("booking-bench-board-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_ / "Msg");
    plant::WorkerLogin login = plant::LoginOf(service);
    if (login.net8.rfind("sqlite:", 0) == 0)  // an absolute path may not fit into the value
      login.net8 = "sqlite:" + std::filesystem::relative(login.net8.substr(7), dir_).string();
    plant::WriteWorkerConfig((dir_ / "korvantis.ini").string(), login);
    const std::string page = (dir_ / "board.html").string();
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(dir_.c_str()) != 0) _exit(126);
      setenv("BDEMORVELT_IPC_DIR", dir_.c_str(), 1);
      execl(binary.c_str(), binary.c_str(), "--config", "korvantis.ini", "board", "--every", "1", "--out",
            page.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int i = 0; i < 300 && !std::filesystem::exists(page); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    started_ = std::filesystem::exists(page);
  }
  ~BoardBeside() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(dir_);
  }
  bool started() const { return started_; }

 private:
  std::filesystem::path dir_;
  pid_t pid_ = -1;
  bool started_ = false;
};

void PrintDrain(const char* label, int backlog, const Drained& d, double rawRate, bool server) {
  std::printf("  %-14s %6d: %8.0f telegrams/s, %5.2f per single-row commit", label, backlog, d.rate,
              d.rate / rawRate);
  if (server) std::printf(", %5.1f round trips per telegram", d.tripsPerTelegram);
  std::printf("%s\n", d.left ? " (some left in the queue!)" : "");
}

int Measure(const std::string& service, const Options& o) {
  std::string error;
  if (dbConnectWith("", "", service, true, &error) != 0 ||
      db::schema::create(db::Session::get().connection(), &error) != 0) {
    std::fprintf(stderr, "booking_bench: %s: %s\n", service.c_str(), error.c_str());
    return 1;
  }
  const bool server = db::Session::get().dialect() == db::Dialect::Postgres;
  std::printf("%s%s\n", server ? "PostgreSQL" : "SQLite",
              o.groups.telegrams > 1 ? "" : ", every telegram committed on its own");
  EmptyTables();
  const double rawRate = RawCommitRate(2000);
  std::printf("  single-row commits:   %8.0f rows/s (the floor)\n", rawRate);
  int failures = 0;
  for (int backlog : o.backlogs) {
    const Drained d = DrainBacklog(backlog, o.groups);
    PrintDrain("backlog", backlog, d, rawRate, server);
    failures += d.left != 0;
    if (o.board.empty()) continue;
    BoardBeside board(o.board, service);
    if (!board.started()) {
      std::fprintf(stderr, "booking_bench: the board of %s wrote no page\n", o.board.c_str());
      return failures + 1;
    }
    const Drained b = DrainBacklog(backlog, o.groups);
    PrintDrain("with the board", backlog, b, rawRate, server);
    failures += b.left != 0;
  }
  EmptyTables();
  db::Session::get().disconnect();
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: booking_bench SERVICE... [--backlogs N,N...] [--one-by-one] [--board BINARY]\n");
    return 2;
  }
  int failures = 0;
  for (const std::string& service : options.services) failures += Measure(service, options);
  return failures ? 1 : 0;
}
