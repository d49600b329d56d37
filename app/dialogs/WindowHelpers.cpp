#include "WindowHelpers.h"

bool MoveRectInside(RECT& rect, const RECT& bounds) {
  Rect moved = ToRect(rect);
  const bool changed = MoveRectInside(moved, ToRect(bounds));
  rect = ToRECT(moved);
  return changed;
}

bool MoveRectInsideWindow(RECT& rect, HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return MoveRectInside(rect, bounds);
}

void DrawEdgeSpec(HDC dc, const RECT& rect, EdgeSpec spec, UINT sides) {
  const EdgeSpec kind = spec & 0xFF000000;
  const EdgeSpec value = spec & 0x00FFFFFF;
  if (spec == 0) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  } else if (kind == kEdgeSpecColourFrame) {
    BrushHandle brush(CreateSolidBrush(value));
    FrameRect(dc, &rect, brush.get());
  } else if (kind == kEdgeSpecSystemColourFrame) {
    FrameRect(dc, &rect, GetSysColorBrush(static_cast<int>(value)));
  } else {
    RECT edge = rect;
    DrawEdge(dc, &edge, spec, sides);
  }
}

IconHandle LoadIconSized(int resourceId, bool large) {
  const int size = GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  return IconHandle(static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0)));
}

int PointsToFontHeight(HDC dc, double points) {
  return PointsToFontHeight(GetDeviceCaps(dc, LOGPIXELSY), points);
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

bool CursorOnOwnSurface(HWND window, POINT& client) {
  POINT screen{};
  GetCursorPos(&screen);
  client = screen;
  ScreenToClient(window, &client);
  const HWND child = ChildWindowFromPointEx(
      window, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
  if (!child || child == window) return true;
  return SendMessageA(child, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT;
}
