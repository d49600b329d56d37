// The program's entry point. Until the main clock window exists this shows a
// small window with the current UTC time, read through the zone library.
#include <windows.h>

#include <cstdio>
#include <ctime>

#include "Tzbase.h"
#include "ZoneTime.h"

namespace {

constexpr UINT_PTR kRepaintTimer = 1;

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

  const CZoneTime utc(*TB_GetZone(0));
  const time_t local = utc.m_local;
  char clock[64];
  std::strftime(clock, sizeof clock, "%H:%M:%S", std::gmtime(&local));
  char text[160];
  std::snprintf(text, sizeof text, "Vorlix\n\nUTC %s (%s)", clock,
                FormatUtcOffset(utc.CurrentOffsetMinutes()).c_str());
  SetBkMode(dc, TRANSPARENT);
  RECT textRect = client;
  DrawTextA(dc, text, -1, &textRect, DT_CENTER | DT_NOPREFIX | DT_CALCRECT);
  const int height = textRect.bottom - textRect.top;
  textRect = client;
  textRect.top += (client.bottom - client.top - height) / 2;
  DrawTextA(dc, text, -1, &textRect, DT_CENTER | DT_NOPREFIX);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetTimer(window, kRepaintTimer, 1000, nullptr);
      return 0;
    case WM_TIMER:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kRepaintTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "VorlixWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("VorlixWindow", "Vorlix", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 320, 160, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
