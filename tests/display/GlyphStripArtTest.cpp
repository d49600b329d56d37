// The built-in glyph strips as committed: sizes, colour kinds, shapes that
// differ cell by cell, exact inverses, and the fallback strip's data.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FallbackStrip.h"

namespace {

// A bitmap file's pixels as 0x00RRGGBB, rows from the top.
struct Picture {
  int width = 0;
  int height = 0;
  int depth = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

uint32_t Little(const std::vector<uint8_t>& b, std::size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | b[at + i];
  return value;
}

Picture ReadBitmapFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
  Picture picture;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return picture;
  const uint32_t offset = Little(b, 10, 4);
  picture.width = static_cast<int>(Little(b, 18, 4));
  const int rawHeight = static_cast<int>(Little(b, 22, 4));
  picture.depth = static_cast<int>(Little(b, 28, 2));
  picture.height = rawHeight < 0 ? -rawHeight : rawHeight;
  const std::size_t palette = 14 + Little(b, 14, 4);
  const std::size_t stride =
      (static_cast<std::size_t>(picture.width) * picture.depth + 31) / 32 * 4;
  if (b.size() < offset + stride * picture.height) return Picture();
  for (int y = 0; y < picture.height; ++y) {
    const std::size_t row = offset + stride * (rawHeight > 0 ? picture.height - 1 - y : y);
    for (int x = 0; x < picture.width; ++x) {
      if (picture.depth == 24) {
        picture.pixels.push_back(Little(b, row + 3 * x, 3));
        continue;
      }
      const std::size_t bit = static_cast<std::size_t>(x) * picture.depth;
      const int index =
          (b[row + bit / 8] >> (8 - picture.depth - bit % 8)) & ((1 << picture.depth) - 1);
      picture.pixels.push_back(Little(b, palette + 4 * index, 3));
    }
  }
  return picture;
}

struct StripSpec {
  int resourceId;
  const char* file;
  int cellWidth;
  int cellHeight;
  int depth;  // 24 or 8 own colours, 4 sixteen colours, 1 mask
};

const StripSpec kStrips[] = {
    {1300, "1300_lcd_7x11.bmp", 7, 11, 24},
    {1301, "1301_led_green_7x11.bmp", 7, 11, 24},
    {1302, "1302_led_amber_7x11.bmp", 7, 11, 24},
    {1303, "1303_liquid_crystal_10x16.bmp", 10, 16, 24},
    {1304, "1304_bold_blue_7x11.bmp", 7, 11, 24},
    {1305, "1305_led_red_6x11.bmp", 6, 11, 24},
    {1306, "1306_quite_large_14x22.bmp", 14, 22, 24},
    {1307, "1307_confetti_7x11.bmp", 7, 11, 24},
    {1308, "1308_mono_5x7.bmp", 5, 7, 1},
    {1309, "1309_mono_5x7_r.bmp", 5, 7, 1},
    {1310, "1310_mono_7x11.bmp", 7, 11, 1},
    {1311, "1311_mono_7x11_r.bmp", 7, 11, 1},
    {1400, "1400_lcd_7x11_16.bmp", 7, 11, 4},
    {1401, "1401_bold_blue_7x11_16.bmp", 7, 11, 4},
    {1402, "1402_led_green_7x11_16.bmp", 7, 11, 4},
    {1403, "1403_led_glo_7x11.bmp", 7, 11, 8},
    {1404, "1404_liquid_crystal_10x16_16.bmp", 10, 16, 4},
    {1405, "1405_led_red_7x11_16.bmp", 7, 11, 4},
};

Picture Load(const char* file) { return ReadBitmapFile(std::string(VORLIX_GLYPH_DIR "/") + file); }

std::vector<uint32_t> Cell(const Picture& strip, int cellWidth, int cell) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < strip.height; ++y) {
    for (int x = 0; x < cellWidth; ++x) pixels.push_back(strip.At(cell * cellWidth + x, y));
  }
  return pixels;
}

class GlyphStripArt : public testing::TestWithParam<StripSpec> {};

TEST_P(GlyphStripArt, SixteenDistinctCellsAfterAPlainBlank) {
  const StripSpec& spec = GetParam();
  const Picture strip = Load(spec.file);
  ASSERT_EQ(strip.width, 16 * spec.cellWidth);
  ASSERT_EQ(strip.height, spec.cellHeight);
  EXPECT_EQ(strip.depth, spec.depth);

  const std::vector<uint32_t> blank = Cell(strip, spec.cellWidth, 0);
  for (uint32_t pixel : blank) EXPECT_EQ(pixel, blank[0]) << "the blank cell is one colour";
  for (int a = 0; a < 16; ++a) {
    for (int b = a + 1; b < 16; ++b) {
      EXPECT_NE(Cell(strip, spec.cellWidth, a), Cell(strip, spec.cellWidth, b))
          << "cells " << a << " and " << b;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, GlyphStripArt, testing::ValuesIn(kStrips),
                         [](const testing::TestParamInfo<StripSpec>& strip) {
                           return std::to_string(strip.param.resourceId);
                         });

TEST(GlyphStripArt, InverseMasksAreExactInverses) {
  const std::pair<const char*, const char*> pairs[] = {
      {"1308_mono_5x7.bmp", "1309_mono_5x7_r.bmp"}, {"1310_mono_7x11.bmp", "1311_mono_7x11_r.bmp"}};
  for (const auto& pair : pairs) {
    const Picture plain = Load(pair.first);
    const Picture inverse = Load(pair.second);
    ASSERT_EQ(plain.pixels.size(), inverse.pixels.size());
    for (std::size_t i = 0; i < plain.pixels.size(); ++i) {
      ASSERT_EQ(plain.pixels[i] ^ 0xFFFFFFu, inverse.pixels[i]) << pair.second << " pixel " << i;
    }
  }
}

TEST(GlyphStripArt, FallbackStripIsTheSevenByElevenMask) {
  const Picture mono = Load("1310_mono_7x11.bmp");
  ASSERT_EQ(mono.width, kFallbackStripWidth);
  ASSERT_EQ(mono.height, kFallbackStripHeight);
  for (int y = 0; y < kFallbackStripHeight; ++y) {
    for (int x = 0; x < kFallbackStripWidth; ++x) {
      const bool light = (kFallbackStripBits[y * kFallbackStripStride + x / 8] >> (7 - x % 8)) & 1;
      ASSERT_EQ(light, mono.At(x, y) == 0xFFFFFFu) << x << "," << y;
    }
  }
}

}  // namespace
