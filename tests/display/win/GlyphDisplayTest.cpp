// Glyph strips drawn cell by cell, and the digital display that shows its
// window text with them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "GlyphDisplay.h"
#include "GlyphStrip.h"
#include "GuiObjects.h"
#include "StripBitmaps.h"
#include "StripFiles.h"
#include "TestHost.h"

namespace {

constexpr int kCell = 3;  // test strips: 3 x 2 cells of one colour each

const std::vector<int> kTimeCells = {2, 3, 11, 4, 5, 11, 6, 7, 0, 15, 14};

TEST(GlyphStrip, DrawsTheCellOfEachByte) {
  BitmapHandle strip = MakeStripBitmap(kCell, 2);
  WindowDc screen(nullptr);
  BitmapHandle target(CreateCompatibleBitmap(screen.get(), 100, 4));
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  SelectScope keep(dc.get(), target.get());

  CGlyphStrip glyphs;
  glyphs.SetStrip(strip.get());
  EXPECT_EQ(glyphs.CellWidth(), kCell);
  EXPECT_EQ(glyphs.CellHeight(), 2);
  GlyphMap map = DefaultGlyphMap();
  map[0xE9] = 9;  // a byte above 127 draws the cell its map entry names
  glyphs.SetMap(map);
  glyphs.DrawGlyphs(dc.get(), "12:34:56 PMx.\xE9\xFF", 0, 1);

  std::vector<int> expected = kTimeCells;
  expected.insert(expected.end(), {0, 0, 9, 0});
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(GetPixel(dc.get(), static_cast<int>(i) * kCell + 1, 2), CellColour(expected[i]))
        << "character " << i;
  }
}

class GlyphDisplayTest : public testing::Test {
 protected:
  CTestHost host;
  CGlyphDisplay display;

  void Make() {
    ASSERT_TRUE(display.Create(WS_CHILD | WS_VISIBLE, RECT{10, 10, 50, 30}, host.m_hWnd, 7));
  }
  void ExpectTimeCells() {
    for (std::size_t i = 0; i < kTimeCells.size(); ++i) {
      EXPECT_EQ(WindowPixel(display.m_hWnd, 2 + static_cast<int>(i) * kCell + 1, 1),
                CellColour(kTimeCells[i]))
          << "character " << i;
    }
  }
};

TEST_F(GlyphDisplayTest, PaintsItsWindowTextFromItsOwnCopyOfTheStrip) {
  Make();
  {
    BitmapHandle strip = MakeStripBitmap(kCell, 2);
    display.SetCellCount(11);
    display.SetStrip(strip.get(), nullptr);
    EXPECT_NE(display.Strip(), strip.get());
  }  // the caller's strip is gone; the display draws from its copy
  SetWindowTextA(display.m_hWnd, "12:34:56 PM");
  EXPECT_EQ(display.GetWindowText(), "12:34:56 PM");
  const RECT client = display.GetClientRect();
  EXPECT_EQ(client.right, 11 * kCell + 2 * 2 + 2);
  EXPECT_EQ(client.bottom, 2 + 2);
  ExpectTimeCells();
  // The margins and the spare width are blank cells, not unpainted.
  EXPECT_EQ(WindowPixel(display.m_hWnd, 0, 0), CellColour(0));
  EXPECT_EQ(WindowPixel(display.m_hWnd, client.right - 1, 1), CellColour(0));
}

TEST_F(GlyphDisplayTest, ACopiedStripIsSharedAndOutlivesTheDisplayItCameFrom) {
  Make();
  display.SetCellCount(11);
  {
    CGlyphDisplay source;
    ASSERT_TRUE(source.Create(WS_CHILD | WS_VISIBLE, RECT{60, 10, 90, 30}, host.m_hWnd, 8));
    BitmapHandle strip = MakeStripBitmap(kCell, 2);
    source.SetStrip(strip.get(), nullptr);
    display.CopyStripFrom(source);
    EXPECT_EQ(display.Strip(), source.Strip());
    EXPECT_EQ(display.CellWidth(), kCell);
  }  // the source display and the caller's strip are gone
  SetWindowTextA(display.m_hWnd, "12:34:56 PM");
  ExpectTimeCells();
}

