// CTooltipSlot: a control's tooltip window, made when it is first needed
// (the first mouse move over the control, or a caller asking for the
// window) rather than when its text is first set. Each tooltip is a
// top-level window, and a screen of clocks has five per clock: making them
// all at start-up would cost more than everything else the program does
// before it shows. Until the window exists the slot keeps what it was told
// (texts per tool, whether it is active, its font) and hands it over then.
#ifndef APP_DIALOGS_TOOLTIPSLOT_H
#define APP_DIALOGS_TOOLTIPSLOT_H

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "GuiObjects.h"

class CTooltipSlot {
 public:
  // As UpdateTooltip: null text deactivates, empty text deactivates, other
  // text activates and is registered for tool's client area (owner's when
  // tool is null).
  void Update(HWND owner, const char* text, HWND tool = nullptr);
  // The tooltip window, made now if something was ever set; null otherwise.
  // made tells whether this call made it.
  HWND Window(bool* made = nullptr);
  HWND Existing() const { return m_window.get(); }
  // The font goes to the tooltip window (now, or when it is made).
  void SetFont(FontHandle font);
  // Destroys the window and forgets everything set.
  void Reset();

 private:
  WindowHandle m_window;
  HWND m_owner = nullptr;
  bool m_wanted = false;  // something was set, so a window is due
  bool m_active = false;
  std::vector<std::pair<HWND, std::string>> m_tools;  // the latest text per tool
  FontHandle m_font;
};

#endif
