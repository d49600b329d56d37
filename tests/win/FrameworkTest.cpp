// The window framework: binding, the handling rule, subclassing, modal and
// modeless dialogs, the pre-translation chain, data exchange and the GUI
// object counts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Application.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "GuiObjects.h"
#include "GuiTestSupport.h"
#include "Window.h"

namespace {

constexpr UINT kAsk = WM_APP + 1;

class CRecordingDialog : public CDialog {
 public:
  CRecordingDialog(UINT templateId, HWND owner) : CDialog(templateId, owner) {}
  std::vector<UINT> m_seen;
  bool m_initialised = false;
  HWND m_ownerDuringRun = nullptr;
  bool m_ownerEnabledDuringRun = true;
  uint32_t m_count = 5;
  uint32_t m_high = 60;

 protected:
  BOOL OnInitDialog() override {
    m_initialised = FromHandle(m_hWnd) == this;
    if (GetOwner()) m_ownerEnabledDuringRun = IsWindowEnabled(GetOwner()) != FALSE;
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange& exchange) override {
    ExchangeUnsigned(exchange, 1000, m_count);
    ValidateUnsignedRange(exchange, m_count, 1, m_high);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    m_seen.push_back(message);
    if (message == kAsk) return 42;
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

class CCountingButton : public CWnd {
 public:
  int m_setTexts = 0;
  int m_keys = 0;
  bool m_swallowKeys = false;
  bool PreTranslateMessage(MSG* message) override {
    return m_swallowKeys && message->message == WM_KEYDOWN;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) return 7;
    if (message == WM_SETTEXT) ++m_setTexts;  // and then the default
    if (message == WM_KEYDOWN) ++m_keys;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

TEST(FrameworkTest, DialogsAreBoundBeforeInitialisationWithAndWithoutFont) {
  for (UINT templateId : {100u, 101u}) {
    CRecordingDialog dialog(templateId, nullptr);
    ASSERT_TRUE(dialog.Create()) << templateId;
    EXPECT_TRUE(dialog.m_initialised) << templateId;
    EXPECT_EQ(CWnd::FromHandle(dialog.m_hWnd), &dialog);
    EXPECT_EQ(SendMessageA(dialog.m_hWnd, kAsk, 0, 0), 42) << "handled: the answer is the result";
    // Unhandled messages reach the dialog manager's default processing.
    SetWindowTextA(dialog.m_hWnd, "Renamed");
    EXPECT_EQ(WindowText(dialog.m_hWnd), "Renamed");
    const HWND window = dialog.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "unbound at WM_NCDESTROY";
  }
}

TEST(FrameworkTest, SubclassingTakesOverAControlAndGivesItBack) {
  CRecordingDialog dialog(101, nullptr);
  ASSERT_TRUE(dialog.Create());
  const HWND go = dialog.GetDlgItem(1001);
  const LONG_PTR originalProc = GetWindowLongPtrA(go, GWLP_WNDPROC);
  {
    CCountingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(1001, dialog.m_hWnd));
    EXPECT_FALSE(CCountingButton().SubclassWindow(go)) << "a window has one object";
    EXPECT_EQ(SendMessageA(go, kAsk, 0, 0), 7);
    SetWindowTextA(go, "Went");
    EXPECT_EQ(button.m_setTexts, 1);
    EXPECT_EQ(WindowText(go), "Went") << "default processing still ran";
  }
  EXPECT_TRUE(IsWindow(go)) << "a subclassed control survives its object";
  EXPECT_EQ(GetWindowLongPtrA(go, GWLP_WNDPROC), originalProc);
  EXPECT_EQ(CWnd::FromHandle(go), nullptr);
}

TEST(FrameworkTest, CreateExOwnsAWindowOfAPlatformClass) {
  CRecordingDialog dialog(101, nullptr);
  ASSERT_TRUE(dialog.Create());
  HWND created = nullptr;
  {
    CCountingButton button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "Made", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20},
                                dialog.m_hWnd, 77));
    created = button.m_hWnd;
    EXPECT_EQ(GetDlgItem(dialog.m_hWnd, 77), created);
    EXPECT_EQ(SendMessageA(created, kAsk, 0, 0), 7);
  }
  EXPECT_FALSE(IsWindow(created));
}

