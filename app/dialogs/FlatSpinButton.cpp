#include "FlatSpinButton.h"

#include "GuiObjects.h"

LRESULT CFlatSpinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
  const LRESULT result = CallDefault(message, wParam, lParam);
  WindowDc dc(m_hWnd);
  const RECT client = GetClientRect();
  IntersectClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  // Out by one at the left (clipped away: the edit beside it shows), in by
  // one at the other sides.
  RECT frame{client.left - 1, client.top + 1, client.right - 1, client.bottom - 1};
  const bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
  FrameRect(dc.get(), &frame, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
  return result;
}
