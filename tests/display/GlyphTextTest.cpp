// Glyph maps and the texts that name glyph fonts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontSource.h"
#include "GlyphMap.h"

namespace {

std::vector<int> Cells(const std::string& text) {
  std::vector<int> cells;
  for (unsigned char byte : text) cells.push_back(DefaultGlyphMap()[byte]);
  return cells;
}

TEST(GlyphMap, TimeTextsSelectTheirCells) {
  EXPECT_EQ(Cells("12:34:56 PM"), (std::vector<int>{2, 3, 11, 4, 5, 11, 6, 7, 0, 15, 14}));
  EXPECT_EQ(Cells("am"), Cells("AM"));
  EXPECT_EQ(Cells("-0 9"), (std::vector<int>{12, 1, 0, 10}));
  EXPECT_EQ(Cells("x.\xA0\xFF"), (std::vector<int>{0, 0, 0, 0}));
}

TEST(GlyphMap, EveryByteMapsInsideTheStrip) {
  for (int byte = 0; byte < 256; ++byte) EXPECT_LT(DefaultGlyphMap()[byte], kGlyphCellCount);
}

TEST(FontSource, SourceTexts) {
  EXPECT_EQ(ResourceSourceText(1300), "RESOURCE|0x00000514");
  EXPECT_EQ(ResourceSourceText(1405), "RESOURCE|0x0000057d");
  EXPECT_EQ(FileSourceText("digits\\Big.bmp"), "FILE|digits\\Big.bmp");
}

TEST(FontSource, NameFromPath) {
  EXPECT_EQ(NameFromPath("digits\\Big Clock.bmp"), "Big Clock");
  EXPECT_EQ(NameFromPath("Big.bmp"), "Big.bmp");
  EXPECT_EQ(NameFromPath("C:\\a.b\\c"), "c");
  EXPECT_EQ(NameFromPath("digits\\.bmp"), "");
  // Only the first 1023 characters count: the backslash past them does not.
  EXPECT_EQ(NameFromPath(std::string(1023, 'x') + "\\name.bmp"), std::string(1023, 'x'));
}

}  // namespace
