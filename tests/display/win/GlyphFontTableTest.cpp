// The glyph-font table: built-in fonts of both colour categories, the
// "digits" folder with good and bad files, and the look-ups by id and source.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "GlyphFontTable.h"
#include "GuiObjects.h"
#include "StripBitmaps.h"
#include "StripFiles.h"

namespace {

struct BuiltIn {
  const char* name;
  int cellWidth;
  int cellHeight;
  bool mask;
};

const BuiltIn kFonts[] = {
    {"7x11 LCD", 7, 11, false},        {"LED, Green", 7, 11, false}, {"LED, Amber", 7, 11, false},
    {"Liquid Crystal", 10, 16, false}, {"Bold Blue", 7, 11, false},  {"LED, Red", 6, 11, false},
    {"Quite Large", 14, 22, false},    {"Confetti", 7, 11, false},   {"5x7 Mono", 5, 7, true},
    {"5x7 Mono R", 5, 7, true},        {"7x11 Mono", 7, 11, true},   {"7x11 Mono R", 7, 11, true},
};

const BuiltIn kLowColourFonts[] = {
    {"7x11 LCD", 7, 11, false}, {"Bold Blue", 7, 11, false},       {"LED, Green", 7, 11, false},
    {"LED, Glo", 7, 11, false}, {"Liquid Crystal", 10, 16, false}, {"LED, Red", 7, 11, false},
};

template <std::size_t N>
void ExpectBuiltIns(const CGlyphFontTable& table, const BuiltIn (&fonts)[N], int base) {
  ASSERT_GE(table.Count(), static_cast<int>(N));
  for (int i = 0; i < static_cast<int>(N); ++i) {
    int id = -2;
    const CGlyphFont* font = table.GetFontAt(i, &id);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(id, i);
    EXPECT_EQ(font->GetName(), fonts[i].name);
    EXPECT_EQ(font->GetResourceId(), base + i);
    const SIZE size = BitmapSize(font->GetStrip());
    EXPECT_EQ(size.cx, 16 * fonts[i].cellWidth) << fonts[i].name;
    EXPECT_EQ(size.cy, fonts[i].cellHeight) << fonts[i].name;
    EXPECT_EQ(IsMaskStrip(font->GetStrip()), fonts[i].mask) << fonts[i].name;
  }
}

class DigitsFolder : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = CGlyphFontTable::ProgramFolder() + "digits\\";
    CreateDirectoryA(m_folder.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::string& name : m_made) {
      DeleteFileA((m_folder + name).c_str());
      RemoveDirectoryA((m_folder + name).c_str());
    }
    RemoveDirectoryA(m_folder.c_str());
  }
  void Make(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFileBytes(m_folder + name, bytes);
    m_made.push_back(name);
  }

  std::string m_folder;
  std::vector<std::string> m_made;
};

TEST(GlyphFontTable, BuiltInFontsOfEitherColourCategory) {
  const int bitmaps = LiveGuiObjects(GuiKind::Bitmap);
  {
    CGlyphFontTable table;
    table.RebuildFontTable(false);
    ExpectBuiltIns(table, kFonts, 1300);
    EXPECT_EQ(table.GetFontSource(0), "RESOURCE|0x00000514");
    EXPECT_EQ(table.GetFontSource(11), "RESOURCE|0x0000051f");
    EXPECT_EQ(table.GetFontSource(12), "");

    table.RebuildFontTable(true);
    EXPECT_EQ(table.Count(), 6);
    ExpectBuiltIns(table, kLowColourFonts, 1400);
    int id = -2;
    // A font of the other category is not found: the first font stands in.
    EXPECT_EQ(table.FindFontBySource("RESOURCE|0x00000514", &id), table.GetFontAt(0));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(table.FindFontBySource("RESOURCE|0x0000057b", &id), table.GetFontAt(3));
    EXPECT_EQ(id, 3);
    EXPECT_EQ(table.GetFontAt(6, &id), nullptr);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(table.GetFontAt(-1, &id), nullptr);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Bitmap), bitmaps);
}

