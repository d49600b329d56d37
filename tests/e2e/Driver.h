// A driver for end-to-end tests: finds the windows of another program (run
// under the same Wine server or on Windows) by title, class, control id and
// child text, reads their texts, rectangles and states, and sends commands,
// clicks, keys and mouse drags, the way an assistive tool would.
#ifndef TESTS_E2E_DRIVER_H
#define TESTS_E2E_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// What to look for: a visible top-level window whose title, class and
// children match every field given (empty fields match anything), then
// optionally one of its descendants by control id.
struct WindowQuery {
  std::string title;           // exact window text of the top-level window
  std::string className;       // its class name, such as "#32770"
  std::string childText;       // some descendant has exactly this text
  bool includeHidden = false;  // hidden top-level windows count too
  int controlId = -1;          // the descendant with this id (-1: the top-level itself)
};

HWND FindTopWindow(const WindowQuery& query);
// The top-level window, or its control when controlId is given.
HWND Find(const WindowQuery& query);

std::string Text(HWND window);
RECT WindowRect(HWND window);
RECT ClientRect(HWND window);
bool IsEnabled(HWND window);
bool IsVisible(HWND window);
// BM_GETCHECK: 0 unchecked, 1 checked, 2 indeterminate.
int CheckState(HWND window);
RECT WorkArea();

// WM_COMMAND with id (BN_CLICKED), posted to window.
void SendCommand(HWND window, int id);
// A button's own click (BM_CLICK), posted.
void ClickButton(HWND button);
// Left button down and up at a client point, posted to the window.
void ClickAt(HWND window, int x, int y);
// Key down and up, posted to the window that has the keyboard focus in
// window's thread (or to window when none has).
void PressKey(HWND window, int virtualKey);
// Real mouse input through the system: press at one screen point, move in
// steps to the other, release.
void Drag(POINT from, POINT to);

// Polls condition every 20 ms until it holds or timeoutMs passes.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

}  // namespace e2e

#endif
