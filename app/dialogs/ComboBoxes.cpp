#include "ComboBoxes.h"

#include <algorithm>

#include "GuiObjects.h"
#include "WindowHelpers.h"

bool CDataComboBox::SelectByData(LPARAM value, int after, int last) {
  const int count = static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
  const int end = last == kToEnd ? count : std::min(last, count);
  for (int i = std::max(after + 1, 0); i < end; ++i) {
    if (SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == value) {
      SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
      return true;
    }
  }
  return false;
}

LPARAM CDataComboBox::GetSelectedData() const {
  const LRESULT selected = SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0);
  if (selected < 0) return 0;
  return SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
}

RECT CFlatComboBox::DropButtonRect() const {
  RECT drop = GetClientRect();
  InflateRect(&drop, -2, -2);
  drop.left = drop.right - GetSystemMetrics(SM_CXVSCROLL);
  return drop;
}

void CFlatComboBox::PaintBorder() {
  WindowDc dc(m_hWnd);
  RECT frame = GetClientRect();
  InflateRect(&frame, -1, -1);
  const bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
  FrameRect(dc.get(), &frame, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
  RECT drop = DropButtonRect();
  DrawEdgeSpec(dc.get(), drop,
               m_dropPressed ? (kEdgeSpecSystemColourFrame | COLOR_BTNSHADOW) : BDR_RAISEDINNER);
  InflateRect(&drop, -1, -1);
  FrameRect(dc.get(), &drop, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CFlatComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      PaintBorder();
      return result;
    }
    case WM_LBUTTONDOWN: {
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const RECT drop = DropButtonRect();
      const bool pressed = PtInRect(&drop, at) != FALSE;
      if (pressed && !m_dropPressed) {
        m_dropPressed = true;
        Invalidate(false);
      }
      break;
    }
    case WM_LBUTTONUP:
      m_dropPressed = false;
      Invalidate(false);
      break;
    default:
      break;
  }
  return CDataComboBox::WindowProc(message, wParam, lParam);
}
