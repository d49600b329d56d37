#include "Application.h"

#include "Dialog.h"
#include "Window.h"

namespace {

CWinApp* g_application = nullptr;

std::string ProgramFileStem() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

CWinApp::CWinApp(const char* title) : m_title(title ? title : ProgramFileStem()) {
  g_application = this;
}

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

CWinApp* CWinApp::Current() { return g_application; }

int CWinApp::Run() {
  if (InitInstance()) {
    while (PumpMessage()) {
    }
  }
  return ExitInstance();
}

bool CWinApp::PreTranslateMessage(MSG* message) { return PreTranslateThroughWindows(message); }

INT_PTR CWinApp::RunModalMain(CDialog& dialog) {
  m_mainWindow = &dialog;
  const INT_PTR result = dialog.DoModal();
  m_mainWindow = nullptr;
  return result;
}

bool PreTranslateThroughWindows(MSG* message) {
  for (HWND window = message->hwnd; window; window = GetParent(window)) {
    CWnd* object = CWnd::FromHandle(window);
    if (object && object->PreTranslateMessage(message)) return true;
    // Owned pop-ups stop the walk: their owner is not their container.
    if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

bool PumpMessage() {
  MSG message;
  const BOOL got = GetMessageA(&message, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
    return false;
  }
  CWinApp* application = CWinApp::Current();
  const bool swallowed = application ? application->PreTranslateMessage(&message)
                                     : PreTranslateThroughWindows(&message);
  if (!swallowed) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

std::string ApplicationTitle() {
  CWinApp* application = CWinApp::Current();
  return application ? application->Title() : ProgramFileStem();
}
