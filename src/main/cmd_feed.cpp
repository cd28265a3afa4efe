#include <cstdio>

#include "main/commands.h"

int RunFeed(const Options&) {
  std::fprintf(stderr, "bdemorvelt: feed is not available yet\n");
  return 1;
}
