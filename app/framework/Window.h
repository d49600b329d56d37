// CWnd: a C++ object bound to a window handle, with one virtual window
// procedure.
//
// Binding. A window made by CreateEx, a dialog made by CDialog, or an existing
// window taken over with SubclassWindow/SubclassDlgItem is bound to its object
// until WM_NCDESTROY; FromHandle finds the object of a handle. Window classes
// of our own register StandardWindowProc as their procedure; CreateEx then
// binds the object before the first message (WM_GETMINMAXINFO/WM_NCCREATE).
// Windows of the platform's classes (buttons, statics, combo boxes) are bound
// right after creation by subclassing.
//
// Handling rule. Every message reaches the virtual WindowProc. A class answers
// the messages it handles by returning the result; everything else it passes
// to its base class's WindowProc, which ends in CWnd::WindowProc and the
// platform's default processing (CallDefault: the window's original
// procedure). A handler that needs default processing first calls
// CallDefault itself and then adds its own work. No exception leaves the
// window procedure: one that escapes WindowProc ends in default processing.
//
//   class CMyButton : public CWnd {
//     LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
//       if (message == WM_MOUSEMOVE) { Track(); }           // then fall through
//       if (message == WM_GETDLGCODE) return DLGC_BUTTON;   // handled
//       return CWnd::WindowProc(message, wParam, lParam);
//     }
//   };
//   CMyButton button; button.SubclassDlgItem(IDOK, dialog.m_hWnd);
//
// Owner drawing. A parent passes WM_DRAWITEM on to the object bound to the
// control (CWnd::WindowProc does it), so a control class draws itself by
// overriding DrawItem.
//
// PreTranslateMessage is the pre-dispatch hook of the message loop (see
// Application.h): return true to swallow the message.
#ifndef APP_FRAMEWORK_WINDOW_H
#define APP_FRAMEWORK_WINDOW_H

#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The object bound to a window, or nullptr.
  static CWnd* FromHandle(HWND window);
  // The procedure that window classes of our own register.
  static LRESULT CALLBACK StandardWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

  // Creates a window of any class and binds it; rect is in parent client
  // coordinates. The object then owns the window (destroyed with the object).
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                const RECT& rect, HWND parent, UINT id);
  // Binds an existing window (a control from a dialog template) by replacing
  // its procedure; PreSubclassWindow runs first. The window stays the
  // platform's: the object gives it back, undestroyed, when it dies first.
  bool SubclassWindow(HWND window);
  bool SubclassDlgItem(int id, HWND parent);
  // Gives the window its original procedure back and unbinds it.
  HWND UnsubclassWindow();
  void DestroyWindow();

  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  std::string GetWindowText() const;
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }
  void SetFont(HFONT font, bool redraw = true) {
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  // The window rectangle in the parent's client coordinates.
  RECT GetRectInParent() const;
  // Whether the window has a frame, border or bar outside its client area.
  bool HasNonClientArea() const;
  // Nothing for a window that is not visible (itself or an ancestor hidden):
  // showing it paints all of it anyway.
  void Invalidate(bool erase = true) const {
    if (IsWindowVisible(m_hWnd)) InvalidateRect(m_hWnd, nullptr, erase);
  }

  virtual bool PreTranslateMessage(MSG* message);

  HWND m_hWnd = nullptr;

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The platform's default processing: the window's original procedure.
  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
  // An owner-drawn control draws itself: the parent hands WM_DRAWITEM to the
  // control's object. Return true when drawn.
  virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
  // Called before a window is subclassed (the attach hook).
  virtual void PreSubclassWindow() {}
  // Called after the window is gone and the object unbound.
  virtual void PostNcDestroy() {}

 private:
  friend class CDialog;
  void Bind(HWND window, WNDPROC superProc);
  void Unbind();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC m_superProc = nullptr;
  bool m_replacedProc = false;  // the window's procedure was replaced by ours
  bool m_ownsWindow = false;    // the window is destroyed with the object
};

#endif
