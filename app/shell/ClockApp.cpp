#include "ClockApp.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "ClockWidget.h"
#include "KorvathTimeDlg.h"
#include "NameResolver.h"
#include "ServerListStore.h"
#include "ShellCommands.h"
#include "ShellResources.h"
#include "SystemClock.h"

namespace {

constexpr size_t kPaletteResourceSize = 1028;

CNtpEngine::Seams EngineSeams(platform::ISystemClock& clock) {
  return CNtpEngine::Seams{&clock, &platform::SystemResolver(), platform::MachineClockIsCoarse(),
                           123};
}

bool IsMouseOrKeyboardInput(UINT message) {
  switch (message) {
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_ACTIVATEAPP:
    case WM_SETCURSOR:
    case WM_MOUSEACTIVATE:
    case WM_NCACTIVATE:
      return true;
    default:
      return (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) ||
             (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
             (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
  }
}

}  // namespace

bool CommandLineAsksDryRun(const char* commandLine) {
  if (!commandLine) return false;
  const std::string line = commandLine;
  for (size_t at = 0; (at = line.find("dryrun", at)) != std::string::npos; ++at) {
    const bool switchBefore = at > 0 && (line[at - 1] == '/' || line[at - 1] == '-');
    const size_t end = at + 6;
    const bool wordEnds = end == line.size() || line[end] == ' ' || line[end] == '"';
    if (switchBefore && wordEnds) return true;
  }
  return false;
}

CClockApp::CClockApp() : CClockApp(CommandLineAsksDryRun(GetCommandLineA())) {}

CClockApp::CClockApp(bool dryRun)
    : CWinApp("Vorlix"),
      m_dryRun(dryRun),
      m_readOnlyClock(platform::MachineClock()),
      m_engine(EngineSeams(m_dryRun ? static_cast<platform::ISystemClock&>(m_readOnlyClock)
                                    : platform::MachineClock())) {
  LoadServerLists(m_engine, m_unused, kSettingsFile);
  LoadSyncSettings(m_engine, m_schedule, kSettingsFile);
}

CClockApp::~CClockApp() {
  m_engine.Stop();
  SaveSyncSettings(m_engine, m_schedule, m_unused, kSettingsFile);
  m_palette.Reset();
  m_fonts.ClearFontTable();
}

bool CClockApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  if (HWND running = FindWindowA("#32770", kMainWindowTitle)) {
    if (!IsWindowVisible(running)) SendMessageA(running, WM_COMMAND, kCmdHideShow, 0);
    SetForegroundWindow(running);
    return false;
  }

  m_fonts.RebuildFontTable();
  CClockWidget::SetZoneChooserOpener([](CClockWidget& clock) { TheApp().ShowZoneChooser(clock); });
  {
    CKorvathTimeDlg mainWindow;
    RunModalMain(mainWindow);
  }
  SetMainWindow(nullptr);
  return false;
}

bool CClockApp::PreTranslateMessage(MSG* message) {
  if (m_hChooser && !IsWindowVisible(m_hChooser)) m_hChooser = nullptr;
  CWnd* main = MainWindow();
  if (!main || !IsWindow(main->m_hWnd)) return true;  // swallowed
  if (m_hChooser && message->hwnd != m_hChooser && !IsChild(m_hChooser, message->hwnd) &&
      GetAncestor(message->hwnd, GA_PARENT) != GetDesktopWindow() &&
      IsMouseOrKeyboardInput(message->message)) {
    return true;
  }
  return CWinApp::PreTranslateMessage(message);
}

int CClockApp::ShowZoneChooser(CClockWidget&) {
  // The zone chooser window does not exist yet; nothing opens.
  return 0;
}

HPALETTE CClockApp::GetAppPalette() {
  m_palette.Reset();
  HINSTANCE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_APP_PALETTE), "LOGPALETTE");
  if (!found || SizeofResource(module, found) < kPaletteResourceSize) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return nullptr;
  // A copy, so the palette is built from memory of ours, aligned for the header.
  union {
    LOGPALETTE header;
    unsigned char bytes[kPaletteResourceSize];
  } copy;
  std::memcpy(copy.bytes, bytes, kPaletteResourceSize);
  m_palette.Reset(CreatePalette(&copy.header));
  return m_palette.get();
}

int CClockApp::ShowMessage(const char* text, const char* title, int iconKind, const char* labels,
                           int cancelIndex, int defaultIndex) {
  auto* main = dynamic_cast<CKorvathTimeDlg*>(MainWindow());
  if (!main || !IsWindow(main->m_hWnd)) return -1;
  return main->ShowMessage(text, title, iconKind, labels, cancelIndex, defaultIndex);
}
