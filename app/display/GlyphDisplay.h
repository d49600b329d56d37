// CGlyphDisplay: the digital time of one clock, drawn from a glyph strip.
//
// The text shown is the window's own text (so other programs can read it
// with WM_GETTEXT); the display draws from a copy of the strip prepared for
// the screen once per SetStrip. That copy is only ever read, so displays that
// take it with CopyStripFrom share it.
#ifndef APP_DISPLAY_GLYPHDISPLAY_H
#define APP_DISPLAY_GLYPHDISPLAY_H

#include <memory>
#include <string>

#include "DisplayWidget.h"
#include "GlyphMap.h"
#include "GlyphStrip.h"
#include "SmallHelpers.h"

class CGlyphDisplay : public CDisplayWidget {
 public:
  CGlyphDisplay();
  ~CGlyphDisplay() override;

  // Copies map first when given. Unless strip is the display's own copy,
  // replaces that copy with one of strip and sizes the window for its cells.
  // The caller keeps strip; null leaves the display without a strip.
  void SetStrip(HBITMAP strip, const GlyphMap* map);
  // Shares other's copy of its strip (not its map).
  void CopyStripFrom(const CGlyphDisplay& other);
  void SetColours(Colour text, Colour back);
  void SetMargin(int pixels);
  // The number of characters the display is sized for.
  void SetCellCount(int count);
  // Null: the default glyph map.
  void SetMap(const GlyphMap* map);
  int GetIdealSize(SIZE& size) override;
  LRESULT OnDisplayChange(WPARAM bitsPerPixel, LPARAM lParam) override;

  HBITMAP Strip() const { return m_strip ? m_strip->get() : nullptr; }
  int CellWidth() const { return m_cellWidth; }
  int CellHeight() const { return m_cellHeight; }
  int CellCount() const { return m_cellCount; }
  int Margin() const { return m_margin; }
  Colour TextColour() const { return m_textColour; }
  Colour BackColour() const { return m_backColour; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Draws the cells that area touches.
  void DrawCells(HDC dc, const RECT& area);
  void Paint();
  // A new text redraws at once, and only the cells that show something else:
  // the time changes every second, and a paint cycle costs several times
  // more than drawing a cell or two.
  void DrawChangedCells(const std::string& before, const std::string& after);
  void ResizeToIdeal();
  // Draws from copy from now on and sizes the cells for it.
  void UseStrip(std::shared_ptr<const BitmapHandle> copy);

  GlyphMap m_map;
  std::shared_ptr<const BitmapHandle> m_strip;  // null: no strip
  CGlyphStrip m_painter;                        // borrows the strip, copies m_map
  Colour m_textColour;
  Colour m_backColour;
  int m_cellWidth;
  int m_cellHeight;
  int m_margin;
  int m_cellCount;
};

#endif
