#include "base/idea.h"

namespace idea {
namespace {

constexpr std::uint32_t kModulus = 0x10001;  // 2^16 + 1, a prime

// Multiplication modulo 2^16 + 1, where the word 0 stands for 2^16.
std::uint16_t mul(std::uint16_t a, std::uint16_t b) {
  std::uint32_t x = a ? a : 0x10000u;
  std::uint32_t y = b ? b : 0x10000u;
  std::uint64_t product = static_cast<std::uint64_t>(x) * y % kModulus;
  return static_cast<std::uint16_t>(product);  // 2^16 wraps to 0 as intended
}

// Inverse under mul(): x^(p-2) mod p. 0 (that is 2^16 = -1) is its own inverse.
std::uint16_t mulInverse(std::uint16_t a) {
  std::uint64_t base = a ? a : 0x10000u;
  std::uint64_t result = 1;
  for (std::uint32_t e = kModulus - 2; e; e >>= 1) {
    if (e & 1) result = result * base % kModulus;
    base = base * base % kModulus;
  }
  return static_cast<std::uint16_t>(result);
}

std::uint16_t addInverse(std::uint16_t a) {
  return static_cast<std::uint16_t>(0x10000u - a);
}

}  // namespace

Subkeys encryptionSubkeys(const Key& key) {
  // The key as a 128-bit number, word 0 most significant.
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  for (int i = 0; i < 4; ++i) high = (high << 16) | key[i];
  for (int i = 4; i < 8; ++i) low = (low << 16) | key[i];

  Subkeys k{};
  for (std::size_t taken = 0; taken < k.size();) {
    for (int i = 0; i < 8 && taken < k.size(); ++i, ++taken) {
      std::uint64_t half = i < 4 ? high : low;
      k[taken] = static_cast<std::uint16_t>(half >> (16 * (3 - i % 4)));
    }
    std::uint64_t rotatedHigh = (high << 25) | (low >> 39);
    std::uint64_t rotatedLow = (low << 25) | (high >> 39);
    high = rotatedHigh;
    low = rotatedLow;
  }
  return k;
}

Subkeys decryptionSubkeys(const Subkeys& e) {
  Subkeys d{};
  // Round r of decryption undoes round 8-r of encryption; the additive keys
  // of the inner rounds swap places because of the swap of the middle words.
  for (int r = 0; r <= 8; ++r) {
    const std::size_t from = static_cast<std::size_t>(48 - 6 * r);
    const std::size_t to = static_cast<std::size_t>(6 * r);
    const bool outer = r == 0 || r == 8;
    d[to] = mulInverse(e[from]);
    d[to + 1] = addInverse(e[from + (outer ? 1 : 2)]);
    d[to + 2] = addInverse(e[from + (outer ? 2 : 1)]);
    d[to + 3] = mulInverse(e[from + 3]);
    if (r < 8) {
      d[to + 4] = e[from - 2];
      d[to + 5] = e[from - 1];
    }
  }
  return d;
}

Block crypt(const Block& in, const Subkeys& k) {
  std::uint16_t x1 = in[0], x2 = in[1], x3 = in[2], x4 = in[3];
  for (std::size_t r = 0; r < 8; ++r) {
    const std::uint16_t* rk = &k[6 * r];
    x1 = mul(x1, rk[0]);
    x2 = static_cast<std::uint16_t>(x2 + rk[1]);
    x3 = static_cast<std::uint16_t>(x3 + rk[2]);
    x4 = mul(x4, rk[3]);
    std::uint16_t t0 = mul(rk[4], x1 ^ x3);
    std::uint16_t t1 = mul(rk[5], static_cast<std::uint16_t>(t0 + (x2 ^ x4)));
    t0 = static_cast<std::uint16_t>(t0 + t1);
    x1 ^= t1;
    x4 ^= t0;
    std::uint16_t middle = x2 ^ t0;
    x2 = x3 ^ t1;
    x3 = middle;
  }
  // The output transform works on the words as they were before the last
  // round's swap.
  return Block{mul(x1, k[48]), static_cast<std::uint16_t>(x3 + k[49]),
               static_cast<std::uint16_t>(x2 + k[50]), mul(x4, k[51])};
}

}  // namespace idea
