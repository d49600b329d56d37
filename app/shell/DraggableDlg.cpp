#include "DraggableDlg.h"

#include "MessageBoxDlg.h"
#include "Resources.h"
#include "WindowHelpers.h"

namespace {

// Obtained once, before the program's entry routine runs.
const UINT g_unrollMessage = RegisterWindowMessageA("DDWM_UNROLL");

constexpr int kTitleStripHeight = 16;
constexpr int kDismissSize = 18;

int ScreenBitsPerPixel() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), BITSPIXEL);
}

bool IsTopmost(HWND window) {
  return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

UINT DraggableUnrollMessage() { return g_unrollMessage; }

BOOL CDraggableDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const RECT window = GetWindowRect();
  m_fullHeight = window.bottom - window.top;
  m_collapsed = (m_options & kRollOnShow) != 0;
  if (m_collapsed) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, m_rolledHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // In front of every window of its band; a dialog of a topmost owner stays
  // topmost.
  if (!IsTopmost(m_hWnd)) {
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (!(owner && IsTopmost(owner))) {
      SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  return TRUE;
}

void CDraggableDlg::SetDialogOptions(DWORD flags) {
  m_options = flags;
  if (!m_hWnd) return;
  RECT window = GetWindowRect();
  if ((flags & kRollOnShow) && !IsWindowVisible(m_hWnd)) {
    m_collapsed = true;
    SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left, m_rolledHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window = GetWindowRect();
  }
  if (flags & kKeepInWorkArea) {
    bool moved = MoveRectInside(window, WorkArea());
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (!moved && (flags & kKeepInOwner) && owner) moved = MoveRectInsideWindow(window, owner);
    if (moved) {
      SetWindowPos(m_hWnd, nullptr, window.left, window.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (flags & kBanner) {
    LoadBanner();
    ShowWindow(m_banner.m_hWnd, SW_SHOW);
  } else if (m_banner.m_hWnd) {
    ShowWindow(m_banner.m_hWnd, SW_HIDE);
  }
  ApplyTitleStrip();
  ApplyDismissButton();
  LayoutDecorations();
}

void CDraggableDlg::ApplyTitleStrip() {
  if (!(m_options & kTitleStrip)) {
    if (m_titleLabel.m_hWnd) ShowWindow(m_titleLabel.m_hWnd, SW_HIDE);
    return;
  }
  RebuildTitleBrush();
  if (m_titleLabel.m_hWnd) {
    SetWindowTextA(m_titleLabel.m_hWnd, m_title.c_str());
  } else {
    m_titleLabel.CreateEx(0, "STATIC", m_title.c_str(), WS_CHILD | WS_VISIBLE, RECT{}, m_hWnd,
                          IDC_TITLE_LABEL);
    const HFONT dialogFont = GetFont();
    if (dialogFont) {
      LOGFONTA bold{};
      GetObjectA(dialogFont, sizeof bold, &bold);
      bold.lfWeight = 800;
      m_titleFont.Reset(CreateFontIndirectA(&bold));
      m_titleLabel.SetFont(m_titleFont.get());
    }
  }
  m_titleLabel.SetTooltipText(m_titleTip.c_str());
  ShowWindow(m_titleLabel.m_hWnd, SW_SHOW);
}

void CDraggableDlg::ApplyDismissButton() {
  if (!(m_options & kDismissButton)) {
    if (m_dismiss.m_hWnd) ShowWindow(m_dismiss.m_hWnd, SW_HIDE);
    return;
  }
  if (!m_dismiss.m_hWnd) {
    m_dismiss.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_ICON, RECT{}, m_hWnd,
                       IDC_DISMISS);
    m_dismiss.LoadIconImage(GetModuleHandleA(nullptr), IDI_DISMISS, 16, LR_SHARED);
    m_dismiss.SetTooltipText("Dismiss this window");
    m_dismiss.SetFont(GetFont());
  }
  ShowWindow(m_dismiss.m_hWnd, SW_SHOW);
}

void CDraggableDlg::LayoutDecorations() {
  RECT banner{};
  if (m_banner.m_hWnd) banner = m_banner.GetRectInParent();
  const RECT client = GetClientRect();
  if ((m_options & kTitleStrip) && m_titleLabel.m_hWnd) {
    const int x = (m_options & kBanner) ? banner.right + 8 : client.left;
    SIZE reserve{};
    GetTitleReserve(reserve);
    SetWindowPos(m_titleLabel.m_hWnd, nullptr, x, 1, client.right - reserve.cx - x, 15,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  if ((m_options & kDismissButton) && m_dismiss.m_hWnd) {
    SetWindowPos(m_dismiss.m_hWnd, nullptr, client.right - kDismissSize, 0, kDismissSize,
                 kDismissSize, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void CDraggableDlg::LoadBanner() {
  if (!m_banner.m_hWnd) {
    m_banner.CreateEx(0, "STATIC", m_title.c_str(), WS_CHILD | WS_VISIBLE | SS_BITMAP,
                      RECT{0, 0, 10, 10}, m_hWnd, 0);
  } else {
    SendMessageA(m_banner.m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, 0);
  }
  const int id = ScreenBitsPerPixel() <= 8 ? IDB_BANNER_LOW_COLOUR : IDB_BANNER;
  m_bannerBitmap.Reset(static_cast<HBITMAP>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  SendMessageA(m_banner.m_hWnd, STM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(m_bannerBitmap.get()));
}

void CDraggableDlg::RebuildTitleBrush() {
  m_titleColour = PALETTERGB(0, 0, 0) | LightenColour(GetSysColor(COLOR_BTNFACE), 0.5);
  m_titleBrush.Reset(CreateSolidBrush(m_titleColour));
}

void CDraggableDlg::SetTitle(const char* text) {
  if (text && *text) {
    m_title = text[0] == ' ' ? text : std::string(" ") + text;
    if (!(m_options & kTitleStrip)) SetDialogOptions(m_options | kTitleStrip);
  } else {
    m_title.clear();
    SetDialogOptions(m_options & ~kTitleStrip);
  }
  if (m_titleLabel.m_hWnd) SetWindowTextA(m_titleLabel.m_hWnd, m_title.c_str());
}

void CDraggableDlg::GetTitleReserve(SIZE& size) const {
  size.cx = (m_options & kDismissButton) ? 19 : 0;
  size.cy = 18;
}

void CDraggableDlg::GetContentRect(RECT& rect) const {
  rect = GetClientRect();
  if ((m_options & kBanner) && m_banner.m_hWnd) rect.left = m_banner.GetRectInParent().right;
  if (m_options & kTitleStrip) rect.top += kTitleStripHeight;
}

bool CDraggableDlg::IsInDragArea(POINT clientPoint) const {
  return IsRectEmpty(&m_dragArea) || PtInRect(&m_dragArea, clientPoint);
}

void CDraggableDlg::KeepInsideBounds(RECT& rect) const {
  if (m_options & kKeepInWorkArea) {
    MoveRectInside(rect, WorkArea());
  } else if (m_options & kKeepInOwner) {
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner) MoveRectInsideWindow(rect, owner);
  }
}

bool CDraggableDlg::Roll(bool expand) {
  if (expand != m_collapsed) return m_collapsed;
  const int steps = (m_fullHeight - m_rolledHeight) / kRollStep;
  int height = expand ? m_rolledHeight : m_fullHeight;
  const int step = expand ? kRollStep : -kRollStep;
  const int target = expand ? m_fullHeight : m_rolledHeight;
  RECT rect = GetWindowRect();
  const RECT workArea = WorkArea();
  for (int i = 0; i < steps; ++i) {
    if (expand) {
      rect.bottom = rect.top + height;
      MoveRectInside(rect, workArea);
      SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      SetWindowPos(m_hWnd, nullptr, 0, 0, rect.right - rect.left, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateWindow(m_hWnd);
    Sleep(kRollPauseMs);
    height += step;
  }
  rect.bottom = rect.top + target;
  MoveRectInside(rect, workArea);
  SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, target,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_collapsed = !m_collapsed;
  return m_collapsed;
}

int CDraggableDlg::ShowMessage(const char* text, const char* title, int iconKind,
                               const char* labels, int cancelIndex, int defaultIndex) {
  CMessageBoxDlg box(m_hWnd, text, title, iconKind, labels, cancelIndex, defaultIndex);
  box.DoModal();
  return box.Result();
}

void CDraggableDlg::OnOK() {
  // Validate before rolling up: a refused value keeps the dialog open and
  // must stay visible.
  if (!UpdateData(true)) return;
  if (m_options & kRollBeforeClose) Roll(false);
  EndDialog(IDOK);
}

void CDraggableDlg::OnCancel() {
  if (m_options & kRollBeforeClose) Roll(false);
  CDialog::OnCancel();
}

bool CDraggableDlg::OnCommand(int id, int code, HWND control) {
  if (id == IDC_DISMISS && code == BN_CLICKED) {
    OnCancel();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

LRESULT CDraggableDlg::OnDisplayChange(WPARAM, LPARAM) {
  // Only a dialog that shows a banner gets one.
  if ((m_options & kBanner) || m_banner.m_hWnd) LoadBanner();
  return 0;
}

void CDraggableDlg::OnEnterSizeMove() { m_moving = OnMoveStart(); }

void CDraggableDlg::OnExitSizeMove() {
  OnMoveEnd();
  m_moving = false;
}

bool CDraggableDlg::OnSetCursor() {
  if (IsIconic(m_hWnd)) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return true;
  }
  if (!(m_options & kDragAnyPoint)) return false;
  POINT client{};
  if (CursorOnOwnSurface(m_hWnd, client) && IsInDragArea(client)) {
    SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_OPEN)));
    return true;
  }
  return false;
}

LRESULT CDraggableDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_unrollMessage) {
    Roll(wParam != 0);
    return 0;
  }
  switch (message) {
    case WM_NCHITTEST: {
      const LRESULT hit = CallDefault(message, wParam, lParam);
      POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(m_hWnd, &client);
      if ((m_options & kDragAnyPoint) && IsInDragArea(client)) return HTCAPTION;
      return hit;
    }
    case WM_NCLBUTTONDOWN:
      if (m_options & kDragAnyPoint) {
        SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CLOSED)));
      }
      break;
    case WM_SETCURSOR:
      if (OnSetCursor()) return TRUE;
      break;
    case WM_MOVING: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      auto* proposed = reinterpret_cast<RECT*>(lParam);
      if (proposed) {
        KeepInsideBounds(*proposed);
        OnMoving(static_cast<UINT>(wParam), *proposed);
      }
      return result;
    }
    case WM_ENTERSIZEMOVE:
      OnEnterSizeMove();
      break;
    case WM_EXITSIZEMOVE:
      OnExitSizeMove();
      break;
    case WM_SHOWWINDOW: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      if (wParam && (m_options & kRollOnShow)) PostMessageA(m_hWnd, g_unrollMessage, 1, 0);
      return result;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: {
      const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
      if (reinterpret_cast<HWND>(lParam) == m_titleLabel.m_hWnd && m_titleLabel.m_hWnd) {
        SetBkColor(reinterpret_cast<HDC>(wParam), m_titleColour);
        return reinterpret_cast<LRESULT>(m_titleBrush.get());
      }
      return result;
    }
    case WM_SYSCOLORCHANGE:
      RebuildTitleBrush();
      break;
    case WM_DISPLAYCHANGE:
      return OnDisplayChange(wParam, lParam);
    case WM_DESTROY:
      m_titleBrush.Reset();
      if (m_banner.m_hWnd) SendMessageA(m_banner.m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, 0);
      m_bannerBitmap.Reset();
      // The dismiss icon is shared (loaded with LR_SHARED): the platform owns it.
      break;
    case WM_NCDESTROY: {
      // The label is gone with its parent; its bold font can go now.
      const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
      m_titleFont.Reset();
      return result;
    }
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
