// Bitmap files are checked before anything is made from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "BitmapFile.h"

namespace {

void Put(std::vector<uint8_t>& b, std::size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A well-formed file: width x height at depth, palette of 2^depth entries.
std::vector<uint8_t> MakeFile(int width, int height, int depth) {
  const std::size_t table = depth <= 8 ? 4u << depth : 0;
  const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
  const std::size_t offset = 14 + 40 + table;
  std::vector<uint8_t> b(offset + stride * static_cast<std::size_t>(height < 0 ? -height : height));
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(b.size()), 4);
  Put(b, 10, static_cast<uint32_t>(offset), 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<uint32_t>(width), 4);
  Put(b, 22, static_cast<uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<uint32_t>(depth), 2);
  return b;
}

bool Parses(const std::vector<uint8_t>& bytes) {
  BitmapFileLayout layout{};
  return ParseBitmapFile(bytes.data(), bytes.size(), layout);
}

TEST(BitmapFile, WellFormedFilesParse) {
  for (int depth : {1, 4, 8, 24, 32}) {
    const std::vector<uint8_t> file = MakeFile(112, 11, depth);
    BitmapFileLayout layout{};
    ASSERT_TRUE(ParseBitmapFile(file.data(), file.size(), layout)) << depth;
    EXPECT_EQ(layout.width, 112);
    EXPECT_EQ(layout.height, 11);
    EXPECT_EQ(layout.depth, depth);
    EXPECT_EQ(layout.bitsOffset + layout.bitsSize, file.size());
  }
  EXPECT_TRUE(Parses(MakeFile(16, -7, 1)));  // rows from the top
}

TEST(BitmapFile, BrokenFilesAreRefused) {
  const std::vector<uint8_t> good = MakeFile(112, 11, 24);
  EXPECT_FALSE(Parses({}));
  std::vector<uint8_t> truncated(good.begin(), good.end() - 1);
  EXPECT_FALSE(Parses(truncated));
  EXPECT_FALSE(Parses(std::vector<uint8_t>(good.begin(), good.begin() + 30)));

  struct Damage {
    std::size_t at;
    uint32_t value;
    int bytes;
  };
  const Damage damages[] = {
      {0, 'X', 1},           // not "BM"
      {14, 12, 4},           // an old core header
      {18, 0, 4},            // no width
      {22, 0, 4},            // no height
      {26, 2, 2},            // two planes
      {28, 7, 2},            // no such depth
      {30, 1, 4},            // run-length compressed
      {10, 20, 4},           // rows inside the header
      {10, 0xFFFFFFF0u, 4},  // rows past the end
      {22, 0x7FFFFFFFu, 4},  // absurdly tall
      {18, 0x80000000u, 4},  // negative width
  };
  for (const Damage& d : damages) {
    std::vector<uint8_t> bad = good;
    Put(bad, d.at, d.value, d.bytes);
    EXPECT_FALSE(Parses(bad)) << "byte " << d.at;
  }
  std::vector<uint8_t> palette = MakeFile(16, 1, 1);
  Put(palette, 46, 3, 4);  // three colours at one bit per pixel
  EXPECT_FALSE(Parses(palette));
}

}  // namespace
