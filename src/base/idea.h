// IDEA block cipher (64-bit blocks of four 16-bit words, 128-bit key of
// eight 16-bit words, 8 rounds and an output transform). The configuration
// file keeps its values enciphered with it; this is the only user.
#pragma once

#include <array>
#include <cstdint>

namespace idea {

using Block = std::array<std::uint16_t, 4>;
using Key = std::array<std::uint16_t, 8>;
// Six subkeys for each of the 8 rounds and four for the output transform.
using Subkeys = std::array<std::uint16_t, 52>;

// The standard key schedule: the key's 128 bits, rotated left by 25 bits
// after every eight subkeys taken.
Subkeys encryptionSubkeys(const Key& key);

// The subkeys that undo encryption with `encryption` when fed to crypt().
Subkeys decryptionSubkeys(const Subkeys& encryption);

// One block through the cipher; encrypts or decrypts depending on the
// subkeys given.
Block crypt(const Block& in, const Subkeys& subkeys);

}  // namespace idea
