// CDialog: a dialog from a dialog template in the program's resources, run
// modally (DoModal) or modeless (Create).
//
// The dialog is bound to its object before WM_INITDIALOG, so WindowProc sees
// every message from then on with the rule of CWnd (return the result; pass
// the rest to the base class). Override OnInitDialog, OnOK, OnCancel and
// DoDataExchange; OnCommand receives WM_COMMAND.
//
// DoModal does not use the platform's modal loop: it disables the owner and
// pumps messages itself through the application's PreTranslateMessage chain
// (Application.h), so accelerators and modeless dialogs keep working while a
// modal dialog is up. The run ends with EndDialog, or when the quit message
// arrives (which is posted again for the outer loops).
//
//   class CAskDlg : public CDialog {
//    public:
//     CAskDlg(HWND owner) : CDialog(IDD_ASK, owner) {}
//     void DoDataExchange(CDataExchange& dx) override {
//       ExchangeUnsigned(dx, IDC_COUNT, m_count);
//       ValidateUnsignedRange(dx, m_count, 1, 60);
//     }
//     uint32_t m_count = 5;
//   };
//   if (CAskDlg(owner).DoModal() == IDOK) ...
#ifndef APP_FRAMEWORK_DIALOG_H
#define APP_FRAMEWORK_DIALOG_H

#include "Window.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, HWND owner);
  ~CDialog() override;

  // Runs the dialog modally; returns what EndDialog was given, or -1 when the
  // window could not be made.
  INT_PTR DoModal();
  // Makes the modeless dialog (visible when its template says so).
  bool Create();
  // Ends a modal run with result; hides a modeless dialog.
  void EndDialog(INT_PTR result);

  // Moves values between the controls and the members. Reading from the
  // controls (saveAndValidate) stops at the first invalid value, which the
  // user has then been told about; returns false in that case.
  bool UpdateData(bool saveAndValidate);

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HWND GetOwner() const { return m_owner; }
  bool IsModal() const { return m_modalRunning; }

  bool PreTranslateMessage(MSG* message) override;

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange&) {}
  // WM_COMMAND; return true when handled. The default runs OnOK for IDOK and
  // OnCancel for IDCANCEL.
  virtual bool OnCommand(int id, int code, HWND control);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateWindowFromTemplate();

  UINT m_templateId;
  HWND m_owner;
  bool m_modalRunning = false;
  INT_PTR m_modalResult = -1;
};

#endif
