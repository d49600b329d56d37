#include "ClockWidget.h"

#include <cstring>

#include "ClockList.h"
#include "ClockText.h"
#include "ShowFlags.h"
#include "SmallHelpers.h"
#include "StripBitmaps.h"
#include "UtcClock.h"
#include "WindowHelpers.h"
#include "ZoneTime.h"

namespace {

constexpr const char* kDefaultDateFormat = "%a, %b %#d";
constexpr int kZoneNameSize = 256;

CClockWidget::ZoneChooserOpener g_openZoneChooser = nullptr;

// Moves a part to (x, y), sizes it when a size is given, and shows it; only
// what differs from how it is: under Wine every placement is a round trip to
// the server, even one that changes nothing. Returns whether it moved.
bool PlacePart(CWnd& part, int x, int y, const SIZE* size) {
  const RECT at = part.GetRectInParent();
  const bool moved = at.left != x || at.top != y;
  const bool resized = size && !RectHasSize(at, *size);
  if (moved || resized) {
    SetWindowPos(part.m_hWnd, nullptr, x, y, size ? size->cx : 0, size ? size->cy : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | (size ? 0 : SWP_NOSIZE));
  }
  ShowWindow(part.m_hWnd, SW_SHOWNA);
  return moved;
}

// Where a part starts: where the source clock's part is, or else fallback.
RECT StartRect(const CWnd* sourcePart, const RECT& fallback) {
  return sourcePart ? sourcePart->GetRectInParent() : fallback;
}

}  // namespace

void CClockWidget::SetZoneChooserOpener(ZoneChooserOpener opener) { g_openZoneChooser = opener; }

CClockWidget::CClockWidget()
    : m_flags(kShowFlagsDefault),
      m_diameter(60),
      m_lineColour(0x303030),
      m_faceColour(0xD0D9D9),
      m_timeFormat("%I:%M:%S %p"),
      m_timeLength(11),
      m_dateFormat(kDefaultDateFormat),
      m_fontFace("Tahoma"),
      m_fontPoints(8.0),
      m_fontWeight(400),
      m_textHeight(0),
      m_zoneIndex(0),
      m_zone(TB_GetZone(0)),
      m_currentOffset(0),
      m_lastShown(0),
      m_lastDst(false),
      m_highlighted(false),
      m_lookSource(nullptr) {
  m_ctrlMovable = true;
}

CClockWidget::~CClockWidget() { DestroyWindow(); }

bool CClockWidget::OnCreate() {
  // A clock made like another starts with its parts where the other's are,
  // so that laying it out moves nothing.
  const CClockWidget* like = m_lookSource;
  const RECT faceRect{0, 0, m_diameter, m_diameter};
  if (!m_face.Create(WS_CHILD | WS_VISIBLE, StartRect(like ? &like->m_face : nullptr, faceRect),
                     m_hWnd, 0)) {
    return false;
  }
  m_face.SetColours(0x303030, 0xD0D9D9);
  m_face.SetStyle(FaceStyleOf(m_flags));

  if (!m_digital.Create(WS_CHILD | WS_VISIBLE,
                        StartRect(like ? &like->m_digital : nullptr, RECT{0, 50, 100, 80}), m_hWnd,
                        0)) {
    return false;
  }
  SetWindowLongPtrA(m_digital.m_hWnd, GWL_EXSTYLE, WS_EX_STATICEDGE);
  SetWindowPos(m_digital.m_hWnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  m_digital.SetMargin(2);
  if (like) {
    m_digital.CopyStripFrom(like->m_digital);
  } else {
    BitmapHandle fallback = CreateFallbackStrip();
    m_digital.SetStrip(fallback.get(), nullptr);
  }

  if (!m_dateLine.CreateEx(
          0, "STATIC", "",
          WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOTIFY | SS_ENDELLIPSIS | SS_NOPREFIX,
          StartRect(like ? &like->m_dateLine : nullptr, RECT{0, 0, 1, 12}), m_hWnd, kDateLineId)) {
    return false;
  }
  if (!m_zoneButton.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                             StartRect(like ? &like->m_zoneButton : nullptr, RECT{1, 0, 2, 13}),
                             m_hWnd, kZoneButtonId)) {
    return false;
  }
  LOGFONTA sourceFont{};
  if (like && like->m_font && GetObjectA(like->m_font.get(), sizeof sourceFont, &sourceFont)) {
    UseDateZoneFont(FontHandle(CreateFontIndirectA(&sourceFont)), like->m_textHeight);
  } else {
    const std::string face = m_fontFace;
    SetDateZoneFont(face.c_str(), m_fontPoints, m_fontWeight);
  }
  SetZone(0);

  // The tooltips' font: each tooltip takes its own.
  LOGFONTA tipFont{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof tipFont, &tipFont);
  lstrcpynA(tipFont.lfFaceName, "Tahoma", LF_FACESIZE);
  tipFont.lfHeight = -11;
  tipFont.lfWeight = FW_NORMAL;
  SetTooltipFont(FontHandle(CreateFontIndirectA(&tipFont)));
  m_digital.SetTooltipFont(FontHandle(CreateFontIndirectA(&tipFont)));
  m_face.SetTooltipFont(FontHandle(CreateFontIndirectA(&tipFont)));
  Layout(false);
  return true;
}

