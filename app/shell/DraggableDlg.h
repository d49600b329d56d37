// CDraggableDlg: the base of every window of the program but the clocks: a
// caption-less dialog that option flags turn into a window dragged by any
// point (with hand cursors), kept inside the work area or its owner, rolled
// up and unrolled with a short animation, and decorated with a banner at the
// left, a bold title strip and a dismiss button. It also opens the program's
// message box (ShowMessage) owned by itself.
//
// Subclasses call CDraggableDlg::OnInitDialog first and then
// SetDialogOptions with their flags; flags set before the window exists are
// only stored.
#ifndef APP_SHELL_DRAGGABLEDLG_H
#define APP_SHELL_DRAGGABLEDLG_H

#include <windows.h>

#include <string>

#include "Dialog.h"
#include "FlatButton.h"
#include "GuiObjects.h"
#include "SmallHelpers.h"
#include "TipStatic.h"

// Option flags.
constexpr DWORD kDragAnyPoint = 0x01;
constexpr DWORD kKeepInWorkArea = 0x02;
constexpr DWORD kKeepInOwner = 0x04;
constexpr DWORD kRollOnShow = 0x08;
constexpr DWORD kRollBeforeClose = 0x10;
constexpr DWORD kBanner = 0x20;
constexpr DWORD kTitleStrip = 0x40;
constexpr DWORD kDismissButton = 0x80;

// The registered message "DDWM_UNROLL": first parameter 1 unrolls, 0 rolls up.
UINT DraggableUnrollMessage();

class CDraggableDlg : public CDialog {
 public:
  static constexpr int kRollStep = 24;
  static constexpr int kRollPauseMs = 5;

  CDraggableDlg(UINT templateId, HWND owner) : CDialog(templateId, owner) {}

  // Animates to expanded or collapsed; returns the new collapsed state.
  virtual bool Roll(bool expand);
  virtual bool IsMoving() const { return m_moving; }
  // The message box owned by this dialog; returns the chosen button's index
  // or cancelIndex.
  virtual int ShowMessage(const char* text, const char* title, int iconKind, const char* labels,
                          int cancelIndex, int defaultIndex);
  virtual DWORD GetDialogOptions() const { return m_options; }
  virtual void SetDialogOptions(DWORD flags);
  virtual bool OnMoveStart() { return true; }
  virtual void OnMoveEnd() {}
  virtual void OnMoving(UINT, RECT&) {}
  // The drag area is in client coordinates; empty means everywhere.
  virtual void SetDragArea(const RECT& area) { m_dragArea = area; }
  virtual bool IsInDragArea(POINT clientPoint) const;
  virtual void SetTitle(const char* text);
  virtual std::string GetTitle() const { return m_title; }
  virtual std::string GetTitleTip() const { return m_titleTip; }
  virtual void GetTitleReserve(SIZE& size) const;
  virtual void GetContentRect(RECT& rect) const;
  virtual void RebuildTitleBrush();
  virtual void LayoutDecorations();
  virtual void LoadBanner();
  virtual LRESULT OnDisplayChange(WPARAM bitsPerPixel, LPARAM size);
  virtual void OnExitSizeMove();
  virtual void OnEnterSizeMove();

  bool IsCollapsed() const { return m_collapsed; }
  int FullHeight() const { return m_fullHeight; }
  int RolledHeight() const { return m_rolledHeight; }
  COLORREF TitleColour() const { return m_titleColour; }
  HWND BannerWindow() const { return m_banner.m_hWnd; }
  HWND TitleLabelWindow() const { return m_titleLabel.m_hWnd; }
  HWND DismissButtonWindow() const { return m_dismiss.m_hWnd; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  int m_fullHeight = 100;
  std::string m_titleTip;

 private:
  bool OnSetCursor();
  void KeepInsideBounds(RECT& rect) const;
  void ApplyTitleStrip();
  void ApplyDismissButton();

  DWORD m_options = kDragAnyPoint;
  RECT m_dragArea{};
  bool m_moving = false;
  bool m_collapsed = true;
  int m_rolledHeight = 8;
  CTipStatic m_banner;
  BitmapHandle m_bannerBitmap;
  CFlatButton m_dismiss;
  COLORREF m_titleColour = 0;
  BrushHandle m_titleBrush;
  std::string m_title;
  CTipStatic m_titleLabel;
  FontHandle m_titleFont;
};

#endif
