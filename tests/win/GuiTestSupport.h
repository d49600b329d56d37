// Helpers for the in-process GUI tests: pump messages, run code later from
// inside modal loops, find the platform's message box and read it.
#ifndef TESTS_WIN_GUITESTSUPPORT_H
#define TESTS_WIN_GUITESTSUPPORT_H

#include <windows.h>

#include <functional>
#include <string>

// Dispatches messages for about ms milliseconds.
void PumpFor(int ms);
// Dispatches messages until done() or timeout; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Runs action from the message loop that is running after ms milliseconds
// (a modal loop included).
void RunLater(int ms, std::function<void()> action);

// A visible top-level dialog window ("#32770") of this thread owned by owner
// (any owner when null), other than except; nullptr when there is none.
HWND FindOwnedDialog(HWND owner, HWND except = nullptr);
// The texts of a window's static children joined by "\n".
std::string StaticTexts(HWND window);
std::string WindowText(HWND window);
// The text a tooltip control of owner holds for the tool that is tool's
// client area (owner's when null).
std::string RegisteredTooltipText(HWND tooltip, HWND owner, HWND tool = nullptr);

#endif
