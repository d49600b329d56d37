// CClockApp: the application object. It owns the synchronisation engine with
// its schedule and the unused server list, the glyph-font table and the
// application palette; it keeps a second copy of the program from starting,
// runs the main clock window for the life of the program, screens input
// while the zone chooser is shown, and ends in order: engine stopped,
// synchronisation settings and server lists saved.
//
// The command-line switch /dryrun makes every synchronisation go through all
// its steps, the correction question included, but leave the clock alone and
// report it as not adjusted.
#ifndef APP_SHELL_CLOCKAPP_H
#define APP_SHELL_CLOCKAPP_H

#include <windows.h>

#include "Application.h"
#include "GlyphFontTable.h"
#include "GuiObjects.h"
#include "NtpEngine.h"
#include "ReadOnlyClock.h"
#include "ServerInfo.h"
#include "SyncSettings.h"

class CClockWidget;

class CClockApp : public CWinApp {
 public:
  // Takes the dry run from the command line.
  CClockApp();
  // dryRun: synchronise through every step but never set the clock.
  explicit CClockApp(bool dryRun);
  ~CClockApp() override;

  bool InitInstance() override;
  bool PreTranslateMessage(MSG* message) override;

  int ShowZoneChooser(CClockWidget& clock);
  HPALETTE GetAppPalette();
  int ShowMessage(const char* text, const char* title, int iconKind, const char* labels,
                  int cancelIndex, int defaultIndex);

  CNtpEngine& Engine() { return m_engine; }
  SyncSchedule& Schedule() { return m_schedule; }
  ServerList& UnusedServers() { return m_unused; }
  CGlyphFontTable& Fonts() { return m_fonts; }
  bool IsDryRun() const { return m_dryRun; }
  HWND ChooserWindow() const { return m_hChooser; }
  bool m_yearWarningShown = false;

 private:
  const bool m_dryRun;
  CReadOnlyClock m_readOnlyClock;
  CNtpEngine m_engine;
  SyncSchedule m_schedule;
  ServerList m_unused;
  CGlyphFontTable m_fonts;
  HWND m_hChooser = nullptr;
  PaletteHandle m_palette;
};

// The one application object.
CClockApp& TheApp();

// Whether a command line asks for a dry run ("/dryrun" or "-dryrun").
bool CommandLineAsksDryRun(const char* commandLine);

#endif
