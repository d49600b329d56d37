#include "Driver.h"

#include <vector>

namespace e2e {

namespace {

struct Search {
  const WindowQuery* query;
  HWND found;
};

bool HasChildWithText(HWND parent, const std::string& text) {
  struct ChildSearch {
    const std::string* text;
    bool found;
  } search{&text, false};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM context) {
        auto* s = reinterpret_cast<ChildSearch*>(context);
        if (Text(child) == *s->text) {
          s->found = true;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CheckTopWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  const WindowQuery& q = *search->query;
  if (!q.includeHidden && !IsWindowVisible(window)) return TRUE;
  if (!q.title.empty() && Text(window) != q.title) return TRUE;
  if (!q.className.empty()) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (q.className != name) return TRUE;
  }
  if (!q.childText.empty() && !HasChildWithText(window, q.childText)) return TRUE;
  search->found = window;
  return FALSE;
}

void PostMouse(HWND window, UINT message, WPARAM keys, int x, int y) {
  PostMessageA(window, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void SendMouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  input.mi.dx = MulDiv(at.x, 65535, width);
  input.mi.dy = MulDiv(at.y, 65535, height);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

}  // namespace

HWND FindTopWindow(const WindowQuery& query) {
  Search search{&query, nullptr};
  EnumWindows(CheckTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Find(const WindowQuery& query) {
  const HWND top = FindTopWindow(query);
  if (!top || query.controlId < 0) return top;
  return GetDlgItem(top, query.controlId);
}

std::string Text(HWND window) {
  std::vector<char> text(4096);
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text.data();
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

int CheckState(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
  return static_cast<int>(result);
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

void SendCommand(HWND window, int id) {
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void ClickAt(HWND window, int x, int y) {
  PostMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  PostMouse(window, WM_LBUTTONUP, 0, x, y);
}

void PressKey(HWND window, int virtualKey) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND target = window;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus) {
    target = info.hwndFocus;
  }
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
  PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
}

void Drag(POINT from, POINT to) {
  SendMouse(0, from);
  Sleep(100);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  Sleep(150);
  const int steps = 10;
  for (int i = 1; i <= steps; ++i) {
    SendMouse(0, POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    Sleep(40);
  }
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  Sleep(100);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (!condition()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return condition();
    Sleep(20);
  }
  return true;
}

}  // namespace e2e