TEST(FrameworkTest, ModalRunDisablesTheOwnerAndEndsWithTheResult) {
  CRecordingDialog owner(101, nullptr);
  ASSERT_TRUE(owner.Create());
  CRecordingDialog dialog(100, owner.m_hWnd);
  RunLater(50, [&] { PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_FALSE(dialog.m_ownerEnabledDuringRun);
  EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is destroyed after the run";
}

TEST(FrameworkTest, QuitMessageEndsTheModalRunAndReachesTheOuterLoop) {
  CRecordingDialog dialog(100, nullptr);
  RunLater(50, [] { PostQuitMessage(7); });
  EXPECT_EQ(dialog.DoModal(), -1);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(FrameworkTest, ModelessDialogGetsKeyboardNavigationWhileAModalRunPumps) {
  CRecordingDialog modeless(100, nullptr);
  ASSERT_TRUE(modeless.Create());
  ShowWindow(modeless.m_hWnd, SW_SHOW);
  const HWND first = modeless.GetDlgItem(1000);
  const HWND second = modeless.GetDlgItem(1002);
  CRecordingDialog modal(101, nullptr);
  HWND focusAfterTab = nullptr;
  RunLater(50, [&] {
    SetFocus(first);
    PostMessageA(first, WM_KEYDOWN, VK_TAB, 0);
    RunLater(100, [&] {
      focusAfterTab = GetFocus();
      modal.EndDialog(IDOK);
    });
  });
  modal.DoModal();
  EXPECT_EQ(focusAfterTab, second);
}

TEST(FrameworkTest, PreTranslateAsksTheTargetBeforeItsDialog) {
  CRecordingDialog dialog(101, nullptr);
  ASSERT_TRUE(dialog.Create());
  CCountingButton button;
  ASSERT_TRUE(button.SubclassDlgItem(1001, dialog.m_hWnd));
  MSG key{button.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {}};
  // The dialog's IsDialogMessage takes the key and delivers it itself.
  EXPECT_TRUE(PreTranslateThroughWindows(&key));
  EXPECT_EQ(button.m_keys, 1);
  button.m_swallowKeys = true;
  EXPECT_TRUE(PreTranslateThroughWindows(&key));
  EXPECT_EQ(button.m_keys, 1) << "swallowed before the dialog saw it";
}

struct ExchangeCase {
  const char* text;
  const char* message;  // nullptr: accepted
  uint32_t value;
};

TEST(FrameworkTest, UnsignedExchangeRefusesBadTextAndOutOfRangeNumbers) {
  const ExchangeCase cases[] = {
      {"30", nullptr, 30},
      {" 60 ", nullptr, 60},
      {"abc", "Please enter a positive integer.", 5},
      {"", "Please enter a positive integer.", 5},
      {"-1", "Please enter a positive integer.", 5},
      {"12x", "Please enter a positive integer.", 5},
      {"4294967296", "Please enter a positive integer.", 5},
      {"0", "Please enter an integer between 1 and 60.", 0},
      {"61", "Please enter an integer between 1 and 60.", 61},
  };
  for (const ExchangeCase& c : cases) {
    CRecordingDialog dialog(100, nullptr);
    ASSERT_TRUE(dialog.Create());
    ShowWindow(dialog.m_hWnd, SW_SHOW);
    EXPECT_EQ(WindowText(dialog.GetDlgItem(1000)), "5") << "written at initialisation";
    SetWindowTextA(dialog.GetDlgItem(1000), c.text);
    SetFocus(dialog.GetDlgItem(1002));
    std::string shown;
    bool exclamation = false;
    RunLater(50, [&] {
      const HWND box = FindOwnedDialog(dialog.m_hWnd);
      if (!box) return;
      shown = StaticTexts(box);
      EnumChildWindows(
          box,
          [](HWND child, LPARAM found) {
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (icon && icon == LoadIconA(nullptr, IDI_EXCLAMATION))
              *reinterpret_cast<bool*>(found) = true;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&exclamation));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const bool accepted = dialog.UpdateData(true);
    EXPECT_EQ(accepted, c.message == nullptr) << c.text;
    EXPECT_EQ(dialog.m_count, c.value) << c.text;
    if (c.message) {
      EXPECT_EQ(shown, c.message) << c.text;
      EXPECT_TRUE(exclamation) << c.text;
      EXPECT_EQ(GetFocus(), dialog.GetDlgItem(1000)) << "the offending edit gets the focus";
    }
  }
}

TEST(FrameworkTest, OwnersCountWhatTheyHold) {
  const int fonts = LiveGuiObjects(GuiKind::Font);
  LOGFONTA description{};
  description.lfHeight = -11;
  {
    FontHandle font(CreateFontIndirectA(&description));
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts + 1);
    FontHandle moved = std::move(font);
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts + 1);
    const HFONT released = moved.Release();
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts + 1) << "released objects stay counted";
    FontHandle adopted = FontHandle::Adopt(released);
    adopted.Reset(CreateFontIndirectA(&description));
    EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts + 1);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts);

  MemoryDc dc(CreateCompatibleDC(nullptr));
  const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_FONT);
  {
    FontHandle font(CreateFontIndirectA(&description));
    SelectScope selected(dc.get(), font.get());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), font.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), before);
}

}  // namespace
