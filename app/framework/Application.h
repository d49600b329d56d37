// CWinApp: the application object and the program's message loop.
//
// The program defines one global object of a class derived from CWinApp; its
// WinMain calls Run(), which calls InitInstance and, when that returns true,
// pumps messages until the quit message, then ExitInstance. A dialog-based
// program runs its main dialog inside InitInstance with RunModalMain and
// returns false.
//
// Every message any loop of the program takes from the queue (this loop, and
// the modal loops of CDialog::DoModal) goes through PumpMessage: first the
// application's PreTranslateMessage, whose default walks from the target
// window up through its parents to the top-level window, asking each bound
// CWnd's PreTranslateMessage (a dialog answers with IsDialogMessage, so
// modeless dialogs get their keyboard navigation); a true answer swallows the
// message. Without an application object the same walk applies.
#ifndef APP_FRAMEWORK_APPLICATION_H
#define APP_FRAMEWORK_APPLICATION_H

#include <windows.h>

#include <string>

class CWnd;
class CDialog;

class CWinApp {
 public:
  // title: used as the caption of the framework's own message boxes; the
  // program file's name without extension when null.
  explicit CWinApp(const char* title = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The application object, or nullptr when none exists.
  static CWinApp* Current();

  int Run();
  virtual bool InitInstance() { return true; }
  virtual int ExitInstance() { return m_exitCode; }
  virtual bool PreTranslateMessage(MSG* message);

  // Makes dialog the main window for the time of its modal run.
  INT_PTR RunModalMain(CDialog& dialog);
  CWnd* MainWindow() const { return m_mainWindow; }
  void SetMainWindow(CWnd* window) { m_mainWindow = window; }
  const std::string& Title() const { return m_title; }

 protected:
  CWnd* m_mainWindow = nullptr;
  int m_exitCode = 0;

 private:
  std::string m_title;
};

// The walk from message->hwnd up to its top-level window.
bool PreTranslateThroughWindows(MSG* message);

// Takes one message from the queue (waiting for it), screens it and
// dispatches it. Returns false on the quit message, which it posts again so
// that every enclosing loop ends too.
bool PumpMessage();

// The caption of the framework's message boxes.
std::string ApplicationTitle();

#endif
