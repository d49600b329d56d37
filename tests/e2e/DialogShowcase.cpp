// A small program that shows the program's dialog look for end-to-end tests
// and screenshots: "message" puts a four-button question in the message box
// (exit code: the chosen index); "dialog" runs a draggable dialog with
// banner, title strip, dismiss button and flat controls (exit code: 1 OK,
// 2 Cancel).
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstring>

#include "Application.h"
#include "ComboBoxes.h"
#include "DraggableDlg.h"
#include "FlatButton.h"
#include "FlatSpinButton.h"
#include "ImageButton.h"
#include "Resources.h"
#include "TipStatic.h"

namespace {

constexpr UINT kShowcaseDialog = 500;

class CShowcaseDlg : public CDraggableDlg {
 public:
  CShowcaseDlg() : CDraggableDlg(kShowcaseDialog, nullptr) {}

 protected:
  BOOL OnInitDialog() override {
    CDraggableDlg::OnInitDialog();
    m_periodic.SubclassDlgItem(1001, m_hWnd);
    m_spin.SubclassDlgItem(1003, m_hWnd);
    m_servers.SubclassDlgItem(1004, m_hWnd);
    m_lastUpdate.SubclassDlgItem(1005, m_hWnd);
    m_serversButton.SubclassDlgItem(1006, m_hWnd);
    m_ok.SubclassDlgItem(IDOK, m_hWnd);
    m_cancel.SubclassDlgItem(IDCANCEL, m_hWnd);
    for (CFlatButton* button :
         {&m_periodic, static_cast<CFlatButton*>(&m_serversButton), &m_ok, &m_cancel}) {
      button->SetOptions(kFlatNoFocusRect);
    }
    SendMessageA(m_periodic.m_hWnd, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(m_spin.m_hWnd, UDM_SETRANGE32, 1, 1440);
    SendMessageA(m_spin.m_hWnd, UDM_SETPOS32, 0, 60);
    for (const char* server : {"time.example.org", "pool.example.net"}) {
      SendMessageA(m_servers.m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(server));
    }
    SendMessageA(m_servers.m_hWnd, CB_SETCURSEL, 0, 0);
    m_lastUpdate.SetTooltipText("No synchronization has run yet");
    m_serversButton.SetIconImage(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                               MAKEINTRESOURCEA(IDI_MESSAGE_STORM),
                                                               IMAGE_ICON, 16, 16, LR_SHARED)));
    m_ok.SetTooltipText("Keep the changes");
    SetTitle("Synchronization Options");
    SetDialogOptions(0xFB);
    return TRUE;
  }

 private:
  CFlatButton m_periodic;
  CFlatSpinButton m_spin;
  CFlatComboBox m_servers;
  CTipStatic m_lastUpdate;
  CImageButton m_serversButton;
  CFlatButton m_ok;
  CFlatButton m_cancel;
};

class CShowcaseApp : public CWinApp {
 public:
  CShowcaseApp() : CWinApp("Vorlix showcase") {}

  bool InitInstance() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const char* scene = __argc > 1 ? __argv[1] : "dialog";
    if (std::strcmp(scene, "message") == 0) {
      // A hidden owner, as when the main window asks while minimised.
      CDraggableDlg owner(kShowcaseDialog, nullptr);
      owner.Create();
      m_exitCode = owner.ShowMessage(
          "Are you sure that you want to exit Vorlix?\nThe clocks stop & the time is no longer "
          "kept right.",
          "Confirm", 4, "&Yes|&No|&Minimize|&Help", 1, 0);
    } else {
      CShowcaseDlg dialog;
      m_exitCode = static_cast<int>(RunModalMain(dialog));
    }
    return false;
  }
};

CShowcaseApp g_application;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return CWinApp::Current()->Run(); }
