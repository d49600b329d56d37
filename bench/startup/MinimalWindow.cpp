// The floor of the start-up benchmark: a Win32 program that shows one
// window and waits, so its start-up is what Wine itself costs.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "VorlixStartupFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("VorlixStartupFloor", "Vorlix Startup Floor", WS_POPUP | WS_BORDER,
                              100, 100, 200, 100, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show == SW_HIDE ? SW_SHOW : show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
