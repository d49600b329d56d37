#include "Dialog.h"

#include "Application.h"
#include "DataExchange.h"

namespace {

// The dialog being created, bound at the first message its dialog procedure
// receives (WM_SETFONT or WM_INITDIALOG).
thread_local CDialog* t_creatingDialog = nullptr;

}  // namespace

CDialog::CDialog(UINT templateId, HWND owner) : m_templateId(templateId), m_owner(owner) {}

CDialog::~CDialog() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog = t_creatingDialog;
  if (!dialog || FromHandle(window)) return FALSE;
  t_creatingDialog = nullptr;
  // Put our procedure in front of the dialog manager's: every later message
  // reaches WindowProc with full window-procedure results.
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  dialog->Bind(window, current);
  dialog->m_ownsWindow = true;
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StandardWindowProc));
  if (message == WM_INITDIALOG) {
    return static_cast<INT_PTR>(dialog->Dispatch(message, wParam, lParam));
  }
  return FALSE;
}

HWND CDialog::CreateWindowFromTemplate() {
  if (m_hWnd) return m_hWnd;
  t_creatingDialog = this;
  const HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                         m_owner, DialogProcedure, 0);
  t_creatingDialog = nullptr;
  return window;
}

bool CDialog::Create() { return CreateWindowFromTemplate() != nullptr; }

INT_PTR CDialog::DoModal() {
  const bool ownerWasEnabled = m_owner && IsWindowEnabled(m_owner);
  if (ownerWasEnabled) EnableWindow(m_owner, FALSE);
  m_modalResult = -1;
  if (CreateWindowFromTemplate()) {
    m_modalRunning = true;
    ShowWindow(m_hWnd, SW_SHOW);
    while (m_modalRunning && m_hWnd) {
      if (!PumpMessage()) break;
    }
    m_modalRunning = false;
  }
  // The owner gets the activation back before this window goes.
  if (ownerWasEnabled) EnableWindow(m_owner, TRUE);
  if (m_hWnd) {
    if (m_owner && GetActiveWindow() == m_hWnd) SetActiveWindow(m_owner);
    ::DestroyWindow(m_hWnd);
  }
  return m_modalResult;
}

void CDialog::EndDialog(INT_PTR result) {
  m_modalResult = result;
  if (m_modalRunning) {
    m_modalRunning = false;
    // Wake the loop in case no other message is on its way.
    PostMessageA(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd) {
    ShowWindow(m_hWnd, SW_HIDE);
  }
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange exchange(m_hWnd, saveAndValidate);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

bool CDialog::PreTranslateMessage(MSG* message) {
  if (!m_hWnd) return false;
  if (message->hwnd != m_hWnd && !IsChild(m_hWnd, message->hwnd)) return false;
  return IsDialogMessageA(m_hWnd, message) != FALSE;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
