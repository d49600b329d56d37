#include "KorvathTimeDlg.h"

// clang-format off
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "ClockApp.h"
#include "ClockWidget.h"
#include "ContextMenuItems.h"
#include "MainLayout.h"
#include "NtpEngine.h"
#include "ProfileFile.h"
#include "ScootArrow.h"
#include "ShellCommands.h"
#include "ShellResources.h"
#include "ShellTexts.h"
#include "SmallHelpers.h"
#include "SyncSettings.h"
#include "SyncStatus.h"
#include "WindowHelpers.h"

namespace {

constexpr const char* kStateSection = "State";
constexpr const char* kClocksSection = "Clocks 000";
constexpr UINT kYearCheckPeriodMs = 3600000;
constexpr UINT kBlinkPeriodMs = 500;

int ReadStateInt(const char* key, int fallback) {
  return platform::ProfileReadInt(kStateSection, key, fallback, kSettingsFile);
}

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int ScreenBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

void MoveWindowTo(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyRect(HWND window, const RECT& r) {
  SetWindowPos(window, nullptr, r.left, r.top, std::max(0L, r.right - r.left),
               std::max(0L, r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CKorvathTimeDlg::CKorvathTimeDlg()
    : CDraggableDlg(IDD_MAIN_CLOCK, nullptr), m_clocks(&TheApp().Fonts()) {}

CKorvathTimeDlg::~CKorvathTimeDlg() = default;

BOOL CKorvathTimeDlg::OnInitDialog() {
  CDraggableDlg::OnInitDialog();
  m_accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
  SetDialogOptions(kDragAnyPoint | kKeepInWorkArea);
  m_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");

  m_bigIcon = LoadIconSized(IDI_PROGRAM, true);
  m_smallIcon = LoadIconSized(IDI_PROGRAM, false);
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));

  HINSTANCE module = GetModuleHandleA(nullptr);
  const struct {
    CFlatButton& button;
    int id;
    int icon;
  } buttons[] = {{m_scootButton, IDC_SCOOT, IDI_SCOOT_HERE},
                 {m_hideButton, IDC_HIDE, IDI_HIDE},
                 {m_viewOptionsButton, IDC_VIEW_OPTIONS, IDI_VIEW_OPTIONS}};
  for (const auto& b : buttons) {
    b.button.SubclassDlgItem(b.id, m_hWnd);
    b.button.LoadIconImage(module, b.icon, 16, LR_SHARED);
    b.button.SetOptions(kFlatDefaultOptions & ~0x4);
    SetWindowPos(b.button.m_hWnd, nullptr, 0, 0, kMainButtonSize, kMainButtonSize,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m_scootIcon = IDI_SCOOT_HERE;

  const RECT listRect{40, 0, 200, 60};
  m_clocks.Create(WS_CHILD | WS_VISIBLE | 0x100, listRect, m_hWnd, IDC_CLOCK_LIST);
  m_clocks.SetGlyphFont(0);
  m_clocks.Load(kSettingsFile, kClocksSection);
  const RECT work = WorkArea();
  m_clocks.SetWrapWidth(static_cast<int>((work.right - work.left) * 0.66));

  LayoutWindow();
  for (const auto& b : buttons) {
    b.button.LoadTooltipFromResource();
    b.button.SetFont(GetFont());
  }
  PlaceAtStartup();

  UpdateScootArrow();
  SetWindowLongA(m_hWnd, GWL_EXSTYLE, GetWindowLongA(m_hWnd, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
  ShowWindow(m_hWnd, SW_SHOW);
  AddTrayIcon();

  m_sink = std::make_unique<CWindowNotificationSink>(m_hWnd, kEngineNotifyMessage);
  CClockApp& app = TheApp();
  app.Engine().SetNotifySink(m_sink.get());
  ApplyRegimen(app.Engine(), app.Schedule(), true);

  SetWindowTextA(m_hWnd, kMainWindowTitle);
  SetTimer(m_hWnd, kYearCheckTimer, kYearCheckPeriodMs, nullptr);
  return TRUE;
}

void CKorvathTimeDlg::PlaceAtStartup() {
  const RECT work = WorkArea();
  const RECT r = GetWindowRect();
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  SetWindowPos(m_hWnd, HWND_TOPMOST, work.right - width, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

  const int x = Clamp(ReadStateInt("rcWnd.x", work.right - width), 0, work.right - width);
  const int y = Clamp(ReadStateInt("rcWnd.y", 0), 0, work.bottom - height);
  const bool stayOnTop = ReadStateInt("StayOnTop", 0) != 0;
  SetWindowPos(m_hWnd, stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE);

  m_favourite.x = Clamp(ReadStateInt("ptFavorite.x", x), 0, work.right - width);
  m_favourite.y = Clamp(ReadStateInt("ptFavorite.y", y), 0, work.bottom - height);
}

void CKorvathTimeDlg::SaveState() {
  const RECT r = GetWindowRect();
  platform::ProfileWriteString(kStateSection, "StayOnTop", IsTopmost(m_hWnd) ? "1" : "0",
                               kSettingsFile);
  WriteProfileInt(kStateSection, "rcWnd.x", r.left, kSettingsFile);
  WriteProfileInt(kStateSection, "rcWnd.y", r.top, kSettingsFile);
  WriteProfileInt(kStateSection, "ptFavorite.x", m_favourite.x, kSettingsFile);
  WriteProfileInt(kStateSection, "ptFavorite.y", m_favourite.y, kSettingsFile);
  m_clocks.Save(kSettingsFile, kClocksSection);
}

void CKorvathTimeDlg::LayoutDecorations() {
  if (!m_clocks.m_hWnd || m_clocks.Count() == 0) return;
  SIZE ideal{};
  m_clocks.GetIdealSize(ideal);
  m_tall = ideal.cy > kTallClocks;
  ReloadPicture();

  RECT picture{};
  HWND pictureWindow = GetDlgItem(IDC_PICTURE);
  ::GetWindowRect(pictureWindow, &picture);
  const MainLayout layout = PlanMainLayout(picture.right - picture.left,
                                           picture.bottom - picture.top, ideal.cx, ideal.cy);
  SetWindowPos(m_clocks.m_hWnd, nullptr, layout.clocks.x, layout.clocks.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&frame, GetWindowLongA(m_hWnd, GWL_STYLE), FALSE,
                     GetWindowLongA(m_hWnd, GWL_EXSTYLE));
  const RECT current = GetWindowRect();
  RECT target{current.left, current.top, current.left + frame.right - frame.left,
              current.top + frame.bottom - frame.top};
  MoveRectInside(target, WorkArea());
  SetWindowPos(m_hWnd, nullptr, target.left, target.top, target.right - target.left,
               target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateScootArrow();

  const struct {
    CFlatButton& button;
    LayoutPoint at;
  } places[] = {{m_hideButton, layout.hide},
                {m_scootButton, layout.scoot},
                {m_viewOptionsButton, layout.viewOptions}};
  for (const auto& p : places) {
    SetWindowPos(p.button.m_hWnd, nullptr, p.at.x, p.at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CKorvathTimeDlg::ReloadPicture() {
  const bool manyColours = ScreenBitsPerPixel() >= 16;
  const int id = m_tall ? (manyColours ? IDB_PICTURE_TALL : IDB_PICTURE_TALL_LOW_COLOUR)
                        : (manyColours ? IDB_PICTURE_WIDE : IDB_PICTURE_WIDE_LOW_COLOUR);
  HANDLE bitmap =
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_SHARED);
  HWND picture = GetDlgItem(IDC_PICTURE);
  HANDLE previous = reinterpret_cast<HANDLE>(
      SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  // The bitmaps we give are shared and belong to the system; only the one the
  // control made from the template is ours to free.
  if (previous && !m_pictureShared) DeleteObject(previous);
  m_pictureShared = true;
}

void CKorvathTimeDlg::UpdateScootArrow() {
  if (!m_scootButton.m_hWnd) return;
  const RECT r = GetWindowRect();
  const int icon = ScootArrowIcon(r.left, r.top, m_favourite.x, m_favourite.y);
  if (icon != m_scootIcon) {
    m_scootButton.LoadIconImage(GetModuleHandleA(nullptr), icon, 16, LR_SHARED);
    m_scootIcon = icon;
  }
  if (icon == kScootHereIcon) {
    m_scootButton.SetTooltipText("Scoot to your Favorite Place -- You're there now!");
  } else {
    m_scootButton.LoadTooltipFromResource();
  }
}

void CKorvathTimeDlg::ScootHome() {
  const RECT r = GetWindowRect();
  const RECT work = WorkArea();
  const int width = r.right - r.left;
  POINT target = m_favourite;
  if (target.x + width > work.right) target.x = work.right - width;
  const int stepX = (target.x - r.left) / 4;
  const int stepY = (target.y - r.top) / 4;
  int x = r.left;
  int y = r.top;
  for (int i = 0; i < 4; ++i) {
    x += stepX;
    y += stepY;
    MoveWindowTo(m_hWnd, x, y);
    UpdateWindow(m_hWnd);
    Sleep(20);
  }
  MoveWindowTo(m_hWnd, target.x, target.y);
  UpdateScootArrow();
}

void CKorvathTimeDlg::MakeFavouritePlace() {
  const RECT r = GetWindowRect();
  m_favourite = {r.left, r.top};
  UpdateScootArrow();
}

void CKorvathTimeDlg::ToggleHideShow() {
  if (IsWindowVisible(m_hWnd)) {
    InvalidateRect(m_hWnd, nullptr, FALSE);
    const RECT before = GetWindowRect();
    RECT r = before;
    InflateRect(&r, 4, 4);
    while (r.bottom - r.top > 2) {
      InflateRect(&r, -2, -2);
      ApplyRect(m_hWnd, r);
      Sleep(10);
    }
    ValidateRect(m_hWnd, nullptr);
    ShowWindow(m_hWnd, SW_HIDE);
    ApplyRect(m_hWnd, before);
    return;
  }
  const RECT whole = GetWindowRect();
  const int d = std::min(whole.right - whole.left, whole.bottom - whole.top);
  RECT r = whole;
  InflateRect(&r, -d, -d);
  ShowWindow(m_hWnd, SW_SHOW);
  SetForegroundWindow(m_hWnd);
  while (r.bottom - r.top <= whole.bottom - whole.top) {
    InflateRect(&r, 2, 2);
    ApplyRect(m_hWnd, r);
    Sleep(10);
  }
  ApplyRect(m_hWnd, whole);
}

bool CKorvathTimeDlg::OnMoveStart() { return true; }

void CKorvathTimeDlg::OnMoveEnd() { UpdateScootArrow(); }

void CKorvathTimeDlg::SetModalState(bool on) { m_modalUp = on; }

int CKorvathTimeDlg::ShowMessage(const char* text, const char* title, int iconKind,
                                 const char* labels, int cancelIndex, int defaultIndex) {
  SetModalState(true);
  const int result =
      CDraggableDlg::ShowMessage(text, title, iconKind, labels, cancelIndex, defaultIndex);
  SetModalState(false);
  return result;
}

bool CKorvathTimeDlg::PreTranslateMessage(MSG* message) {
  const bool baseAnswer = CDraggableDlg::PreTranslateMessage(message);
  if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST && message->wParam > 1 &&
      message->wParam != VK_ESCAPE) {
    return m_accelerators && TranslateAcceleratorA(m_hWnd, m_accelerators, message) != 0;
  }
  return baseAnswer;
}

void CKorvathTimeDlg::AddTrayIcon() { m_tray.Add(m_hWnd, IDI_PROGRAM, "Vorlix"); }

void CKorvathTimeDlg::RemoveTrayIcon() { m_tray.Remove(); }

void CKorvathTimeDlg::SetTrayIcon(int iconId) { m_tray.SetIcon(iconId); }

void CKorvathTimeDlg::UpdateTrayTip() {
  m_tray.SetTip(TrayTipText(TheApp().Engine().GetStatus().lastSync));
}

void CKorvathTimeDlg::SetSyncAnimation(bool on) {
  m_blinkPhase = on;
  if (on && m_blinkTimer == kNoTimer) {
    m_blinkTimer = SetTimer(m_hWnd, kBlinkTimer, kBlinkPeriodMs, nullptr);
  } else if (!on && m_blinkTimer != kNoTimer) {
    KillTimer(m_hWnd, kBlinkTimer);
    m_blinkTimer = kNoTimer;
    SetTrayIcon(IDI_PROGRAM);
  }
}

void CKorvathTimeDlg::OnBlinkTimer() {
  SetTrayIcon(m_blinkPhase ? IDI_PROGRAM : IDI_PROGRAM_BLINK);
  m_blinkPhase = !m_blinkPhase;
}

bool CKorvathTimeDlg::IsZoneChooserShown() const {
  HWND chooser = TheApp().ChooserWindow();
  return chooser && IsWindowVisible(chooser);
}

LRESULT CKorvathTimeDlg::OnTrayNotify(WPARAM, LPARAM lParam) {
  switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (IsWindowVisible(m_hWnd)) SetForegroundWindow(m_hWnd);
      break;
    case WM_LBUTTONDBLCLK:
      if (!m_modalUp && !IsZoneChooserShown()) SendMessageA(m_hWnd, WM_COMMAND, kCmdHideShow, 0);
      break;
    case WM_RBUTTONUP:
      SetForegroundWindow(m_hWnd);
      if (!m_modalUp && !IsZoneChooserShown()) ShowContextMenu(true);
      break;
    default:
      break;
  }
  return 0;
}

void CKorvathTimeDlg::ShowContextMenu(bool fromTray) {
  ContextMenuState state{};
  state.fromTray = fromTray;
  state.windowVisible = IsWindowVisible(m_hWnd) != FALSE;
  state.topmost = IsTopmost(m_hWnd);
  CClockWidget* selected = m_clocks.SelectedClock();
  state.clockSelected = selected != nullptr;
  if (selected) state.clockName = selected->GetZoneLabel();

  HMENU menu = CreatePopupMenu();
  POINT cursor{};
  GetCursorPos(&cursor);
  UINT position = 0;
  for (const ContextMenuItem& item : BuildContextMenu(state)) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    if (item.command == 0) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
      info.wID = static_cast<UINT>(item.command);
      info.dwTypeData = const_cast<char*>(item.text.c_str());
      info.fState = (item.checked ? MFS_CHECKED : 0) | (item.isDefault ? MFS_DEFAULT : 0);
    }
    InsertMenuItemA(menu, position++, TRUE, &info);
  }
  SetFocus(m_hWnd);
  SendMessageA(m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  m_menuUp = true;
  const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x,
                                     cursor.y, 0, m_hWnd, nullptr);
  m_menuUp = false;
  PostMessageA(m_hWnd, kAfterMenuMessage, 0, 0);
  if (command != 0) SendMessageA(m_hWnd, WM_COMMAND, static_cast<WPARAM>(command), 0);
  DestroyMenu(menu);
}

int CKorvathTimeDlg::AskAdjustment(CNtpEngine& engine, const SyncStatus& status) {
  const std::string text =
      AdjustmentQuestionText(status.server, status.offset, engine.GetThreshold());
  const int choice =
      ShowMessage(text.c_str(), "Vorlix Sychronization", 4, "Yes|No|Threshold|Server", 2, 0);
  return choice == 0 ? 1 : 0;
}

LRESULT CKorvathTimeDlg::OnEngineNotify(WPARAM code, LPARAM parameter) {
  CNtpEngine& engine = TheApp().Engine();
  switch (code) {
    case NTPE_ASKADJUST:
      return AskAdjustment(engine, *reinterpret_cast<const SyncStatus*>(parameter));
    case NTPE_STATUS: {
      const bool failed = engine.GetStatus().failed;
      SetSyncAnimation(failed);
      if (!failed) UpdateTrayTip();
      return 1;
    }
    case NTPE_SERVERFAILED:
    case NTPE_STARTED:
      return 1;
    case NTPE_STOPPED:
      SetSyncAnimation(false);
      return 1;
    default:
      return 0;
  }
}

void CKorvathTimeDlg::OnTimeChange() { _tzset(); }

LRESULT CKorvathTimeDlg::OnDisplayChange(WPARAM bitsPerPixel, LPARAM size) {
  TheApp().Fonts().RebuildFontTable();
  SendMessageA(m_clocks.m_hWnd, WM_DISPLAYCHANGE, bitsPerPixel, size);
  return 0;
}

void CKorvathTimeDlg::OnSettingChange(WPARAM action) {
  if (action != SPI_SETWORKAREA) {
    ReloadPicture();
    return;
  }
  const RECT work = WorkArea();
  m_clocks.SetWrapWidth(work.right - work.left);
  RECT moved = GetWindowRect();
  if (MoveRectInside(moved, work)) MoveWindowTo(m_hWnd, moved.left, moved.top);
  LayoutWindow();
}

void CKorvathTimeDlg::AskExit() {
  const int choice = ShowMessage("Are you sure that you want to exit Vorlix?", "Confirm", 4,
                                 "&Yes|&No|&Minimize", 1, 0);
  if (choice == 0) {
    PostQuitMessage(0);
  } else if (choice == 2) {
    ToggleHideShow();
  }
}

void CKorvathTimeDlg::AskDeleteClock() {
  CClockWidget* clock = m_clocks.SelectedClock();
  if (!clock) return;
  char text[512];
  std::snprintf(text, sizeof text, "Are you certain that you want to delete '%s'?",
                clock->GetZoneLabel().c_str());
  if (ShowMessage(text, "Confirm", 4, "&OK|&Cancel", 1, 0) == 0) {
    SendMessageA(m_hWnd, WM_COMMAND, kCmdDeleteClock, 0);
  }
}

void CKorvathTimeDlg::ShowHelp() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  std::string help(path, length);
  help = help.substr(0, help.find_last_of('\\') + 1) + "VorlixHelp.html";
  ShellExecuteA(m_hWnd, "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CKorvathTimeDlg::OnCancel() { AskExit(); }

bool CKorvathTimeDlg::OnCommand(int id, int code, HWND control) {
  CClockApp& app = TheApp();
  switch (id) {
    case kCmdHideShow:
    case kCmdHideButton:
      ToggleHideShow();
      return true;
    case kCmdStayOnTop:
      SetWindowPos(m_hWnd, IsTopmost(m_hWnd) ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return true;
    case kCmdScoot:
      ScootHome();
      return true;
    case kCmdInsertClock: {
      const int selected = m_clocks.Selected();
      m_clocks.InsertClock(m_clocks.SelectedClock() ? selected : m_clocks.Count() + 1);
      return true;
    }
    case kCmdDeleteAsk:
      AskDeleteClock();
      return true;
    case kCmdDeleteClock:
      m_clocks.DeleteClock(m_clocks.Selected());
      return true;
    case kCmdChooseZone:
      if (CClockWidget* clock = m_clocks.SelectedClock()) {
        SendMessageA(clock->m_hWnd, WM_COMMAND, kZoneButtonId, 0);
      }
      return true;
    case kCmdNextClock:
      m_clocks.SelectNext();
      return true;
    case kCmdPreviousClock:
      m_clocks.SelectPrevious();
      return true;
    case kCmdClockUp:
      m_clocks.SelectUp();
      return true;
    case kCmdClockDown:
      m_clocks.SelectDown();
      return true;
    case kCmdSyncNow:
      app.Engine().SyncNow();
      return true;
    case kCmdHelp:
      ShowHelp();
      return true;
    case kCmdExit:
      AskExit();
      return true;
    default:
      return CDraggableDlg::OnCommand(id, code, control);
  }
}

LRESULT CKorvathTimeDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == m_taskbarCreated && m_taskbarCreated != 0) {
    m_tray.Restore();  // the shell restarted and forgot our icon
    return 0;
  }
  switch (message) {
    case kEngineNotifyMessage:
      return OnEngineNotify(wParam, lParam);
    case CTrayIcon::kCallbackMessage:
      return OnTrayNotify(wParam, lParam);
    case kAfterMenuMessage:
      return 0;
    case WM_TIMECHANGE:
      OnTimeChange();
      return 0;
    case WM_SETTINGCHANGE:
      OnSettingChange(wParam);
      return wParam == SPI_SETWORKAREA ? 0 : 1;
    case WM_ENDSESSION: {
      SaveState();
      CClockApp& app = TheApp();
      SaveSyncSettings(app.Engine(), app.Schedule(), app.UnusedServers(), kSettingsFile);
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    }
    case WM_TIMER:
      if (wParam == kBlinkTimer) OnBlinkTimer();
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    case WM_DESTROY:
      SaveState();
      RemoveTrayIcon();
      KillTimer(m_hWnd, kYearCheckTimer);
      if (m_blinkTimer != kNoTimer) KillTimer(m_hWnd, kBlinkTimer);
      TheApp().Engine().SetNotifySink(nullptr);
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(m_bigIcon.get());
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK: {
      const LRESULT result = CDraggableDlg::WindowProc(message, wParam, lParam);
      SendMessageA(m_hWnd, WM_COMMAND, kCmdViewOptions, 0);
      return result;
    }
    case WM_NCRBUTTONDOWN: {
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(m_clocks.m_hWnd, &p);
      SendMessageA(m_clocks.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    }
    case WM_NCRBUTTONUP:
    case WM_CONTEXTMENU:
      ShowContextMenu(false);
      return 0;
    case WM_NCLBUTTONDOWN: {
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(m_clocks.m_hWnd, &p);
      m_clocks.SelectAt(p.x, p.y);
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    }
    case WM_SETCURSOR:
      if (m_menuUp) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return TRUE;
      }
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == m_clocks.m_hWnd && header->code == CLN_SIZECHANGED) {
        LayoutWindow();
        return 0;
      }
      if (header->code == TTN_SHOW) {
        SetWindowPos(header->hwndFrom, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
      }
      return CDraggableDlg::WindowProc(message, wParam, lParam);
    }
    default:
      return CDraggableDlg::WindowProc(message, wParam, lParam);
  }
}
