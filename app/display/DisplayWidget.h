// CDisplayWidget: the base of every window that draws part of a clock.
//
// A plain child window of the class "Korvath NRX Time Display Widget" that
// gives all display elements the same four things: a tooltip of its own;
// dragging the whole top-level window by any point of its surface (a press
// where no child control claims it climbs the parent chain as a non-client
// press); moving the widget alone inside its parent while Ctrl is held, with
// notifications to the parent when such a move begins (120) and ends (121);
// and passing a display-mode change on to every window inside it.
#ifndef APP_DISPLAY_DISPLAYWIDGET_H
#define APP_DISPLAY_DISPLAYWIDGET_H

#include <windows.h>

#include <string>

#include "GuiObjects.h"
#include "TooltipSlot.h"
#include "Window.h"

constexpr UINT DWN_BEGINMOVE = 120;
constexpr UINT DWN_ENDMOVE = 121;

class CDisplayWidget : public CWnd {
 public:
  static constexpr const char* kClassName = "Korvath NRX Time Display Widget";
  static constexpr int kTipTextSize = 80;

  CDisplayWidget();
  ~CDisplayWidget() override;

  // Registers the class if need be and creates the child window without a
  // title; rect is in parent coordinates.
  virtual bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
  virtual int GetId() const;
  virtual void SetId(int id);
  // Writes the size the widget wants; returns width x height.
  virtual int GetIdealSize(SIZE& size) = 0;
  // Registers text with this widget's tooltip for another window's client
  // area; nothing is stored.
  virtual void SetTooltip(const char* text, HWND toolWindow);
  // Keeps at most 79 characters of text and shows them for the whole client
  // area; an empty text switches the tooltip off, a null one too, keeping the
  // stored text.
  virtual void SetTooltipText(const char* text);
  virtual std::string GetTooltipText() const;
  // The tooltip takes the font and frees the one it had.
  virtual void SetTooltipFont(FontHandle font);
  virtual HWND GetTooltipWindow() const;
  // Client mouse messages go to the parent too, at the same point.
  virtual LRESULT RelayClientMouse(UINT message, WPARAM wParam, LPARAM lParam);
  // Non-client mouse messages go to the parent, unless the widget moves on
  // its own (Ctrl held on a Ctrl-movable widget).
  virtual LRESULT RelayNonClientMouse(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual bool RegisterWindowClass();
  virtual LRESULT OnEnterSizeMove();
  virtual LRESULT OnExitSizeMove();
  virtual LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
  // Sends the message to every window inside this one, at every depth.
  virtual void SendToDescendants(UINT message, WPARAM wParam, LPARAM lParam);

  // How many paints display widgets have done in this process; lets tests
  // and benchmarks see that nothing is redrawn without a change.
  static long PaintCount();

 protected:
  static void CountPaint();
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Sends the parent WM_NOTIFY with this widget's id and code.
  void NotifyParent(UINT code);
  bool CtrlMoveWanted() const;

  mutable CTooltipSlot m_hTooltip;  // made on the first mouse move over the widget
  char m_tipText[kTipTextSize];
  bool m_ctrlMovable;

 private:
  LRESULT HitTest();
};

#endif
