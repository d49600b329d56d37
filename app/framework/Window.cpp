#include "Window.h"

#include <vector>

#include "WindowObjectMap.h"

namespace {

// The object CreateEx is creating, bound by StandardWindowProc at the window's
// first message.
thread_local CWnd* t_creating = nullptr;

}  // namespace

CWnd::~CWnd() {
  if (!m_hWnd) return;
  if (m_ownsWindow) {
    DestroyWindow();
  } else {
    UnsubclassWindow();
  }
}

CWnd* CWnd::FromHandle(HWND window) { return FindWindowObject(window); }

LRESULT CALLBACK CWnd::StandardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = FromHandle(window);
  if (!object && t_creating) {
    object = t_creating;
    t_creating = nullptr;
    object->Bind(window, DefWindowProcA);
  }
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  return object->Dispatch(message, wParam, lParam);
}

void CWnd::Bind(HWND window, WNDPROC superProc) {
  m_hWnd = window;
  m_superProc = superProc;
  MapWindowObject(window, this);
}

void CWnd::Unbind() {
  if (m_replacedProc) {
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
  }
  UnmapWindowObject(m_hWnd);
  m_hWnd = nullptr;
  m_replacedProc = false;
  m_ownsWindow = false;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = m_hWnd;
  const WNDPROC superProc = m_superProc;
  LRESULT result = 0;
  try {
    result = WindowProc(message, wParam, lParam);
  } catch (...) {
    result = CallWindowProcA(superProc, window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY && FromHandle(window) == this) {
    Unbind();
    PostNcDestroy();
  }
  return result;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                    const RECT& rect, HWND parent, UINT id) {
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const bool ourClass =
      (GetClassInfoExA(instance, className, &info) || GetClassInfoExA(nullptr, className, &info)) &&
      info.lpfnWndProc == StandardWindowProc;
  const HMENU menuOrId =
      (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  if (ourClass) t_creating = this;
  const HWND window =
      CreateWindowExA(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent, menuOrId, instance, nullptr);
  t_creating = nullptr;
  if (!window) return false;
  if (!ourClass && !SubclassWindow(window)) {
    ::DestroyWindow(window);
    return false;
  }
  m_ownsWindow = true;
  return m_hWnd != nullptr;
}

bool CWnd::SubclassWindow(HWND window) {
  if (!window || m_hWnd || FromHandle(window)) return false;
  m_hWnd = window;
  PreSubclassWindow();
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (current == StandardWindowProc) {
    Bind(window, DefWindowProcA);
  } else {
    Bind(window, current);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardWindowProc));
    m_replacedProc = true;
  }
  return true;
}

bool CWnd::SubclassDlgItem(int id, HWND parent) { return SubclassWindow(GetDlgItem(parent, id)); }

HWND CWnd::UnsubclassWindow() {
  const HWND window = m_hWnd;
  if (window) Unbind();
  return window;
}

void CWnd::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

std::string CWnd::GetWindowText() const {
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(m_hWnd)) + 1);
  ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
  return text.data();
}

RECT CWnd::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(m_hWnd, &rect);
  return rect;
}

RECT CWnd::GetWindowRect() const {
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  return rect;
}

RECT CWnd::GetRectInParent() const {
  RECT rect = GetWindowRect();
  MapWindowPoints(HWND_DESKTOP, GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool CWnd::HasNonClientArea() const {
  const RECT window = GetWindowRect();
  const RECT client = GetClientRect();
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

bool CWnd::PreTranslateMessage(MSG*) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CWnd* control = FromHandle(item->hwndItem);
    if (control && control != this && control->DrawItem(*item)) return TRUE;
  }
  // A window without a frame has nothing outside its client area to paint,
  // and the default painting of that nothing still fetches a device context,
  // which under Wine costs several round trips to the server.
  if (message == WM_NCPAINT && !HasNonClientArea()) return 0;
  return CallDefault(message, wParam, lParam);
}

LRESULT CWnd::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_superProc ? m_superProc : DefWindowProcA, m_hWnd, message, wParam,
                         lParam);
}
