// CGlyphStrip: draws a text cell by cell from a glyph strip.
#ifndef APP_DISPLAY_GLYPHSTRIP_H
#define APP_DISPLAY_GLYPHSTRIP_H

#include <windows.h>

#include "GlyphMap.h"
#include "GuiObjects.h"

class CGlyphStrip {
 public:
  CGlyphStrip();

  // Borrows strip (the caller keeps it); cells are its width / 16 wide.
  void SetStrip(HBITMAP strip);
  void SetMap(const GlyphMap& map);
  // Copies the cell of each byte of text to (x + i x cell width, y). The
  // device context's text and background colours colour a mask strip.
  void DrawGlyphs(HDC dc, const char* text, int x, int y);

  int CellWidth() const { return m_cellWidth; }
  int CellHeight() const { return m_cellHeight; }

 private:
  HBITMAP m_strip;
  MemoryDc m_source;  // made once, for every later drawing too
  GlyphMap m_map;
  int m_cellWidth;
  int m_cellHeight;
};

#endif
