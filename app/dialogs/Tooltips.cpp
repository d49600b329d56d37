#include "Tooltips.h"

#include <commctrl.h>

#include <cstring>

namespace {

const char kOwnedFontProperty[] = "Vorlix.TooltipFont";

// The tooltip class's own procedure, saved when the program's first tooltip
// is made.
WNDPROC g_tooltipClassProc = nullptr;

FontHandle TakeOwnedFont(HWND tooltip) {
  auto font = static_cast<HFONT>(RemovePropA(tooltip, kOwnedFontProperty));
  return FontHandle::Adopt(font);
}

LRESULT CALLBACK TooltipHook(HWND tooltip, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    // Switch the tooltip away from our font before freeing it.
    CallWindowProcA(g_tooltipClassProc ? g_tooltipClassProc : DefWindowProcA, tooltip, WM_SETFONT,
                    reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    TakeOwnedFont(tooltip);
  }
  return CallWindowProcA(g_tooltipClassProc ? g_tooltipClassProc : DefWindowProcA, tooltip, message,
                         wParam, lParam);
}

HWND CreateTooltip(HWND owner) {
  static bool commonControlsReady = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)commonControlsReady;
  const HWND tooltip =
      CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                      GetModuleHandleA(nullptr), nullptr);
  if (!tooltip) return nullptr;
  const auto classProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tooltip, GWLP_WNDPROC));
  if (!g_tooltipClassProc) g_tooltipClassProc = classProc;
  SetWindowLongPtrA(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TooltipHook));
  return tooltip;
}

}  // namespace

HWND UpdateTooltip(HWND owner, WindowHandle& slot, const char* text, HWND tool) {
  if (!text) {
    SendMessageA(slot.get(), TTM_ACTIVATE, FALSE, 0);
    return slot.get();
  }
  if (!slot) slot.Reset(CreateTooltip(owner));
  const HWND tooltip = slot.get();
  if (!*text) {
    SendMessageA(tooltip, TTM_ACTIVATE, FALSE, 0);
    return tooltip;
  }
  SendMessageA(tooltip, TTM_ACTIVATE, TRUE, 0);
  const HWND target = tool ? tool : owner;
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(target);
  GetClientRect(target, &info.rect);
  info.hinst = GetModuleHandleA(nullptr);
  info.lpszText = const_cast<char*>(text);
  // A tool registered again replaces its earlier text.
  SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return tooltip;
}

void RelayTooltipEvent(HWND window, HWND tooltip, UINT message, WPARAM flags, int x, int y) {
  MSG relayed{};
  relayed.hwnd = window;
  relayed.message = message;
  relayed.wParam = flags;
  relayed.lParam = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
  relayed.time = 0;
  relayed.pt = POINT{x, y};
  ClientToScreen(window, &relayed.pt);
  SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void SetTooltipOwnedFont(HWND tooltip, FontHandle font, bool redraw) {
  if (!tooltip) return;
  SendMessageA(tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), redraw);
  FontHandle previous = TakeOwnedFont(tooltip);
  SetPropA(tooltip, kOwnedFontProperty, font.Release());
}

void MatchTooltipFont(HWND tooltip, HFONT font) {
  if (!tooltip) return;
  LOGFONTA wanted{};
  LOGFONTA current{};
  GetObjectA(font, sizeof wanted, &wanted);
  const auto tooltipFont = reinterpret_cast<HFONT>(SendMessageA(tooltip, WM_GETFONT, 0, 0));
  GetObjectA(tooltipFont, sizeof current, &current);
  if (_stricmp(wanted.lfFaceName, current.lfFaceName) == 0) return;
  wanted.lfWeight = FW_NORMAL;
  wanted.lfHeight = -11;
  SetTooltipOwnedFont(tooltip, FontHandle(CreateFontIndirectA(&wanted)), false);
}
