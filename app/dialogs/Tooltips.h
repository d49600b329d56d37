// Tooltip plumbing shared by every control with a tooltip: creating, filling
// and switching off a tooltip, relaying mouse moves to it, and matching its
// font to the control's.
//
// Fonts given to a tooltip here belong to the tooltip window: the tooltip
// hook (the procedure of every tooltip made by UpdateTooltip) frees the one
// it holds when the tooltip is destroyed, after handing the tooltip the
// default GUI font. Owners of tooltips only destroy the tooltip window.
#ifndef APP_DIALOGS_TOOLTIPS_H
#define APP_DIALOGS_TOOLTIPS_H

#include <windows.h>

#include "GuiObjects.h"

// Longest tooltip text a control keeps, without the terminator.
constexpr int kTooltipTextMax = 79;

// text null: deactivates the tooltip in slot (if any) and returns it.
// Creates the tooltip in slot when it is empty (owned by owner). Empty text:
// deactivates it. Otherwise activates it and registers text for the client
// area of tool (owner when null), and keeps the tooltip topmost.
HWND UpdateTooltip(HWND owner, WindowHandle& slot, const char* text, HWND tool = nullptr);

// Sends one mouse message (client point x, y of window) to the tooltip.
void RelayTooltipEvent(HWND window, HWND tooltip, UINT message, WPARAM flags, int x, int y);

// Gives tooltip a font of font's face (weight 400, 11 pixels) when its
// current face differs (compared without case). Nothing for a null tooltip.
void MatchTooltipFont(HWND tooltip, HFONT font);

// Hands font to tooltip (redrawing it when asked); the tooltip's previous
// font from here is freed.
void SetTooltipOwnedFont(HWND tooltip, FontHandle font, bool redraw);

#endif
