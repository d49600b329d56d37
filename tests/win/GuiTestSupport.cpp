#include "GuiTestSupport.h"

#include <commctrl.h>

#include <map>
#include <utility>
#include <vector>

namespace {

std::map<UINT_PTR, std::function<void()>>& PendingActions() {
  static std::map<UINT_PTR, std::function<void()>> actions;
  return actions;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto found = PendingActions().find(id);
  if (found == PendingActions().end()) return;
  std::function<void()> action = std::move(found->second);
  PendingActions().erase(found);
  action();
}

}  // namespace

void PumpFor(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG message;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  MSG message;
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return done();
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
  return true;
}

void RunLater(int ms, std::function<void()> action) {
  const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(ms), RunPendingAction);
  PendingActions()[id] = std::move(action);
}

namespace {

struct DialogSearch {
  HWND owner;
  HWND except;
  HWND found;
};

BOOL CALLBACK CheckDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || !IsWindowVisible(window) || window == search->except)
    return TRUE;
  if (search->owner && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectStatic(HWND window, LPARAM context) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (_stricmp(className, "Static") == 0) {
    const std::string text = WindowText(window);
    if (!text.empty()) reinterpret_cast<std::vector<std::string>*>(context)->push_back(text);
  }
  return TRUE;
}

}  // namespace

HWND FindOwnedDialog(HWND owner, HWND except) {
  DialogSearch search{owner, except, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), CheckDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string StaticTexts(HWND window) {
  std::vector<std::string> texts;
  EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : "\n") + text;
  return joined;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string RegisteredTooltipText(HWND tooltip, HWND owner, HWND tool) {
  char text[256] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool ? tool : owner);
  info.lpszText = text;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  return text;
}
