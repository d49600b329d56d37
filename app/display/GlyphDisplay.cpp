#include "GlyphDisplay.h"

#include <string>

#include "GlyphStrip.h"
#include "StripBitmaps.h"

namespace {

// The platform's marker of a palette-relative colour.
constexpr Colour kPaletteRelative = 0x02000000;

}  // namespace

CGlyphDisplay::CGlyphDisplay()
    : m_map(DefaultGlyphMap()),
      m_textColour(0x303030),
      m_backColour(0xD0D9D9),
      m_cellWidth(5),
      m_cellHeight(8),
      m_margin(2),
      m_cellCount(4) {}

CGlyphDisplay::~CGlyphDisplay() { DestroyWindow(); }

void CGlyphDisplay::SetStrip(HBITMAP strip, const GlyphMap* map) {
  if (map) m_map = *map;
  if (!strip || strip != m_strip.get()) {
    m_strip = MakeDisplayCopy(strip);
    const SIZE size = BitmapSize(m_strip.get());
    m_cellHeight = size.cy;
    m_cellWidth = size.cx / kGlyphCellCount;
    SetCellCount(m_cellCount);
  }
  if (m_hWnd) Invalidate(true);
}

void CGlyphDisplay::CopyStripFrom(const CGlyphDisplay& other) {
  SetStrip(other.m_strip.get(), nullptr);
}

void CGlyphDisplay::SetColours(Colour text, Colour back) {
  m_textColour = text;
  m_backColour = back;
  if (m_hWnd) Invalidate(true);
}

void CGlyphDisplay::SetMargin(int pixels) {
  if (pixels == m_margin) return;
  m_margin = pixels;
  if (m_cellCount != 0) {
    SetCellCount(m_cellCount);
  } else if (m_hWnd) {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void CGlyphDisplay::SetCellCount(int count) {
  m_cellCount = count;
  if (m_strip && count != 0) ResizeToIdeal();
}

void CGlyphDisplay::SetMap(const GlyphMap* map) {
  m_map = map ? *map : DefaultGlyphMap();
  if (m_hWnd && m_strip) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

int CGlyphDisplay::GetIdealSize(SIZE& size) {
  size.cx = m_cellCount * m_cellWidth + 2 * m_margin + 2;
  size.cy = m_cellHeight + 2;
  return size.cx * size.cy;
}

void CGlyphDisplay::ResizeToIdeal() {
  if (!m_hWnd) return;
  SIZE size{};
  GetIdealSize(size);
  SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CGlyphDisplay::OnDisplayChange(WPARAM bitsPerPixel, LPARAM) {
  if (bitsPerPixel <= 8) {
    m_textColour |= kPaletteRelative;
    m_backColour |= kPaletteRelative;
  } else {
    m_textColour &= ~kPaletteRelative;
    m_backColour &= ~kPaletteRelative;
  }
  Invalidate(true);
  return 0;
}

void CGlyphDisplay::Paint() {
  PaintDc paint(m_hWnd);
  CountPaint();
  // One blank cell covers the left margin, six cover what lies right of the
  // text, so the background never needs erasing.
  const std::string text = " " + GetWindowText() + "      ";
  CGlyphStrip strip;
  strip.SetStrip(m_strip.get());
  strip.SetMap(m_map);
  DcColoursScope keep(paint.get());
  SetTextColor(paint.get(), m_textColour);
  SetBkColor(paint.get(), m_backColour);
  strip.DrawGlyphs(paint.get(), text.c_str(), m_margin - m_cellWidth, 0);
}

LRESULT CGlyphDisplay::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      Invalidate(true);
      return result;
    }
    default:
      return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
}
