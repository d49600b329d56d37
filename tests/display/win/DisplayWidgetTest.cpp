// The display widget base: its class, tooltip text, hit test, the relay of
// mouse presses up the parent chain, Ctrl-moves and display changes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "DisplayWidget.h"
#include "GuiTestSupport.h"
#include "TestHost.h"

namespace {

class CTestWidget : public CDisplayWidget {
 public:
  explicit CTestWidget(bool ctrlMovable = false) { m_ctrlMovable = ctrlMovable; }
  ~CTestWidget() override { DestroyWindow(); }
  int GetIdealSize(SIZE& size) override {
    size = SIZE{10, 10};
    return 100;
  }
  int m_displayChanges = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DISPLAYCHANGE) ++m_displayChanges;
    return CDisplayWidget::WindowProc(message, wParam, lParam);
  }
};

void HoldCtrl(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class DisplayWidget : public testing::Test {
 protected:
  void TearDown() override { HoldCtrl(false); }
  CTestHost host;
};

TEST_F(DisplayWidget, IsAChildOfItsOwnClassWithoutTitle) {
  CTestWidget widget;
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 50, 50}, host.m_hWnd, 12));
  char name[64] = {};
  GetClassNameA(widget.m_hWnd, name, sizeof name);
  EXPECT_STREQ(name, "Korvath NRX Time Display Widget");
  const auto style = GetClassLongPtrA(widget.m_hWnd, GCL_STYLE);
  EXPECT_TRUE(style & CS_DBLCLKS);
  EXPECT_TRUE(style & CS_GLOBALCLASS);
  EXPECT_EQ(widget.GetWindowText(), "");
  EXPECT_EQ(widget.GetId(), 12);
  widget.SetId(40);
  EXPECT_EQ(GetDlgCtrlID(widget.m_hWnd), 40);
}

TEST_F(DisplayWidget, TooltipTextIsCutTo79Characters) {
  CTestWidget widget;
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 50, 50}, host.m_hWnd, 1));
  EXPECT_EQ(widget.GetTooltipWindow(), nullptr);  // made on first use
  const std::string hundred(100, 'x');
  widget.SetTooltipText(hundred.c_str());
  EXPECT_EQ(widget.GetTooltipText(), std::string(79, 'x'));
  EXPECT_NE(widget.GetTooltipWindow(), nullptr);
  widget.SetTooltipText(nullptr);
  EXPECT_EQ(widget.GetTooltipText(), std::string(79, 'x'));
  widget.SetTooltipText("");
  EXPECT_EQ(widget.GetTooltipText(), "");
  const int windows = LiveGuiObjects(GuiKind::Window);
  widget.DestroyWindow();
  EXPECT_EQ(widget.GetTooltipWindow(), nullptr);
  EXPECT_EQ(LiveGuiObjects(GuiKind::Window), windows - 1);
}

// The tooltip window is made at the first mouse move, with everything that
// was set before: texts for the widget and for other windows, the font,
// whether it is active.
TEST_F(DisplayWidget, TooltipMadeAtFirstMouseMoveKeepsWhatWasSetBefore) {
  CTestWidget widget;
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{5, 5, 50, 50}, host.m_hWnd, 1));
  CTestWidget other;
  ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, RECT{60, 5, 90, 50}, host.m_hWnd, 2));
  const int windows = LiveGuiObjects(GuiKind::Window);
  widget.SetTooltipText("first");
  widget.SetTooltipText("London: UTC +0:00");
  widget.SetTooltip("the other one", other.m_hWnd);
  LOGFONTA description{};
  description.lfHeight = -11;
  lstrcpyA(description.lfFaceName, "Courier New");
  widget.SetTooltipFont(FontHandle(CreateFontIndirectA(&description)));
  EXPECT_EQ(LiveGuiObjects(GuiKind::Window), windows);  // nothing made yet

  SendMessageA(widget.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(LiveGuiObjects(GuiKind::Window), windows + 1);
  const HWND tooltip = widget.GetTooltipWindow();
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(RegisteredTooltipText(tooltip, widget.m_hWnd), "London: UTC +0:00");
  EXPECT_EQ(RegisteredTooltipText(tooltip, widget.m_hWnd, other.m_hWnd), "the other one");
  LOGFONTA used{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(tooltip, WM_GETFONT, 0, 0)), sizeof used, &used);
  EXPECT_STREQ(used.lfFaceName, "Courier New");

  CTestWidget switchedOff;
  ASSERT_TRUE(switchedOff.Create(WS_CHILD | WS_VISIBLE, RECT{5, 60, 50, 90}, host.m_hWnd, 3));
  switchedOff.SetTooltip("never shown", other.m_hWnd);
  switchedOff.SetTooltipText(nullptr);
  const HWND inactive = switchedOff.GetTooltipWindow();
  ASSERT_NE(inactive, nullptr);
  EXPECT_EQ(RegisteredTooltipText(inactive, switchedOff.m_hWnd, other.m_hWnd), "never shown");
}

TEST_F(DisplayWidget, SurfaceIsADragHandleAndButtonsKeepTheirClicks) {
  CTestWidget widget(true);
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{10, 10, 210, 110}, host.m_hWnd, 1));
  const HWND button = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE, 100, 10, 60, 30,
                                      widget.m_hWnd, nullptr, nullptr, nullptr);
  const HWND transparent = CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 10, 60, 60,
                                           20, widget.m_hWnd, nullptr, nullptr, nullptr);
  PumpPending();
  auto hitAt = [&](int x, int y) {
    POINT point{x, y};
    ClientToScreen(widget.m_hWnd, &point);
    SetCursorPos(point.x, point.y);
    return SendMessageA(widget.m_hWnd, WM_NCHITTEST, 0, 0);  // the cursor counts, not the point
  };
  EXPECT_EQ(hitAt(20, 20), HTCAPTION);
  EXPECT_EQ(hitAt(120, 20), HTCLIENT);
  EXPECT_EQ(hitAt(20, 65), HTCAPTION);  // a static without notify lets the press through
  HoldCtrl(true);
  EXPECT_EQ(hitAt(120, 20), HTCAPTION);  // with Ctrl the widget itself moves
  DestroyWindow(button);
  DestroyWindow(transparent);
}

