// CTipStatic: a static control with a tooltip of its own (the clock's date
// line, the title strip and the banner of the draggable dialogs).
#ifndef APP_DIALOGS_TIPSTATIC_H
#define APP_DIALOGS_TIPSTATIC_H

#include "GuiObjects.h"
#include "Tooltips.h"
#include "Window.h"

class CTipStatic : public CWnd {
 public:
  HWND GetTooltipWindow() const { return m_tooltip.get(); }
  // Keeps at most kTooltipTextMax characters; an empty text deactivates the
  // tooltip; null leaves the text and deactivates the tooltip.
  void SetTooltipText(const char* text);
  const char* GetTooltipText() const { return m_tipText; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  WindowHandle m_tooltip;
  char m_tipText[kTooltipTextMax + 1] = {};
};

#endif
