// CKorvathTimeDlg: the program's main window. A small borderless dialog with
// the clock list, a picture and three icon buttons (view options, scoot to
// the favourite place, hide). It lives in the notification area, keeps its
// place and the clocks in section "State" and "Clocks 000" of the settings
// file, answers the engine's notifications (message 1034) and runs every
// command of the context menu and the accelerators.
#ifndef APP_SHELL_KORVATHTIMEDLG_H
#define APP_SHELL_KORVATHTIMEDLG_H

#include <windows.h>

#include <memory>

#include "ClockList.h"
#include "DraggableDlg.h"
#include "FlatButton.h"
#include "GuiObjects.h"
#include "TrayIcon.h"
#include "WindowNotificationSink.h"

class CNtpEngine;
struct SyncStatus;

constexpr UINT kEngineNotifyMessage = WM_USER + 10;
constexpr UINT kAfterMenuMessage = WM_APP + 1;
constexpr const char* kMainWindowTitle = "Vorlix Main Clock Window";
constexpr const char* kSettingsFile = "VorlixApp.ini";

class CKorvathTimeDlg : public CDraggableDlg {
 public:
  CKorvathTimeDlg();
  ~CKorvathTimeDlg() override;

  virtual void ShowContextMenu(bool fromTray);
  virtual LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
  virtual void RemoveTrayIcon();
  virtual void AddTrayIcon();
  virtual void SetTrayIcon(int iconId);
  virtual void SetSyncAnimation(bool on);
  virtual void UpdateTrayTip();
  virtual int AskAdjustment(CNtpEngine& engine, const SyncStatus& status);
  virtual LRESULT OnEngineNotify(WPARAM code, LPARAM parameter);
  virtual void OnTimeChange();

  int ShowMessage(const char* text, const char* title, int iconKind, const char* labels,
                  int cancelIndex, int defaultIndex) override;
  void LayoutDecorations() override;  // the main window's layout
  LRESULT OnDisplayChange(WPARAM bitsPerPixel, LPARAM size) override;
  bool OnMoveStart() override;
  void OnMoveEnd() override;
  bool PreTranslateMessage(MSG* message) override;

  void SaveState();
  void SetModalState(bool on);
  void UpdateScootArrow();
  void ScootHome();
  void ToggleHideShow();
  void MakeFavouritePlace();
  void LayoutWindow() { LayoutDecorations(); }
  void ReloadPicture();

  CClockList& Clocks() { return m_clocks; }
  bool IsMenuUp() const { return m_menuUp; }
  bool IsModalUp() const { return m_modalUp; }
  bool IsBlinking() const { return m_blinkTimer != kNoTimer; }
  const CTrayIcon& Tray() const { return m_tray; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override;
  bool OnCommand(int id, int code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr UINT_PTR kNoTimer = static_cast<UINT_PTR>(-1);
  static constexpr UINT_PTR kBlinkTimer = 100;
  static constexpr UINT_PTR kYearCheckTimer = 101;

  void PlaceAtStartup();
  void AskExit();
  void AskDeleteClock();
  void OnSettingChange(WPARAM action);
  void OnBlinkTimer();
  bool IsZoneChooserShown() const;
  void ShowHelp();

  CClockList m_clocks;
  CFlatButton m_viewOptionsButton;
  CFlatButton m_hideButton;
  CFlatButton m_scootButton;
  IconHandle m_bigIcon;
  IconHandle m_smallIcon;
  bool m_tall = false;
  bool m_pictureShared = false;  // the picture shows one of our shared bitmaps
  POINT m_favourite{0, 0};
  HACCEL m_accelerators = nullptr;
  bool m_menuUp = false;
  bool m_modalUp = false;
  UINT_PTR m_blinkTimer = kNoTimer;
  bool m_blinkPhase = false;
  int m_scootIcon = 0;
  CTrayIcon m_tray;
  std::unique_ptr<CWindowNotificationSink> m_sink;
  UINT m_taskbarCreated = 0;
};

#endif