TEST_F(DisplayWidget, PressesClimbToTheParent) {
  CTestWidget widget(true);
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{10, 20, 110, 120}, host.m_hWnd, 1));
  SendMessageA(widget.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  ASSERT_EQ(host.m_messages.size(), 1u);
  EXPECT_EQ(host.m_messages[0], static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(host.m_lastMousePoint, MAKELPARAM(15, 26));

  SendMessageA(widget.m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(300, 300));
  ASSERT_EQ(host.m_messages.size(), 2u);
  EXPECT_EQ(host.m_messages[1], static_cast<UINT>(WM_NCLBUTTONDOWN));
  EXPECT_EQ(host.m_lastMousePoint, MAKELPARAM(300, 300));  // screen points stay

  HoldCtrl(true);  // the widget moves on its own: nothing reaches the parent
  SendMessageA(widget.m_hWnd, WM_NCMBUTTONDOWN, HTCAPTION, MAKELPARAM(300, 300));
  EXPECT_EQ(host.m_messages.size(), 2u);
}

TEST_F(DisplayWidget, CtrlMovesAreAnnounced) {
  CTestWidget movable(true);
  CTestWidget fixed(false);
  ASSERT_TRUE(movable.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, host.m_hWnd, 3));
  ASSERT_TRUE(fixed.Create(WS_CHILD | WS_VISIBLE, RECT{60, 0, 110, 50}, host.m_hWnd, 4));
  HoldCtrl(true);
  SendMessageA(movable.m_hWnd, WM_ENTERSIZEMOVE, 0, 0);
  SendMessageA(fixed.m_hWnd, WM_ENTERSIZEMOVE, 0, 0);  // not movable: no 120
  HoldCtrl(false);
  SendMessageA(movable.m_hWnd, WM_EXITSIZEMOVE, 0, 0);
  SendMessageA(fixed.m_hWnd, WM_ENTERSIZEMOVE, 0, 0);
  SendMessageA(fixed.m_hWnd, WM_EXITSIZEMOVE, 0, 0);  // every move loop ends with 121
  ASSERT_EQ(host.m_notifications.size(), 3u);
  EXPECT_EQ(host.m_notifications[0].code, DWN_BEGINMOVE);
  EXPECT_EQ(host.m_notifications[0].id, 3u);
  EXPECT_EQ(host.m_notifications[0].from, movable.m_hWnd);
  EXPECT_EQ(host.m_notifications[1].code, DWN_ENDMOVE);
  EXPECT_EQ(host.m_notifications[2].code, DWN_ENDMOVE);
  EXPECT_EQ(host.m_notifications[2].id, 4u);
}

TEST_F(DisplayWidget, DisplayChangesReachEveryNestedWindow) {
  CTestWidget outer;
  CTestWidget middle;
  CTestWidget inner;
  ASSERT_TRUE(outer.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 90, 90}, host.m_hWnd, 1));
  ASSERT_TRUE(middle.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 60, 60}, outer.m_hWnd, 1));
  ASSERT_TRUE(inner.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 30, 30}, middle.m_hWnd, 1));
  SendMessageA(outer.m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
  EXPECT_EQ(outer.m_displayChanges, 1);
  // The middle widget passes it on too, so the inner one hears it twice:
  // once from each ancestor's walk over all its descendants.
  EXPECT_EQ(middle.m_displayChanges, 1);
  EXPECT_EQ(inner.m_displayChanges, 2);
}

TEST_F(DisplayWidget, ARealPressOnTheSurfaceDragsTheTopLevelWindow) {
  // The host lets the platform handle non-client presses here, so the drag
  // that climbs to it really moves it.
  class CMovingHost : public CTestHost {
   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      return CWnd::WindowProc(message, wParam, lParam);
    }
  } mover;
  CTestWidget widget;
  ASSERT_TRUE(widget.Create(WS_CHILD | WS_VISIBLE, RECT{20, 20, 120, 120}, mover.m_hWnd, 1));
  PumpPending();
  const RECT before = mover.GetWindowRect();
  POINT start{50, 50};
  ClientToScreen(widget.m_hWnd, &start);
  SetCursorPos(start.x, start.y);
  PumpPending();
  INPUT inputs[6] = {};
  const int steps[][2] = {{0, 0}, {10, 5}, {30, 15}, {40, 25}, {40, 25}};
  for (int i = 0; i < 5; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = (start.x + steps[i][0]) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[i].mi.dy = (start.y + steps[i][1]) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  inputs[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  inputs[5] = inputs[4];
  inputs[5].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(6, inputs, sizeof inputs[0]);
  const DWORD end = GetTickCount() + 2000;
  while (static_cast<int>(end - GetTickCount()) > 0 && mover.GetWindowRect().left == before.left) {
    PumpPending();
    Sleep(10);
  }
  PumpPending();
  const RECT after = mover.GetWindowRect();
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 25);
  EXPECT_EQ(widget.GetRectInParent().left, 20);  // the widget stayed where it was inside
}

}  // namespace