void CClockWidget::SetTooltipText(const char* text) {
  CDisplayWidget::SetTooltipText(text);
  m_face.SetTooltipText(text);
  m_digital.SetTooltipText(text);
  m_dateLine.SetTooltipText(text);
  m_zoneButton.SetTooltipText(text);
}

void CClockWidget::SetZone(int index) {
  if (index < 0 || index >= TB_ZoneCount()) return;
  m_zoneIndex = index;
  m_zone = TB_GetZone(index);
  const CZoneTime now(*m_zone, UtcNow());
  m_currentOffset = now.CurrentOffsetMinutes();
  char name[kZoneNameSize] = {};
  TB_GetDisplayNameRegardless(index, name, kZoneNameSize);
  SetZoneText(name);
  Tick(true);  // the new zone's time at once
}

void CClockWidget::SetZoneText(const char* name) {
  if (name && *name) m_zoneName = name;
  m_zoneLabel = ZoneLabelText(m_zoneName, m_flags, m_currentOffset);
  if (m_zoneButton.m_hWnd) SetTextIfChanged(m_zoneButton.m_hWnd, m_zoneLabel);
  const std::string tip = GetZoneText();
  SetTooltipText(tip.c_str());
}

std::string CClockWidget::GetZoneText() {
  const CZoneTime now(*m_zone, UtcNow());
  m_lastDst = now.m_inDst;
  return ZoneTooltipText(m_zoneName, m_zone->country ? m_zone->country : "",
                         now.CurrentOffsetMinutes(), now.m_inDst);
}

void CClockWidget::SetFlags(uint32_t newFlags) {
  newFlags = NormaliseShowFlags(newFlags);
  const uint32_t old = m_flags;
  if ((newFlags & kShowAnalog) && !(old & kShowAnalog)) {
    const std::tm shown = BreakDownZoneLocal(m_lastShown);
    m_face.SetTime(shown.tm_hour, shown.tm_min, shown.tm_sec, m_lastDst);
  }
  m_flags = newFlags;
  if ((old ^ newFlags) & kShowTimeBits) RebuildTimeFormat();
  if (FaceStyleOf(newFlags) != m_face.Style()) m_face.SetStyle(FaceStyleOf(newFlags));
  if ((old ^ newFlags) & kShowUtcOffset) SetZoneText(nullptr);
  Layout(false);
}

void CClockWidget::RebuildTimeFormat() {
  const TimeFormat time = TimeFormatFor(m_flags);
  m_timeFormat = time.format;
  m_digital.SetCellCount(time.length);
  const bool lengthChanged = time.length != m_timeLength;
  m_timeLength = time.length;
  if (lengthChanged) Layout(false);
  ShowInstant(m_lastShown, m_lastDst);
}

void CClockWidget::SetDiameter(int pixels) {
  if (pixels == m_diameter) return;
  m_diameter = pixels;
  Layout(false);
}

void CClockWidget::SetColours(Colour line, Colour face) {
  m_lineColour = line;
  m_faceColour = face;
  m_face.SetColours(line, face);
  m_digital.SetColours(line, face);
}

void CClockWidget::SetDateFormat(const char* format) {
  m_dateFormat = format ? format : kDefaultDateFormat;
  if (m_dateLine.m_hWnd) {
    SetTextIfChanged(m_dateLine.m_hWnd,
                     FormatClockText(m_dateFormat, BreakDownZoneLocal(m_lastShown)));
  }
}