TEST(GlyphFontTable, RebuildingForTheSameCategoryChangesNothing) {
  CGlyphFontTable table;
  table.RebuildFontTable(false);
  const CGlyphFont* first = table.GetFontAt(0);
  table.RebuildFontTable(false);
  EXPECT_EQ(table.GetFontAt(0), first);
}

TEST(GlyphFontTable, WithoutNamesTheTableIsEmpty) {
  // The zone library has no glyph fonts among its resources.
  const HMODULE library = LoadLibraryExA("Tzbase.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(library, nullptr);
  {
    CGlyphFontTable table(library);
    table.RebuildFontTable(false);
    EXPECT_EQ(table.Count(), 0);
    int id = 7;
    EXPECT_EQ(table.FindFontBySource("RESOURCE|0x00000514", &id), nullptr);
    EXPECT_EQ(id, -1);
  }
  FreeLibrary(library);
}

TEST_F(DigitsFolder, EveryBitmapFileIsAFontAndBadOnesShowTheFallback) {
  Make("Big Clock.bmp", MakeStripFile(9, 15));
  std::vector<uint8_t> truncated = MakeStripFile(9, 15);
  truncated.resize(truncated.size() / 2);
  Make("Truncated.bmp", truncated);
  Make("Empty.bmp", {});
  Make("Text.bmp", std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'});
  std::vector<uint8_t> thin = MakeStripFile(1, 11);
  thin[18] = 1;  // one pixel wide: no whole cell
  Make("Thin.bmp", thin);
  Make("Notes.txt", {'x'});
  CreateDirectoryA((m_folder + "Folder.bmp").c_str(), nullptr);
  m_made.push_back("Folder.bmp");

  CGlyphFontTable table;
  table.RebuildFontTable(false);
  ASSERT_EQ(table.Count(), 12 + 5);
  int fallbacks = 0;
  for (int position = 12; position < table.Count(); ++position) {
    int id = 0;
    const CGlyphFont* font = table.GetFontAt(position, &id);
    EXPECT_EQ(id, 4096 + position - 12);
    EXPECT_EQ(font->GetSourceText(), "FILE|digits\\" + font->GetName() + ".bmp");
    const SIZE size = BitmapSize(font->GetStrip());
    if (font->GetName() == "Big Clock") {
      EXPECT_EQ(size.cx, 144);
      EXPECT_EQ(size.cy, 15);
      EXPECT_EQ(PixelOf(font->GetStrip(), 9 * 13 + 4, 7), CellColour(13));
    } else {
      EXPECT_EQ(size.cx, 112) << font->GetName();
      EXPECT_EQ(size.cy, 11) << font->GetName();
      EXPECT_TRUE(IsMaskStrip(font->GetStrip()));
      ++fallbacks;
    }
  }
  EXPECT_EQ(fallbacks, 4);
  int id = 0;
  const CGlyphFont* big = table.FindFontBySource("FILE|digits\\Big Clock.bmp", &id);
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(big->GetName(), "Big Clock");
  EXPECT_EQ(table.FindFontById(id), big);

  table.RemoveFileFonts();
  EXPECT_EQ(table.Count(), 12);
  EXPECT_EQ(table.FindFontById(4096), nullptr);
  EXPECT_NE(table.FindFontById(11), nullptr);
}

TEST(GlyphFontTable, LowColourScreensGetNoFileFonts) {
  // The folder is only scanned for screens of 16 bits per pixel or more.
  CGlyphFontTable table;
  table.RebuildFontTable(true);
  EXPECT_EQ(table.FindFontById(4096), nullptr);
}

TEST(GlyphFontTable, AnIdAddedAgainPointsAtTheNewFont) {
  CGlyphFontTable table;
  table.AddResourceFont(0, 1300);
  table.AddResourceFont(0, 1301);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(table.FindFontById(0)->GetName(), "LED, Green");
}

}  // namespace
