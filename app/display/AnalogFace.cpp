#include "AnalogFace.h"

#include "AnalogGeometry.h"
#include "StripBitmaps.h"

namespace {

// Monochrome marks, rows padded to 16 bits: 0 bits take the mark colour.
const uint8_t kTwelveMarkBits[] = {0x3C, 0, 0x4C, 0, 0x64, 0, 0x64, 0, 0x4C, 0, 0x3C, 0};
const uint8_t kDstMarkBits[] = {0x1C, 0x40, 0x6B, 0xE8, 0x6C, 0xE8, 0x6F, 0x68, 0x18, 0xE8};

constexpr Colour kPaletteRelative = 0x02000000;

void Line(HDC dc, DialPoint from, DialPoint to) {
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

}  // namespace

CAnalogFace::CAnalogFace()
    : m_previousBitmap(nullptr),
      m_style(7),
      m_lineColour(0x303030),
      m_secondColour(::SecondHandColour(0x303030, 0xD0D9D9)),
      m_faceColour(0xD0D9D9),
      m_hour(0),
      m_minute(0),
      m_second(0),
      m_dst(false),
      m_offscreenDepth(0) {}

CAnalogFace::~CAnalogFace() { DestroyWindow(); }

void CAnalogFace::SetColours(Colour line, Colour face) {
  if (line == m_lineColour && face == m_faceColour) return;
  m_lineColour = line;
  m_faceColour = face;
  m_secondColour = ::SecondHandColour(line, face);
  if (m_hWnd) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CAnalogFace::SetStyle(unsigned style) {
  m_style = static_cast<unsigned char>(style);
  if (m_hWnd) Invalidate(false);
}

void CAnalogFace::SetTime(int hour, int minute, int second, bool dst) {
  m_hour = hour;
  m_minute = minute;
  m_second = second;
  m_dst = dst;
  DrawNow();
}

int CAnalogFace::GetIdealSize(SIZE& size) {
  const RECT client = GetClientRect();
  size.cx = client.right;
  size.cy = client.bottom;
  return size.cx * size.cy;
}

COLORREF CAnalogFace::ScreenColour(Colour colour) const {
  return m_offscreenDepth <= 8 ? (colour | kPaletteRelative) : colour;
}

void CAnalogFace::MakeMarks() {
  m_twelveMark.Reset(CreateBitmap(6, 6, 1, 1, kTwelveMarkBits));
  m_dstMark.Reset(CreateBitmap(13, 5, 1, 1, kDstMarkBits));
  m_markDc.Reset(CreateCompatibleDC(nullptr));
}

void CAnalogFace::PrepareOffscreen(HDC like) {
  const RECT client = GetClientRect();
  if (m_offscreenDc && m_offscreen) {
    const SIZE have = BitmapSize(m_offscreen.get());
    if (have.cx >= client.right && have.cy >= client.bottom) return;
  }
  // Made from the context drawn on, at the first drawing that needs it: a
  // face that is never drawn costs no bitmap, and under Wine every fetch of
  // the screen's own context is a round trip to the server.
  if (!m_offscreenDc) {
    m_offscreenDc.Reset(CreateCompatibleDC(like));
    if (!m_offscreenDc) return;
  }
  BitmapHandle bitmap(CreateCompatibleBitmap(like, client.right > 0 ? client.right : 1,
                                             client.bottom > 0 ? client.bottom : 1));
  if (!bitmap) return;
  const HGDIOBJ replaced = SelectObject(m_offscreenDc.get(), bitmap.get());
  if (!m_previousBitmap) m_previousBitmap = replaced;
  m_offscreen = std::move(bitmap);  // frees the bitmap it replaces, now unselected
  m_offscreenDepth =
      GetDeviceCaps(m_offscreenDc.get(), BITSPIXEL) * GetDeviceCaps(m_offscreenDc.get(), PLANES);
}

void CAnalogFace::ReleaseOffscreen() {
  if (m_offscreenDc && m_previousBitmap) SelectObject(m_offscreenDc.get(), m_previousBitmap);
  m_previousBitmap = nullptr;
  m_offscreenDc.Reset();
  m_offscreen.Reset();
}

LRESULT CAnalogFace::OnDisplayChange(WPARAM bitsPerPixel, LPARAM) {
  if (static_cast<int>(bitsPerPixel) != m_offscreenDepth) {
    ReleaseOffscreen();  // the next drawing makes one of the new depth
    Invalidate(true);
  }
  return 0;
}

void CAnalogFace::DrawMark(HDC dc, HBITMAP mark, int x, int y, int width, int height,
                           Colour background) {
  if (!m_markDc || !mark) return;
  SelectScope keepMark(m_markDc.get(), mark);
  DcColoursScope keepColours(dc);
  SetTextColor(dc, ScreenColour(MarkColour(m_lineColour)));
  SetBkColor(dc, ScreenColour(background));
  BitBlt(dc, x, y, width, height, m_markDc.get(), 0, 0, SRCCOPY);
}

void CAnalogFace::DrawDial(HDC dc, int width, int height) {
  const FaceGeometry face = ComputeFaceGeometry(width, height);
  const bool filled = (m_style & kFaceFilled) != 0;
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  PenHandle pen(CreatePen(PS_SOLID, 1, ScreenColour(m_lineColour)));
  SelectScope keepPen(dc, pen.get());
  if (filled) {
    BrushHandle brush(CreateSolidBrush(ScreenColour(m_faceColour)));
    SelectScope keepBrush(dc, brush.get());
    Ellipse(dc, 0, 0, width, height);
  }
  for (double angle : TickAngles(filled)) {
    Line(dc, PointOnDial(face.centre, face.tickInner, angle),
         PointOnDial(face.centre, face.tickOuter, angle));
  }
  const Colour background = filled ? m_faceColour : GetSysColor(COLOR_BTNFACE);
  DrawMark(dc, m_twelveMark.get(), face.twelveMark.x, face.twelveMark.y, 6, 6, background);
  if (m_dst) DrawMark(dc, m_dstMark.get(), face.dstMark.x, face.dstMark.y, 13, 5, background);
}

void CAnalogFace::DrawHands(HDC dc, int width, int height, Colour line, Colour second) {
  const FaceGeometry face = ComputeFaceGeometry(width, height);
  const DialPoint centre{face.centre, face.centre};
  struct Hand {
    int penWidth;
    Colour colour;
    double from;  // radius behind the centre
    double length;
    double angle;
  };
  const Hand hands[] = {
      {3, line, 0, face.hourLength, HourHandAngle(m_hour, m_minute)},
      {2, line, 0, face.minuteLength, MinuteHandAngle(m_minute, m_second)},
      {1, second, face.secondTail, face.secondLength, SecondHandAngle(m_second)},
  };
  const int count = (m_style & kFaceSecondHand) ? 3 : 2;
  for (int i = 0; i < count; ++i) {
    const Hand& hand = hands[i];
    PenHandle pen(CreatePen(PS_SOLID, hand.penWidth, ScreenColour(hand.colour)));
    SelectScope keep(dc, pen.get());
    const DialPoint start =
        hand.from > 0 ? PointOnDial(face.centre, hand.from, hand.angle + 180.0) : centre;
    Line(dc, start, PointOnDial(face.centre, hand.length, hand.angle));
  }
}

void CAnalogFace::DrawFace(int width, int height) {
  const HDC dc = m_offscreenDc.get();
  DrawDial(dc, width, height);
  if (m_style & kFaceShadows) {
    const Colour background = (m_style & kFaceFilled) ? m_faceColour : GetSysColor(COLOR_BTNFACE);
    const Colour shadow = ShadowColour(background);
    const int offset = ComputeFaceGeometry(width, height).shadowOffset;
    POINT previous{};
    SetViewportOrgEx(dc, offset, offset, &previous);
    DrawHands(dc, width, height, shadow, shadow);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  }
  DrawHands(dc, width, height, m_lineColour, m_secondColour);
}

void CAnalogFace::Redraw(HDC dc) {
  CountPaint();
  PrepareOffscreen(dc);
  if (!m_offscreenDc || !m_offscreen) return;
  const RECT client = GetClientRect();
  DrawFace(client.right, client.bottom);
  BitBlt(dc, 0, 0, client.right, client.bottom, m_offscreenDc.get(), 0, 0, SRCCOPY);
}

void CAnalogFace::Paint() {
  PaintDc paint(m_hWnd);
  Redraw(paint.get());
}

void CAnalogFace::DrawNow() {
  if (!m_hWnd || !IsWindowVisible(m_hWnd)) return;  // showing it paints it
  WindowDc dc(m_hWnd);
  if (dc.get()) Redraw(dc.get());
}

LRESULT CAnalogFace::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const LRESULT result = CDisplayWidget::WindowProc(message, wParam, lParam);
      if (result != -1) MakeMarks();
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      ReleaseOffscreen();
      m_markDc.Reset();
      m_twelveMark.Reset();
      m_dstMark.Reset();
      return CDisplayWidget::WindowProc(message, wParam, lParam);
    default:
      return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
}