void CClockWidget::SetDateZoneFont(const char* face, double points, int weight) {
  // Loading the clocks gives every clock the font it was made with.
  if (m_font && points == m_fontPoints && weight == m_fontWeight &&
      m_fontFace == (face ? face : "")) {
    return;
  }
  LOGFONTA description{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  lstrcpynA(description.lfFaceName, face ? face : "", LF_FACESIZE);
  description.lfWeight = weight;
  WindowDc screen(nullptr);
  description.lfHeight = PointsToFontHeight(GetDeviceCaps(screen.get(), LOGPIXELSY), points);
  FontHandle font(CreateFontIndirectA(&description));
  if (!font) return;
  SIZE extent{};
  {
    SelectScope keep(screen.get(), font.get());
    GetTextExtentPoint32A(screen.get(), "Wygtl", 5, &extent);
  }
  m_fontPoints = points;
  m_fontWeight = weight;
  m_fontFace = face ? face : "";
  UseDateZoneFont(std::move(font), extent.cy);
}

void CClockWidget::UseDateZoneFont(FontHandle font, int textHeight) {
  if (!font) return;
  m_textHeight = textHeight;
  const bool visible = IsWindowVisible(m_hWnd) != FALSE;  // else showing it paints it
  if (m_dateLine.m_hWnd) m_dateLine.SetFont(font.get(), visible);
  if (m_zoneButton.m_hWnd) m_zoneButton.SetFont(font.get(), visible);
  m_font = std::move(font);  // the previous font, no longer in use, goes
  Layout(false);
}

void CClockWidget::GetDateZoneFont(std::string& face, double& points, int& weight) const {
  face = m_fontFace;
  points = m_fontPoints;
  weight = m_fontWeight;
}

void CClockWidget::SetDigitalFont(HBITMAP strip) {
  BitmapHandle fallback;
  if (!strip) {
    fallback = CreateFallbackStrip();
    strip = fallback.get();
  }
  m_digital.SetStrip(strip, nullptr);
  m_digital.SetCellCount(m_timeLength);
  Layout(false);
}

void CClockWidget::SetTextIfChanged(HWND window, const std::string& text) {
  char current[kClockTextLimit + 2] = {};
  const int length = ::GetWindowTextA(window, current, sizeof current);
  if (length == static_cast<int>(text.size()) && text == current) return;
  SetWindowTextA(window, text.c_str());
}

void CClockWidget::ShowInstant(int32_t zoneLocal, bool dst) {
  if (!m_hWnd) return;
  const std::tm time = BreakDownZoneLocal(zoneLocal);
  if (m_flags & kShowDigital) {
    SetTextIfChanged(m_digital.m_hWnd, FormatDigitalTime(m_timeFormat, m_flags, time));
  }
  if (m_flags & kShowAnalog) m_face.SetTime(time.tm_hour, time.tm_min, time.tm_sec, dst);
  if (m_flags & kShowDate) {
    SetTextIfChanged(m_dateLine.m_hWnd, FormatClockText(m_dateFormat, time));
  }
}

void CClockWidget::Tick(bool force) {
  const CZoneTime now(*m_zone, UtcNow());
  m_currentOffset = now.CurrentOffsetMinutes();
  if (now.m_local == m_lastShown && now.m_inDst == m_lastDst && !force) return;
  ShowInstant(now.m_local, now.m_inDst);
  if (now.m_inDst != m_lastDst) SetZoneText(nullptr);
  m_lastShown = now.m_local;
  m_lastDst = now.m_inDst;
}

SIZE CClockWidget::Layout(bool measure) {
  const int d = m_diameter;
  const uint32_t f = m_flags;
  const int h = m_textHeight;
  if (!measure && (f & kShowDigital)) m_digital.SetCellCount(m_timeLength);
  SIZE digital{};
  m_digital.GetIdealSize(digital);
  const int w =
      ((digital.cx > d && (f & kShowDigital)) || !(f & kShowAnalog)) ? digital.cx + 2 : d + 4;
  const int c = w / 2;
  int y = 1;
  if (f & kShowAnalog) {
    if (!measure) {
      const SIZE size{d, d};
      if (PlacePart(m_face, c - d / 2, y, &size)) {
        RedrawWindow(m_face.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      }
    }
    y += d;
  } else if (!measure) {
    ShowWindow(m_face.m_hWnd, SW_HIDE);
  }
  if (f & kShowDigital) {
    if (f & kShowAnalog) y += 2;
    if (!measure) PlacePart(m_digital, c - digital.cx / 2, y, nullptr);
    y += digital.cy;
  } else if (!measure) {
    ShowWindow(m_digital.m_hWnd, SW_HIDE);
  }
  if (f & kShowDate) {
    if (!measure) {
      const SIZE size{w - 2, h};
      PlacePart(m_dateLine, 1, y, &size);
    }
    y += h;
  } else if (!measure) {
    ShowWindow(m_dateLine.m_hWnd, SW_HIDE);
  }
  if (f & kShowZone) {
    if (!measure) {
      const SIZE size{w - 3, h + 5};
      PlacePart(m_zoneButton, 2, y, &size);
    }
    y += h + 5;
  } else if (!measure) {
    ShowWindow(m_zoneButton.m_hWnd, SW_HIDE);
  }
  const SIZE size{w, y + 1};
  if (!measure && m_hWnd) {
    if (!RectHasSize(GetWindowRect(), size)) {
      if (m_highlighted) RepaintFrame(false);
      SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (m_highlighted) RepaintFrame(true);
    }
  }
  return size;
}

int CClockWidget::GetIdealSize(SIZE& size) {
  size = Layout(true);
  return size.cx * size.cy;
}

void CClockWidget::DrawFrame(HDC dc, bool highlighted) {
  const RECT client = GetClientRect();
  FrameRect(dc, &client, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
}

void CClockWidget::RepaintFrame(bool highlighted) {
  if (!m_hWnd) return;
  WindowDc dc(m_hWnd);
  DrawFrame(dc.get(), highlighted);
}

void CClockWidget::SetHighlight(bool on) {
  m_highlighted = on;
  RepaintFrame(on);
}

bool CClockWidget::IsHighlighted() const { return m_highlighted; }

bool CClockWidget::CreateLike(const CClockWidget& source, bool show) {
  m_flags = source.m_flags;
  m_diameter = source.m_diameter;
  m_dateFormat = source.m_dateFormat;
  m_timeFormat = source.m_timeFormat;
  m_timeLength = source.m_timeLength;
  m_fontPoints = source.m_fontPoints;
  m_fontWeight = source.m_fontWeight;
  m_fontFace = source.m_fontFace;
  const RECT rect = source.GetRectInParent();
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(source.m_hWnd, GWL_STYLE));
  m_lookSource = &source;
  const bool created =
      Create(style & ~WS_VISIBLE, RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top},
             GetParent(source.m_hWnd), static_cast<UINT>(source.GetId() + 1));
  m_lookSource = nullptr;
  if (!created) return false;
  SetColours(source.m_lineColour, source.m_faceColour);
  if (show) ShowWindow(m_hWnd, SW_SHOWNA);
  return true;
}

void CClockWidget::OnCommand(int id, int code) {
  if (code != 0) return;  // clicks only
  if (id == kDateLineId) {
    // The list selects the clock as if the clock itself were clicked.
    const HWND parent = GetParent(m_hWnd);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(parent, &cursor);
    const LPARAM point = MAKELPARAM(cursor.x, cursor.y);
    SendMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(parent, WM_LBUTTONUP, MK_LBUTTON, point);
  } else if (id == kZoneButtonId) {
    if (auto* list = dynamic_cast<CClockList*>(CWnd::FromHandle(GetParent(m_hWnd)))) {
      list->SelectClock(this);
    }
    if (g_openZoneChooser) g_openZoneChooser(*this);
  }
}

LRESULT CClockWidget::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      if (CDisplayWidget::WindowProc(message, wParam, lParam) == -1) return -1;
      return OnCreate() ? 0 : -1;
    }
    case WM_PAINT: {
      PaintDc paint(m_hWnd);
      CountPaint();
      DrawFrame(paint.get(), m_highlighted);
      return 0;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_MOVING: {
      const LRESULT result = CDisplayWidget::WindowProc(message, wParam, lParam);
      ValidateRect(GetDesktopWindow(), reinterpret_cast<const RECT*>(lParam));
      return result;
    }
    case WM_NCDESTROY: {
      const LRESULT result = CDisplayWidget::WindowProc(message, wParam, lParam);
      m_font.Reset();  // the parts that used it are gone
      return result;
    }
    default:
      return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
}
