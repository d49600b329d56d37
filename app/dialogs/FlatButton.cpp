#include "FlatButton.h"

#include <cstring>
#include <vector>

#include "WindowHelpers.h"

namespace {

constexpr int kCheckBoxSize = 12;

// The tick, 12 rows of 16 bits (the last 4 bits of a row are padding): a 0
// bit is the mark, a 1 bit the box.
const BYTE kCheckMarkBits[] = {0xFF, 0xF0, 0xFF, 0xF0, 0xFF, 0xF0, 0xFF, 0x10,
                               0xFE, 0x30, 0xDC, 0x70, 0xC8, 0xF0, 0xC1, 0xF0,
                               0xE3, 0xF0, 0xF7, 0xF0, 0xFF, 0xF0, 0xFF, 0xF0};

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return SIZE{0, 0};
  // GetIconInfo hands out copies of the two bitmaps.
  BitmapHandle colour(info.hbmColor);
  BitmapHandle mask(info.hbmMask);
  if (colour) return BitmapSize(colour.get());
  SIZE size = BitmapSize(mask.get());
  size.cy /= 2;
  return size;
}

void Shrink(RECT& rect, int by) { InflateRect(&rect, -by, -by); }

}  // namespace

HANDLE CFlatButton::SetIconImage(HICON icon) {
  return reinterpret_cast<HANDLE>(
      SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

HANDLE CFlatButton::LoadIconImage(HINSTANCE module, int resourceId, int size, UINT loadFlags) {
  const auto icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, loadFlags));
  return SetIconImage(icon);
}

HANDLE CFlatButton::SetBitmapImage(HBITMAP bitmap) {
  return reinterpret_cast<HANDLE>(
      SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HANDLE CFlatButton::LoadBitmapImage(HINSTANCE module, int resourceId, UINT loadFlags) {
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, loadFlags));
  return SetBitmapImage(bitmap);
}

void CFlatButton::FillSwatch(Colour colour, EdgeSpec edge) {
  const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
  const SIZE size = BitmapSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  {
    MemoryDc dc(CreateCompatibleDC(nullptr));
    SelectScope selected(dc.get(), bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    BrushHandle brush(CreateSolidBrush(PALETTERGB(0, 0, 0) | (colour & 0xFFFFFF)));
    FillRect(dc.get(), &all, brush.get());
    if (edge != static_cast<EdgeSpec>(-1)) DrawEdgeSpec(dc.get(), all, edge, BF_RECT);
  }
  Invalidate(true);
}

EdgeSpec CFlatButton::SetEdge(UINT selectors, EdgeSpec edge) {
  if (selectors & kEdgeNormal) m_normalEdge = edge;
  if (selectors & kEdgePushed) m_pushedEdge = edge;
  if (selectors & kEdgeDisabled) m_disabledEdge = edge;
  if (selectors & kEdgeHot) m_hotEdge = edge;
  return edge;
}

EdgeSpec CFlatButton::GetEdge(UINT selector) const {
  if (selector == kEdgeCurrent) {
    if (ButtonState() & BST_PUSHED) return m_pushedEdge;
    if (IsWindowEnabled(m_hWnd)) return m_hot ? m_hotEdge : m_normalEdge;
    return m_disabledEdge;
  }
  switch (selector) {
    case kEdgeNormal:
      return m_normalEdge;
    case kEdgePushed:
      return m_pushedEdge;
    case kEdgeDisabled:
      return m_disabledEdge;
    case kEdgeHot:
      return m_hotEdge;
    default:
      return 0;
  }
}

void CFlatButton::SetOptions(int flags) {
  m_options = flags;
  if (m_hWnd) Invalidate(true);
}

void CFlatButton::SetTooltipText(const char* text) {
  if (text) {
    std::strncpy(m_tipText, text, kTooltipTextMax);
    m_tipText[kTooltipTextMax] = '\0';
  }
  UpdateTooltip(m_hWnd, m_tooltip, text ? m_tipText : nullptr);
}

void CFlatButton::LoadTooltipFromResource() {
  char text[256] = {};
  if (LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(GetDlgCtrlID()), text, sizeof text) >
      0) {
    SetTooltipText(text);
  }
}

void CFlatButton::SizeToImage(int extra) {
  const SIZE size =
      BitmapSize(reinterpret_cast<HBITMAP>(SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0)));
  SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx + extra + 2, size.cy + extra + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFlatButton::PreSubclassWindow() {
  const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  m_checkBoxLook = (style & 0x2) != 0;
  // 0xB turns the push-button and check-box styles in use into owner-drawn.
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style | BS_OWNERDRAW);
}

