#include "GlyphStrip.h"

#include "GuiObjects.h"
#include "StripBitmaps.h"

CGlyphStrip::CGlyphStrip() : m_strip(nullptr), m_map{}, m_cellWidth(0), m_cellHeight(0) {}

void CGlyphStrip::SetStrip(HBITMAP strip) {
  m_strip = strip;
  const SIZE size = BitmapSize(strip);
  m_cellWidth = size.cx / kGlyphCellCount;
  m_cellHeight = size.cy;
}

void CGlyphStrip::SetMap(const GlyphMap& map) { m_map = map; }

void CGlyphStrip::DrawGlyphs(HDC dc, const char* text, int x, int y) {
  if (!m_strip || !text || m_cellWidth <= 0) return;
  if (!m_source) m_source.Reset(CreateCompatibleDC(dc));
  const HDC source = m_source.get();
  if (!source) return;
  SelectScope keep(source, m_strip);
  for (int i = 0; text[i] != '\0'; ++i) {
    const int cell = m_map[static_cast<unsigned char>(text[i])];
    BitBlt(dc, x + i * m_cellWidth, y, m_cellWidth, m_cellHeight, source, cell * m_cellWidth, 0,
           SRCCOPY);
  }
}
