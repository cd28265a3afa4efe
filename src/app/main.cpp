#include <cstdio>

#include "app/commands.h"
#include "app/options.h"
#include "app/worker.h"

int main(int argc, char** argv) {
  Options o = ParseOptions(argc, argv);
  if (!o.error.empty()) {
    std::fprintf(stderr, "bdemorvelt: %s\n", o.error.c_str());
    PrintUsage(stderr);
    return 2;
  }
  if (o.help) {
    PrintUsage();
    return 0;
  }
  if (o.version) {
    std::printf("bdemorvelt %s\n", BDE_VERSION);
    return 0;
  }
  if (o.command.empty()) return RunWorker(o);
  if (o.command == "initdb") return RunInitdb(o);
  if (o.command == "feed") return RunFeed(o);
  if (o.command == "stop") return RunStop(o);
  if (o.command == "status") return RunStatus(o);
  if (o.command == "encipher") return RunEncipher(o);
  if (o.command == "decipher") return RunDecipher(o);
  if (o.command == "calendar") return RunCalendar(o);
  if (o.command == "report") return RunReport(o);
  if (o.command == "board") return RunBoard(o);
  return RunDemo(o);
}
