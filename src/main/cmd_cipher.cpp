#include <cstdio>
#include <string>

#include "main/commands.h"
#include "main/config.h"

int RunEncipher(const Options& options) {
  if (options.args.size() != 1) {
    std::fprintf(stderr, "usage: bdemorvelt encipher TEXT\n");
    return 2;
  }
  std::printf("%s\n", Wert_Verschluesseln(options.args[0], kIniKey).c_str());
  return 0;
}

int RunDecipher(const Options& options) {
  if (options.args.size() != 1) {
    std::fprintf(stderr, "usage: bdemorvelt decipher DIGITS\n");
    return 2;
  }
  const std::string& digits = options.args[0];
  for (char c : digits) {
    if (c < '0' || c > '9') {
      std::fprintf(stderr, "bdemorvelt: an enciphered value consists of digits only\n");
      return 1;
    }
  }
  std::string plain;
  Wert_Entschluesseln(digits, plain, kIniKey, 0);
  std::printf("%s\n", plain.c_str());
  return 0;
}
