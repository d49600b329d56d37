#include "TestHost.h"

#include "GuiObjects.h"
#include "UtcClock.h"

namespace {

const char kHostClass[] = "Vorlix Display Test Host";

int32_t g_fakeUtc = 0;
int32_t FakeUtc() { return g_fakeUtc; }

}  // namespace

CTestHost::CTestHost(int width, int height) {
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  if (!GetClassInfoExA(GetModuleHandleA(nullptr), kHostClass, &info)) {
    info.lpfnWndProc = CWnd::StandardWindowProc;
    info.hInstance = GetModuleHandleA(nullptr);
    info.hCursor = LoadCursor(nullptr, IDC_ARROW);
    info.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    info.lpszClassName = kHostClass;
    RegisterClassExA(&info);
  }
  CreateEx(WS_EX_TOPMOST, kHostClass, "Display test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
           RECT{20, 20, 20 + width, 20 + height}, nullptr, 0);
  PumpPending();
}

CTestHost::~CTestHost() { DestroyWindow(); }

LRESULT CTestHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    RecordedNotify record{header->code, header->idFrom, header->hwndFrom, {0, 0, 0}};
    if (header->code == 100 || header->code == 101) {
      const auto* values = reinterpret_cast<const int32_t*>(header + 1);
      for (int i = 0; i < 3; ++i) record.values[i] = values[i];
    }
    m_notifications.push_back(record);
    return 0;
  }
  const bool move = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
  if ((message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) ||
      (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK)) {
    if (move) return 0;  // the real pointer's moves are not what the tests look at
    m_messages.push_back(message);
    m_lastMousePoint = lParam;
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

COLORREF WindowPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  WindowDc dc(window);
  return GetPixel(dc.get(), x, y);
}

void UseFakeUtc(int32_t utc) {
  g_fakeUtc = utc;
  SetUtcSource(FakeUtc);
}

void UseRealUtc() { SetUtcSource(nullptr); }
