// CFlatButton: an owner-drawn push button or check box in the program's flat
// look. Attach it to a button a template or the code made (SubclassDlgItem);
// it turns the button owner-drawn, draws a caption, icon or bitmap face and
// a border per state (an EdgeSpec for normal, hot, pushed and disabled),
// tracks the mouse for the hot state, keeps its own check state and has its
// own tooltip.
#ifndef APP_DIALOGS_FLATBUTTON_H
#define APP_DIALOGS_FLATBUTTON_H

#include <windows.h>

#include "GuiObjects.h"
#include "SmallHelpers.h"
#include "Tooltips.h"
#include "Window.h"

// State selectors of the edge operations.
constexpr UINT kEdgeNormal = 0x100000;
constexpr UINT kEdgePushed = ODS_SELECTED;
constexpr UINT kEdgeDisabled = ODS_DISABLED;
constexpr UINT kEdgeHot = ODS_HOTLIGHT;
constexpr UINT kEdgeCurrent = static_cast<UINT>(-1);

// Option flags.
constexpr int kFlatNoFocusRect = 0x1;
constexpr int kFlatDefaultOptions = 0x5;

class CFlatButton : public CWnd {
 public:
  virtual HANDLE SetIconImage(HICON icon);
  // Loads the icon resource at size x size (flags as for LoadImage) and sets
  // it; returns the previous image. Icons loaded without LR_SHARED belong to
  // the caller, who frees what SetIconImage hands back.
  virtual HANDLE LoadIconImage(HINSTANCE module, int resourceId, int size, UINT loadFlags);
  virtual HANDLE SetBitmapImage(HBITMAP bitmap);
  virtual HANDLE LoadBitmapImage(HINSTANCE module, int resourceId, UINT loadFlags);
  // Fills the button's bitmap with colour and draws edge (-1: none) round it.
  virtual void FillSwatch(Colour colour, EdgeSpec edge);
  virtual HWND GetTooltipWindow() const { return m_tooltip.get(); }
  // Stores edge for every selector given; returns edge.
  virtual EdgeSpec SetEdge(UINT selectors, EdgeSpec edge);
  // The edge of one selector, or of the current state for kEdgeCurrent.
  virtual EdgeSpec GetEdge(UINT selector) const;

  void SetOptions(int flags);
  int GetOptions() const { return m_options; }
  void SetCaptionFormat(UINT format) { m_captionFormat = format; }
  // At most kTooltipTextMax characters are kept; null switches the tooltip off.
  void SetTooltipText(const char* text);
  const char* GetTooltipText() const { return m_tipText; }
  // The string whose id is the button's control id, as tooltip.
  void LoadTooltipFromResource();
  // Resizes the button to its bitmap's size plus extra + 2 (not moving it).
  void SizeToImage(int extra);
  bool IsHot() const { return m_hot; }
  bool HasCheckBoxLook() const { return m_checkBoxLook; }

 protected:
  virtual void DrawCheckBox(const DRAWITEMSTRUCT& item);
  virtual void DrawTextFace(const DRAWITEMSTRUCT& item);
  virtual void DrawIconFace(const DRAWITEMSTRUCT& item);
  virtual void DrawBitmapFace(const DRAWITEMSTRUCT& item);
  virtual void DrawFrame(HDC dc, UINT buttonState, const RECT* rect);
  virtual void DrawCheckMark(HDC dc, const RECT& rect, COLORREF box, COLORREF mark);
  // Draws (or with DT_CALCRECT in format, measures into rect first) the
  // caption; stateMask selects which draw-state bits apply.
  virtual void DrawCaption(const DRAWITEMSTRUCT& item, RECT& rect, UINT format, UINT stateMask,
                           bool measureOnly);

  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  UINT ButtonState() const { return static_cast<UINT>(SendMessageA(m_hWnd, BM_GETSTATE, 0, 0)); }

 private:
  void TrackHot(LPARAM point);

  bool m_hot = false;
  bool m_checkBoxLook = false;
  int m_checked = 0;
  int m_options = kFlatDefaultOptions;
  UINT m_captionFormat = DT_CENTER;
  EdgeSpec m_normalEdge = 0;
  EdgeSpec m_pushedEdge = BDR_SUNKENOUTER;
  EdgeSpec m_disabledEdge = 0;
  EdgeSpec m_hotEdge = BDR_RAISEDINNER;
  WindowHandle m_tooltip;
  char m_tipText[kTooltipTextMax + 1] = {};
};

#endif
