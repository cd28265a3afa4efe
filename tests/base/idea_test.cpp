#include "base/idea.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const idea::Key kCountingKey = {1, 2, 3, 4, 5, 6, 7, 8};

TEST(Idea, KeyScheduleStartsWithTheKeyAndRotatesBy25Bits) {
  idea::Subkeys k = idea::encryptionSubkeys(kCountingKey);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(k[i], kCountingKey[i]);
  const std::uint16_t rotated[8] = {0x0400, 0x0600, 0x0800, 0x0a00,
                                    0x0c00, 0x0e00, 0x1000, 0x0200};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(k[8 + i], rotated[i]) << i;
}

TEST(Idea, PublishedKnownAnswer) {
  idea::Subkeys enc = idea::encryptionSubkeys(kCountingKey);
  idea::Block cipher = idea::crypt({0x0000, 0x0001, 0x0002, 0x0003}, enc);
  EXPECT_EQ(cipher, (idea::Block{0x11FB, 0xED2B, 0x0198, 0x6DE5}));
}

TEST(Idea, DecryptionUndoesThePublishedVector) {
  idea::Subkeys dec = idea::decryptionSubkeys(idea::encryptionSubkeys(kCountingKey));
  idea::Block plain = idea::crypt({0x11FB, 0xED2B, 0x0198, 0x6DE5}, dec);
  EXPECT_EQ(plain, (idea::Block{0x0000, 0x0001, 0x0002, 0x0003}));
}

TEST(Idea, RoundTripOverManyKeysAndBlocks) {
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::uint16_t>(seed >> 16);
  };
  for (int trial = 0; trial < 200; ++trial) {
    idea::Key key;
    for (auto& w : key) w = trial % 7 == 0 ? 0 : next();  // all-zero keys too
    idea::Block block;
    for (auto& w : block) w = trial % 5 == 0 ? 0xFFFF : next();
    idea::Subkeys enc = idea::encryptionSubkeys(key);
    idea::Subkeys dec = idea::decryptionSubkeys(enc);
    EXPECT_EQ(idea::crypt(idea::crypt(block, enc), dec), block) << trial;
  }
}

TEST(Idea, ZeroWordsAndExtremeWordsSurvive) {
  // Word 0 stands for 2^16 in the multiplications; it must round-trip too.
  idea::Key key = {0, 0, 0, 0, 0, 0, 0, 0};
  idea::Subkeys enc = idea::encryptionSubkeys(key);
  idea::Subkeys dec = idea::decryptionSubkeys(enc);
  for (idea::Block block : {idea::Block{0, 0, 0, 0}, idea::Block{0xFFFF, 0, 1, 0x8000}}) {
    EXPECT_EQ(idea::crypt(idea::crypt(block, enc), dec), block);
  }
}

}  // namespace
