#include "GlyphDisplay.h"

#include <string>

#include "StripBitmaps.h"
#include "WindowHelpers.h"

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
      m_cellCount(4) {
  m_painter.SetMap(m_map);
}

CGlyphDisplay::~CGlyphDisplay() { DestroyWindow(); }

void CGlyphDisplay::SetStrip(HBITMAP strip, const GlyphMap* map) {
  if (map) m_map = *map;
  m_painter.SetMap(m_map);
  if (!strip || strip != Strip()) {
    BitmapHandle copy = MakeDisplayCopy(strip);
    UseStrip(copy ? std::make_shared<const BitmapHandle>(std::move(copy)) : nullptr);
  }
  if (m_hWnd) Invalidate(true);
}

void CGlyphDisplay::CopyStripFrom(const CGlyphDisplay& other) {
  if (other.m_strip != m_strip) UseStrip(other.m_strip);
  if (m_hWnd) Invalidate(true);
}

void CGlyphDisplay::UseStrip(std::shared_ptr<const BitmapHandle> copy) {
  m_strip = std::move(copy);
  m_painter.SetStrip(Strip());
  const SIZE size = BitmapSize(Strip());
  m_cellHeight = size.cy;
  m_cellWidth = size.cx / kGlyphCellCount;
  SetCellCount(m_cellCount);
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
  if (Strip() && count != 0) ResizeToIdeal();
}

void CGlyphDisplay::SetMap(const GlyphMap* map) {
  m_map = map ? *map : DefaultGlyphMap();
  m_painter.SetMap(m_map);
  if (m_hWnd && Strip()) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
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
  if (RectHasSize(GetWindowRect(), size)) return;
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

namespace {

// One blank cell covers the left margin, six cover what lies right of the
// text, so the background never needs erasing.
std::string PaddedText(const std::string& text) { return " " + text + "      "; }

}  // namespace

void CGlyphDisplay::DrawCells(HDC dc, const RECT& area) {
  CountPaint();
  if (m_cellWidth <= 0) return;
  const std::string text = PaddedText(GetWindowText());
  // Only the cells the area touches are copied.
  const int left = m_margin - m_cellWidth;
  const int first = area.left > left ? (area.left - left) / m_cellWidth : 0;
  const int last = (area.right - 1 - left) / m_cellWidth;
  if (first >= static_cast<int>(text.size()) || last < first) return;
  const std::string cells =
      text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1));
  DcColoursScope keep(dc);
  SetTextColor(dc, m_textColour);
  SetBkColor(dc, m_backColour);
  m_painter.DrawGlyphs(dc, cells.c_str(), left + first * m_cellWidth, 0);
}

void CGlyphDisplay::Paint() {
  PaintDc paint(m_hWnd);
  DrawCells(paint.get(), paint.paint().rcPaint);
}

void CGlyphDisplay::DrawChangedCells(const std::string& before, const std::string& after) {
  const std::string was = PaddedText(before);
  const std::string now = PaddedText(after);
  const std::size_t length = was.size() > now.size() ? was.size() : now.size();
  int first = -1;
  int last = -1;
  for (std::size_t i = 0; i < length; ++i) {
    const char a = i < was.size() ? was[i] : ' ';
    const char b = i < now.size() ? now[i] : ' ';
    if (m_map[static_cast<unsigned char>(a)] == m_map[static_cast<unsigned char>(b)]) continue;
    if (first < 0) first = static_cast<int>(i);
    last = static_cast<int>(i);
  }
  if (first < 0 || m_cellWidth <= 0) return;  // every cell stays as it is
  if (!IsWindowVisible(m_hWnd)) return;       // showing it paints it
  const int left = m_margin - m_cellWidth;
  const RECT cells{left + first * m_cellWidth, 0, left + (last + 1) * m_cellWidth, m_cellHeight};
  WindowDc dc(m_hWnd);
  if (dc.get()) DrawCells(dc.get(), cells);
}

LRESULT CGlyphDisplay::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETTEXT: {
      const std::string before = GetWindowText();
      const LRESULT result = CallDefault(message, wParam, lParam);
      DrawChangedCells(before, GetWindowText());
      return result;
    }
    default:
      return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
}
