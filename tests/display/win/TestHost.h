// A visible top-level window that hosts display widgets in the GUI tests and
// records the notifications they send it.
#ifndef TESTS_DISPLAY_WIN_TESTHOST_H
#define TESTS_DISPLAY_WIN_TESTHOST_H

#include <windows.h>

#include <cstdint>
#include <vector>

#include "Window.h"

struct RecordedNotify {
  UINT code;
  UINT_PTR id;
  HWND from;
  int32_t values[3];  // the clock list's three integers
};

class CTestHost : public CWnd {
 public:
  explicit CTestHost(int width = 700, int height = 400);
  ~CTestHost() override;

  std::vector<RecordedNotify> m_notifications;
  std::vector<UINT> m_messages;  // mouse presses and releases that reached the host
  LPARAM m_lastMousePoint = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Dispatches every message waiting now.
void PumpPending();
// The colour of a client pixel of a window as it was last painted.
COLORREF WindowPixel(HWND window, int x, int y);

// A fake UTC clock for the clocks: set the instant the clocks read.
void UseFakeUtc(int32_t utc);
void UseRealUtc();

#endif
