// The engine's notifications as one window message: the code in the first
// parameter; sent (the engine thread waits for the answer) or posted.
#ifndef APP_SHELL_WINDOWNOTIFICATIONSINK_H
#define APP_SHELL_WINDOWNOTIFICATIONSINK_H

#include <windows.h>

#include "NotificationSink.h"

class CWindowNotificationSink : public INotificationSink {
 public:
  CWindowNotificationSink(HWND window, UINT message) : m_window(window), m_message(message) {}
  intptr_t Send(uint32_t code, void* parameter) override {
    return SendMessageA(m_window, m_message, code, reinterpret_cast<LPARAM>(parameter));
  }
  void Post(uint32_t code) override { PostMessageA(m_window, m_message, code, 0); }

 private:
  HWND m_window;
  UINT m_message;
};

#endif
