#include <cstdio>
#include <string>

#include "app/commands.h"
#include "base/config.h"

int RunEncipher(const Options& options) {
  if (options.args.size() != 1) {
    std::fprintf(stderr, "usage: bdemorvelt encipher TEXT\n");
    return 2;
  }
  const std::string& plain = options.args[0];
  // The worker keeps only this many characters of a deciphered value; a
  // longer one would come back cut and fail the login for no visible reason.
  if (plain.size() > kIniValueLimit) {
    std::fprintf(stderr, "bdemorvelt: a configuration value holds at most %zu characters, this one has %zu\n",
                 kIniValueLimit, plain.size());
    return 1;
  }
  std::printf("%s\n", Wert_Verschluesseln(plain, kIniKey).c_str());
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
  if (Wert_Entschluesseln(digits, plain, kIniKey, 0) != 0) {
    std::fprintf(stderr, "bdemorvelt: not an enciphered value (a five-digit group above 65535)\n");
    return 1;
  }
  std::printf("%s\n", plain.c_str());
  return 0;
}
