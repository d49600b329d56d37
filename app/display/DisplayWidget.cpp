#include "DisplayWidget.h"

#include <windowsx.h>

#include <cstring>

#include "Tooltips.h"
#include "WindowHelpers.h"

namespace {

long g_paints = 0;

}  // namespace

long CDisplayWidget::PaintCount() { return g_paints; }

void CDisplayWidget::CountPaint() { ++g_paints; }

CDisplayWidget::CDisplayWidget() : m_tipText{}, m_ctrlMovable(false) {}

CDisplayWidget::~CDisplayWidget() { DestroyWindow(); }

bool CDisplayWidget::RegisterWindowClass() {
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoExA(instance, kClassName, &info)) return true;
  info.style = CS_DBLCLKS | CS_GLOBALCLASS;
  info.lpfnWndProc = CWnd::StandardWindowProc;
  info.hInstance = instance;
  info.hCursor = LoadCursor(nullptr, IDC_ARROW);
  info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  info.lpszClassName = kClassName;
  return RegisterClassExA(&info) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CDisplayWidget::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
  if (!RegisterWindowClass()) return false;
  return CreateEx(0, kClassName, "", style, rect, parent, id);
}

int CDisplayWidget::GetId() const { return GetDlgCtrlID(); }

void CDisplayWidget::SetId(int id) { SetWindowLongPtrA(m_hWnd, GWLP_ID, id); }

void CDisplayWidget::SetTooltip(const char* text, HWND toolWindow) {
  m_hTooltip.Update(m_hWnd, text, toolWindow);
}

void CDisplayWidget::SetTooltipText(const char* text) {
  if (text) {
    std::strncpy(m_tipText, text, kTipTextSize - 1);
    m_tipText[kTipTextSize - 1] = '\0';
    m_hTooltip.Update(m_hWnd, m_tipText);
  } else {
    m_hTooltip.Update(m_hWnd, nullptr);
  }
}

std::string CDisplayWidget::GetTooltipText() const { return m_tipText; }

void CDisplayWidget::SetTooltipFont(FontHandle font) { m_hTooltip.SetFont(std::move(font)); }

HWND CDisplayWidget::GetTooltipWindow() const { return m_hTooltip.Window(); }

LRESULT CDisplayWidget::RelayClientMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (m_tipText[0]) {
    if (const HWND tooltip = m_hTooltip.Window()) {
      RelayTooltipEvent(m_hWnd, tooltip, WM_MOUSEMOVE, wParam, point.x, point.y);
    }
  }
  const HWND parent = GetParent(m_hWnd);
  MapWindowPoints(m_hWnd, parent, &point, 1);
  return SendMessageA(parent, message, wParam, MAKELPARAM(point.x, point.y));
}

bool CDisplayWidget::CtrlMoveWanted() const {
  return m_ctrlMovable && (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

LRESULT CDisplayWidget::RelayNonClientMouse(UINT message, WPARAM wParam, LPARAM lParam,
                                            bool& handled) {
  if (CtrlMoveWanted()) return 0;
  handled = true;
  return SendMessageA(GetParent(m_hWnd), message, wParam, lParam);
}

LRESULT CDisplayWidget::HitTest() {
  if (CtrlMoveWanted()) return HTCAPTION;
  POINT client{};
  return CursorOnOwnSurface(m_hWnd, client) ? HTCAPTION : HTCLIENT;
}

void CDisplayWidget::NotifyParent(UINT code) {
  NMHDR header{};
  header.hwndFrom = m_hWnd;
  header.idFrom = static_cast<UINT_PTR>(GetId());
  header.code = code;
  SendMessageA(GetParent(m_hWnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT CDisplayWidget::OnEnterSizeMove() {
  if (CtrlMoveWanted()) {
    NotifyParent(DWN_BEGINMOVE);
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  return 0;
}

LRESULT CDisplayWidget::OnExitSizeMove() {
  NotifyParent(DWN_ENDMOVE);
  return 0;
}

namespace {

struct Broadcast {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

BOOL CALLBACK SendToOne(HWND window, LPARAM context) {
  const auto* broadcast = reinterpret_cast<const Broadcast*>(context);
  SendMessageA(window, broadcast->message, broadcast->wParam, broadcast->lParam);
  return TRUE;
}

}  // namespace

void CDisplayWidget::SendToDescendants(UINT message, WPARAM wParam, LPARAM lParam) {
  Broadcast broadcast{message, wParam, lParam};
  EnumChildWindows(m_hWnd, SendToOne, reinterpret_cast<LPARAM>(&broadcast));
}

LRESULT CDisplayWidget::OnDisplayChange(WPARAM wParam, LPARAM lParam) {
  SendToDescendants(WM_DISPLAYCHANGE, wParam, lParam);
  return CallDefault(WM_DISPLAYCHANGE, wParam, lParam);
}

LRESULT CDisplayWidget::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Mouse moves reach the tooltip through RelayClientMouse, once each; other
  // messages carry no cursor position and are not relayed.
  if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) {
    RelayClientMouse(message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
  }
  if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) {
    bool handled = false;
    RelayNonClientMouse(message, wParam, lParam, handled);
    if (handled) return 0;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  switch (message) {
    case WM_NCHITTEST:
      return HitTest();
    case WM_DESTROY:
      m_hTooltip.Reset();
      return CWnd::WindowProc(message, wParam, lParam);
    case WM_DISPLAYCHANGE:
      return OnDisplayChange(wParam, lParam);
    case WM_ENTERSIZEMOVE:
      return OnEnterSizeMove();
    case WM_EXITSIZEMOVE:
      return OnExitSizeMove();
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