bool CFlatButton::DrawItem(const DRAWITEMSTRUCT& item) {
  if (m_checkBoxLook) {
    DrawCheckBox(item);
    return true;
  }
  if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE) & (BS_ICON | BS_BITMAP);
    if (style == 0) {
      DrawTextFace(item);
    } else if (style == BS_ICON) {
      DrawIconFace(item);
    } else if (style == BS_BITMAP) {
      DrawBitmapFace(item);
    }
  }
  DrawFrame(item.hDC, item.itemState, &item.rcItem);
  if (!(m_options & kFlatNoFocusRect) &&
      ((item.itemAction & ODA_FOCUS) || (item.itemState & ODS_FOCUS))) {
    RECT focus = item.rcItem;
    Shrink(focus, 3);
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

void CFlatButton::DrawFrame(HDC dc, UINT, const RECT* rect) {
  RECT r = (rect && !IsRectEmpty(rect)) ? *rect : GetClientRect();
  RECT inner = r;
  Shrink(inner, 1);
  DrawEdgeSpec(dc, inner, 0);
  DrawEdgeSpec(dc, r, GetEdge(kEdgeCurrent), BF_RECT);
}

void CFlatButton::DrawTextFace(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  Shrink(r, 2);
  BrushHandle background(CreateSolidBrush(GetBkColor(item.hDC)));
  FillRect(item.hDC, &r, background.get());
  r.left += 1;
  r.right -= 1;
  DrawCaption(item, r,
              (m_captionFormat & ~DT_CALCRECT) | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER, ~0u,
              false);
}

void CFlatButton::DrawCaption(const DRAWITEMSTRUCT& item, RECT& rect, UINT format, UINT stateMask,
                              bool measureOnly) {
  const HDC dc = item.hDC;
  SelectScope font(dc, GetFont());
  const std::string text = GetWindowText();
  const UINT state = item.itemState & stateMask;
  if (format & DT_CALCRECT) {
    RECT measured = rect;
    DrawTextA(dc, text.c_str(), -1, &measured, format);
    if (format & DT_VCENTER) {
      const int height = measured.bottom - measured.top;
      measured.top = rect.top + ((rect.bottom - rect.top) - height) / 2;
      measured.bottom = measured.top + height;
    }
    rect = measured;
  }
  if (measureOnly) return;
  const UINT drawFormat = format & ~DT_CALCRECT;
  DcColoursScope keep(dc);
  if (state & ODS_DISABLED) {
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 1);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, text.c_str(), -1, &shifted, drawFormat);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT inPlace = rect;
    DrawTextA(dc, text.c_str(), -1, &inPlace, drawFormat);
    return;
  }
  RECT at = rect;
  if (state & ODS_SELECTED) OffsetRect(&at, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), -1, &at, drawFormat);
}

