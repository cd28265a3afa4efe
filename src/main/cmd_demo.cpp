#include <cstdio>

#include "main/commands.h"

int RunDemo(const Options&) {
  std::fprintf(stderr, "bdemorvelt: demo is not available yet\n");
  return 1;
}
