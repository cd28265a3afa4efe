#include "app/options.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDefaultStopWait = 120;
constexpr int kLongestInterval = 86400;  // board: --every and --stale at most a day's worth

bool isNumber(const std::string& text) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int k = 1; k < argc; ++k) {
    std::string a = argv[k];
    if (a == "--once") {
      o.once = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--config" || a == "--log") {
      if (k + 1 >= argc) {
        o.error = a + " needs a file name";
        break;
      }
      (a == "--config" ? o.configFile : o.logFile) = argv[++k];
    } else if (a == "--full-day" && o.command == "report") {
      o.fullDay = true;
    } else if (a == "--json" && o.command == "status") {
      o.json = true;
    } else if (a == "--wait" && o.command == "stop") {
      o.waitSeconds = kDefaultStopWait;
      if (k + 1 < argc && isNumber(argv[k + 1])) o.waitSeconds = std::atoi(argv[++k]);
    } else if ((a == "--every" || a == "--stale") && o.command == "board") {
      const bool every = a == "--every";
      if (k + 1 >= argc || !isNumber(argv[k + 1]) || std::atoi(argv[k + 1]) < 1 ||
          std::atoi(argv[k + 1]) > kLongestInterval) {
        o.error = a + (every ? " needs a number of seconds" : " needs a number of minutes") + " (1 to 86400)";
        break;
      }
      (every ? o.everySeconds : o.staleMinutes) = std::atoi(argv[++k]);
    } else if ((a == "--calendar" || a == "--day-types" || a == "--out") && o.command != "encipher") {
      if (k + 1 >= argc) {
        o.error = a + " needs a value";
        break;
      }
      const bool fits = a == "--out" ? o.command == "report" || o.command == "board" : o.command == "calendar";
      if (!fits) {
        o.error = a + " goes with " + (a == "--out" ? "report or board" : "calendar");
        break;
      }
      (a == "--calendar" ? o.calendarNumbers : a == "--day-types" ? o.dayTypes : o.outFile) = argv[++k];
    } else if (a.rfind("--", 0) == 0 && o.command != "encipher") {
      // Only the text to encipher may look like an option (a password may).
      o.error = "unknown option " + a;
      break;
    } else if (o.command.empty()) {
      o.command = a;
    } else {
      o.args.push_back(a);
    }
  }
  static const char* kCommands[] = {"initdb",   "feed", "stop",     "status", "encipher",
                                    "decipher", "demo", "calendar", "report", "board"};
  if (o.error.empty() && !o.command.empty()) {
    bool known = false;
    for (const char* c : kCommands) known = known || o.command == c;
    if (!known) o.error = "unknown command " + o.command;
  }
  // A stray word after a command that takes none is a mistake, not a
  // wish to be ignored.
  if (o.error.empty() && (o.command == "initdb" || o.command == "stop" || o.command == "status") &&
      !o.args.empty())
    o.error = o.command + " takes no arguments";
  return o;
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
      "usage: bdemorvelt [--once] [--config FILE] [--log FILE]\n"
      "       bdemorvelt [--config FILE] COMMAND [ARGS]\n"
      "\n"
      "Without a command, runs the booking worker until it is stopped\n"
      "(--once: one pass of the main loop, then stop).\n"
      "\n"
      "commands:\n"
      "  initdb            create the missing tables and indexes of the configured database\n"
      "  feed [FILE]       queue every line of FILE (or standard input) as a telegram\n"
      "  stop [--wait [SECONDS]]\n"
      "                    ask the running worker to stop; exit 1 when none runs, 4 when this\n"
      "                    user may not; --wait: until it has ended (exit 5 after SECONDS, 120)\n"
      "  status [--json]   worker, database, lease, queue and notes; exit 0 this machine's\n"
      "                    worker books, 1 no worker, 2 database not reachable, 3 standby\n"
      "  encipher TEXT     print TEXT enciphered for the configuration file\n"
      "  decipher DIGITS   print the plain text of an enciphered value\n"
      "  demo [DIR]        run a sample shop floor on an embedded database in DIR (default ./demo)\n"
      "  calendar FROM TO [--calendar NUM] [--day-types T1,..,T7]\n"
      "                    fill the shared calendar for the days FROM..TO (yyyymmdd); default\n"
      "                    calendars: those the shift assignments name\n"
      "  report [DAY] [--out FILE] [--full-day]\n"
      "  report FROM TO --out DIR [--full-day]\n"
      "                    write the HTML report of DAY (yyyymmdd, default today), or a page\n"
      "                    per day FROM..TO and index.html into DIR; --out - to standard output\n"
      "  board [--out FILE] [--every SECONDS] [--stale MINUTES]\n"
      "                    write the live board of the shop floor (default board.html); --every:\n"
      "                    rewrite it at that interval until stopped; --stale: mark work places\n"
      "                    unchanged for longer (default 30)\n"
      "\n"
      "options:\n"
      "  --config FILE     configuration file (default ../../../../files/korvantis.ini)\n"
      "  --log FILE        message log (default ./Msg/BdeMorvelt.txt)\n"
      "  --once            one pass of the main loop without sleeping\n"
      "  --help            this text\n"
      "  --version         the version of bdemorvelt\n");
}