void CFlatButton::DrawIconFace(const DRAWITEMSTRUCT& item) {
  const auto icon = reinterpret_cast<HICON>(SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
  if (!icon) return;
  const SIZE size = IconSize(icon);
  RECT r = item.rcItem;
  Shrink(r, 2);
  int x = r.left + ((r.right - r.left) - size.cx) / 2;
  int y = r.top + ((r.bottom - r.top) - size.cy) / 2;
  if (item.itemState & ODS_SELECTED) {
    ++x;
    ++y;
  }
  if (item.itemState & ODS_DISABLED) {
    DrawStateA(item.hDC, GetSysColorBrush(COLOR_BTNHIGHLIGHT), nullptr,
               reinterpret_cast<LPARAM>(icon), 0, x + 1, y + 1, size.cx, size.cy,
               DST_ICON | DSS_MONO);
    DrawStateA(item.hDC, GetSysColorBrush(COLOR_BTNSHADOW), nullptr, reinterpret_cast<LPARAM>(icon),
               0, x, y, size.cx, size.cy, DST_ICON | DSS_MONO);
  } else {
    DrawIconEx(item.hDC, x, y, icon, size.cx, size.cy, 0, GetSysColorBrush(COLOR_BTNFACE),
               DI_NORMAL);
  }
}

void CFlatButton::DrawBitmapFace(const DRAWITEMSTRUCT& item) {
  const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  const RECT& r = item.rcItem;
  int x = r.left + ((r.right - r.left) - size.cx) / 2;
  int y = r.top + ((r.bottom - r.top) - size.cy) / 2;
  if (item.itemState & ODS_SELECTED) {
    ++x;
    ++y;
  }
  {
    MemoryDc source(CreateCompatibleDC(item.hDC));
    SelectScope selected(source.get(), bitmap);
    BitBlt(item.hDC, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  }
  RECT frame{x - 1, y - 1, x + size.cx + 1, y + size.cy + 1};
  FrameRect(item.hDC, &frame, GetSysColorBrush(COLOR_BTNFACE));
}

void CFlatButton::DrawCheckBox(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  RECT box;
  box.left = r.left + 2;
  box.top = r.top + ((r.bottom - r.top) - kCheckBoxSize) / 2;
  box.right = box.left + kCheckBoxSize;
  box.bottom = box.top + kCheckBoxSize;
  const bool disabled = (item.itemState & ODS_DISABLED) || !IsWindowEnabled(m_hWnd);
  const bool greyBox = (ButtonState() & (BST_INDETERMINATE | BST_PUSHED)) || disabled;
  const COLORREF boxColour = GetSysColor(greyBox ? COLOR_BTNFACE : COLOR_WINDOW);
  if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    const EdgeSpec edge = GetEdge(kEdgeCurrent);
    const int width = EdgeSpecWidth(edge);
    if (item.itemAction & ODA_DRAWENTIRE) FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT edged = box;
    InflateRect(&edged, width, width);
    DrawEdgeSpec(dc, edged, edge, BF_RECT);
    InflateRect(&edged, 1, 1);
    DrawEdgeSpec(dc, edged, 0);
    if (m_checked) {
      DrawCheckMark(dc, box, boxColour, GetSysColor(disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
    } else {
      BrushHandle brush(CreateSolidBrush(boxColour));
      FillRect(dc, &box, brush.get());
    }
  }
  RECT caption{box.right + 6, r.top, r.right - 3, r.bottom};
  DrawCaption(item, caption, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER,
              ~static_cast<UINT>(ODS_SELECTED), !(item.itemAction & ODA_DRAWENTIRE));
  if (!(m_options & kFlatNoFocusRect) &&
      ((item.itemAction & ODA_FOCUS) || (item.itemState & ODS_FOCUS))) {
    caption.left -= 1;
    DrawFocusRect(dc, &caption);
  }
}

void CFlatButton::DrawCheckMark(HDC dc, const RECT& rect, COLORREF box, COLORREF mark) {
  BitmapHandle tick(CreateBitmap(kCheckBoxSize, kCheckBoxSize, 1, 1, kCheckMarkBits));
  MemoryDc source(CreateCompatibleDC(dc));
  SelectScope selected(source.get(), tick.get());
  DcColoursScope keep(dc);
  SetTextColor(dc, mark);
  SetBkColor(dc, box);
  BitBlt(dc, rect.left, rect.top, kCheckBoxSize, kCheckBoxSize, source.get(), 0, 0, SRCCOPY);
}

void CFlatButton::TrackHot(LPARAM point) {
  if (m_hotEdge == m_normalEdge) return;
  const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  const RECT client = GetClientRect();
  const bool inside = PtInRect(&client, at) != FALSE;
  if (inside != m_hot) {
    m_hot = inside;
    Invalidate(true);
  }
  if (inside && GetCapture() != m_hWnd) SetCapture(m_hWnd);
  if (!inside && GetCapture() == m_hWnd) ReleaseCapture();
}

LRESULT CFlatButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!(wParam & MK_LBUTTON)) {
        if (m_tooltip) {
          RelayTooltipEvent(m_hWnd, m_tooltip.get(), message, wParam,
                            static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        }
        TrackHot(lParam);
      }
      break;
    case WM_LBUTTONDOWN:
      SetFocus(m_hWnd);
      break;
    case WM_LBUTTONUP:
      m_hot = false;
      break;
    case BM_SETCHECK:
      if (m_checked != static_cast<int>(wParam)) {
        m_checked = static_cast<int>(wParam);
        Invalidate(true);
      }
      return 0;
    case BM_GETCHECK:
      return m_checked;
    case BM_GETSTATE: {
      const LRESULT state = CallDefault(message, wParam, lParam);
      return m_checked ? (state | BST_CHECKED) : state;
    }
    case WM_SETFONT: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      MatchTooltipFont(m_tooltip.get(), reinterpret_cast<HFONT>(wParam));
      return result;
    }
    case WM_DESTROY:
      m_tooltip.Reset();
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