TEST_F(GlyphDisplayTest, MasksTakeTheDisplaysColours) {
  Make();
  display.SetCellCount(1);
  BitmapHandle fallback = CreateFallbackStrip();
  display.SetStrip(fallback.get(), nullptr);
  display.SetColours(RGB(200, 0, 0), RGB(0, 160, 0));
  SetWindowTextA(display.m_hWnd, "8");
  // The top bar of the 8 (row 1, columns 2-4 of its cell) and the blank
  // column left of it.
  EXPECT_EQ(WindowPixel(display.m_hWnd, 2 + 3, 1), RGB(200, 0, 0));
  EXPECT_EQ(WindowPixel(display.m_hWnd, 2 + 0, 1), RGB(0, 160, 0));
}

TEST_F(GlyphDisplayTest, IdealSizeFollowsCellsAndMargin) {
  Make();
  BitmapHandle fallback = CreateFallbackStrip();
  display.SetStrip(fallback.get(), nullptr);
  display.SetCellCount(11);
  SIZE size{};
  EXPECT_EQ(display.GetIdealSize(size), 83 * 13);
  EXPECT_EQ(size.cx, 83);
  EXPECT_EQ(size.cy, 13);
  display.SetMargin(5);
  display.GetIdealSize(size);
  EXPECT_EQ(size.cx, 89);
  EXPECT_EQ(display.GetRectInParent().right - display.GetRectInParent().left, 89);

  // Its own copy given back changes nothing; no strip draws nothing.
  const HBITMAP own = display.Strip();
  display.SetStrip(own, nullptr);
  EXPECT_EQ(display.Strip(), own);
  display.SetStrip(nullptr, nullptr);
  EXPECT_EQ(display.Strip(), nullptr);
  display.GetIdealSize(size);
  EXPECT_EQ(size.cx, 2 * 5 + 2);
  EXPECT_EQ(size.cy, 2);
}

TEST_F(GlyphDisplayTest, LowColourScreensMakeTheColoursPaletteRelative) {
  Make();
  display.SetColours(0x303030, 0xD0D9D9);
  SendMessageA(display.m_hWnd, WM_DISPLAYCHANGE, 8, MAKELPARAM(640, 480));
  EXPECT_EQ(display.TextColour(), 0x02303030u);
  EXPECT_EQ(display.BackColour(), 0x02D0D9D9u);
  SendMessageA(display.m_hWnd, WM_DISPLAYCHANGE, 24, MAKELPARAM(640, 480));
  EXPECT_EQ(display.TextColour(), 0x303030u);
}

TEST(GlyphDisplayObjects, EveryBitmapIsFreedWithTheDisplay) {
  const int bitmaps = LiveGuiObjects(GuiKind::Bitmap);
  {
    CTestHost host;
    CGlyphDisplay display;
    ASSERT_TRUE(display.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, host.m_hWnd, 1));
    CGlyphDisplay sharer;
    ASSERT_TRUE(sharer.Create(WS_CHILD | WS_VISIBLE, RECT{0, 20, 40, 40}, host.m_hWnd, 2));
    for (int i = 0; i < 20; ++i) {
      BitmapHandle strip = i % 2 ? CreateFallbackStrip() : MakeStripBitmap(4, 5);
      display.SetStrip(strip.get(), nullptr);
      if (i % 3 == 0) sharer.CopyStripFrom(display);
    }
    SetWindowTextA(display.m_hWnd, "1");
    UpdateWindow(display.m_hWnd);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Bitmap), bitmaps);
  EXPECT_EQ(LiveGuiObjects(GuiKind::DeviceContext), 0);
}

}  // namespace
