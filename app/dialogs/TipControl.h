// CTipControl: the base of the controls that keep a tooltip of their own
// (CFlatButton, CTipStatic): the tooltip window and its text (at most 79
// characters), the tooltip's font following the control's font, and the
// tooltip going with the control.
#ifndef APP_DIALOGS_TIPCONTROL_H
#define APP_DIALOGS_TIPCONTROL_H

#include "GuiObjects.h"
#include "TooltipSlot.h"
#include "Tooltips.h"
#include "Window.h"

class CTipControl : public CWnd {
 public:
  // Makes the tooltip window if it is due and not made yet.
  virtual HWND GetTooltipWindow() const;
  // Keeps at most kTooltipTextMax characters of text and shows them for the
  // control's client area; an empty text deactivates the tooltip; null
  // leaves the text and deactivates it.
  void SetTooltipText(const char* text);
  const char* GetTooltipText() const { return m_tipText; }

 protected:
  // Passes a mouse message (client point in lParam) on to the tooltip.
  void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) const;
  bool HasTooltipText() const { return m_tipText[0] != '\0'; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  mutable CTooltipSlot m_tooltip;
  char m_tipText[kTooltipTextMax + 1] = {};
};

#endif
