#include <cstdio>

#include "app/commands.h"

int RunReport(const Options&) {
  std::fprintf(stderr, "bdemorvelt report: not available yet\n");
  return 1;
}
