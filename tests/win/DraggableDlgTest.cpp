// The draggable dialog base: roll animations with their exact steps, keeping
// inside the work area, the drag surface, the title strip and decorations.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "DraggableDlg.h"
#include "GuiObjects.h"
#include "GuiTestSupport.h"
#include "Resources.h"
#include "WindowHelpers.h"

namespace {

// A dialog of a given pixel height that records every height it takes.
class CHeightRecordingDlg : public CDraggableDlg {
 public:
  CHeightRecordingDlg(int height, DWORD options, POINT at = POINT{100, 100})
      : CDraggableDlg(400, nullptr), m_height(height), m_at(at) {
    SetDialogOptions(options);
  }
  std::vector<int> m_heights;

 protected:
  BOOL OnInitDialog() override {
    SetWindowPos(m_hWnd, nullptr, m_at.x, m_at.y, 300, m_height, SWP_NOZORDER);
    CDraggableDlg::OnInitDialog();
    SetDialogOptions(GetDialogOptions());
    m_heights.clear();
    m_heights.push_back(GetWindowRect().bottom - GetWindowRect().top);
    return TRUE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_WINDOWPOSCHANGED) {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!(position->flags & SWP_NOSIZE) &&
          (m_heights.empty() || m_heights.back() != position->cy)) {
        m_heights.push_back(position->cy);
      }
    }
    return CDraggableDlg::WindowProc(message, wParam, lParam);
  }

 private:
  int m_height;
  POINT m_at;
};

std::vector<int> Steps(int from, int to, int step) {
  std::vector<int> heights;
  for (int h = from; step > 0 ? h < to : h > to; h += step) heights.push_back(h);
  heights.push_back(to);
  return heights;
}

TEST(DraggableDlgTest, UnrollsInSteps24PixelsAndRollsBackBeforeClosing) {
  CHeightRecordingDlg dialog(200, 0xFB);
  std::vector<int> whileOpen;
  RunLater(50, [&] {
    // The unroll was posted at show time and has run by now.
    PumpUntil([&] { return !dialog.IsCollapsed(); }, 2000);
    whileOpen = dialog.m_heights;
    PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  // 8, 32, ..., 176, then 200.
  EXPECT_EQ(whileOpen, Steps(8, 200, 24));
  std::vector<int> closing(dialog.m_heights.begin() + static_cast<long>(whileOpen.size()),
                           dialog.m_heights.end());
  EXPECT_EQ(closing, Steps(176, 8, -24));
}

TEST(DraggableDlgTest, RollIsIdempotentAndSmallDialogsJump) {
  CHeightRecordingDlg dialog(20, kDragAnyPoint);
  ASSERT_TRUE(dialog.Create());
  EXPECT_FALSE(dialog.IsCollapsed());
  EXPECT_FALSE(dialog.Roll(true)) << "already expanded";
  EXPECT_EQ(dialog.m_heights, std::vector<int>{20});
  EXPECT_TRUE(dialog.Roll(false));
  EXPECT_FALSE(dialog.Roll(true));
  EXPECT_EQ(dialog.m_heights, (std::vector<int>{20, 8, 20})) << "no intermediate steps";
}

TEST(DraggableDlgTest, UnrollingNearTheBottomPushesTheDialogUp) {
  const RECT work = WorkArea();
  CHeightRecordingDlg dialog(200, 0xFB, POINT{100, work.bottom - 100});
  RECT finalRect{};
  RunLater(50, [&] {
    PumpUntil([&] { return !dialog.IsCollapsed(); }, 2000);
    finalRect = dialog.GetWindowRect();
    dialog.EndDialog(IDOK);
  });
  dialog.DoModal();
  EXPECT_EQ(finalRect.bottom, work.bottom);
  EXPECT_EQ(finalRect.bottom - finalRect.top, 200);
}

TEST(DraggableDlgTest, MovingKeepsTheDialogInsideTheWorkArea) {
  const RECT work = WorkArea();
  CHeightRecordingDlg dialog(100, kDragAnyPoint | kKeepInWorkArea);
  ASSERT_TRUE(dialog.Create());
  struct Case {
    RECT proposed;
    RECT kept;
  };
  const int w = work.right - work.left;
  const int h = work.bottom - work.top;
  const Case cases[] = {
      {{work.right - 50, 100, work.right + 250, 200}, {work.right - 300, 100, work.right, 200}},
      {{-40, -30, 260, 70}, {work.left, work.top, work.left + 300, work.top + 100}},
      {{10, 10, 310, 110}, {10, 10, 310, 110}},
      // Larger than the work area: its left and top edges win.
      {{-100, -100, w + 100, h + 100},
       {work.left, work.top, work.left + w + 200, work.top + h + 200}},
  };
  for (const Case& c : cases) {
    RECT rect = c.proposed;
    SendMessageA(dialog.m_hWnd, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_TRUE(EqualRect(&rect, &c.kept)) << rect.left << "," << rect.top;
  }
  // Without the flag nothing is held back.
  dialog.SetDialogOptions(kDragAnyPoint);
  RECT free = cases[0].proposed;
  SendMessageA(dialog.m_hWnd, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&free));
  EXPECT_TRUE(EqualRect(&free, &cases[0].proposed));
}

TEST(DraggableDlgTest, TheSurfaceDragsButButtonsKeepTheirClicks) {
  CHeightRecordingDlg dialog(200, kDragAnyPoint);
  ASSERT_TRUE(dialog.Create());
  ShowWindow(dialog.m_hWnd, SW_SHOW);
  auto hitAt = [&](HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(dialog.m_hWnd, &screen);
    return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  };
  EXPECT_EQ(hitAt(dialog.m_hWnd, POINT{5, 5}), HTCAPTION);
  const HWND button = GetDlgItem(dialog.m_hWnd, 1001);
  POINT onButton{};
  MapWindowPoints(button, dialog.m_hWnd, &onButton, 1);
  onButton.x += 3;
  onButton.y += 3;
  EXPECT_EQ(ChildWindowFromPointEx(dialog.m_hWnd, onButton, CWP_SKIPINVISIBLE), button);
  EXPECT_EQ(hitAt(button, onButton), HTCLIENT);
  // A drag area limits where a press drags.
  dialog.SetDragArea(RECT{0, 0, 50, 50});
  EXPECT_EQ(hitAt(dialog.m_hWnd, POINT{5, 5}), HTCAPTION);
  EXPECT_EQ(hitAt(dialog.m_hWnd, POINT{120, 180}), HTCLIENT);
  dialog.SetDialogOptions(0);
  EXPECT_EQ(hitAt(dialog.m_hWnd, POINT{5, 5}), HTCLIENT);
}

TEST(DraggableDlgTest, TitleStripGetsALeadingSpaceAndGoesAwayWhenEmpty) {
  CHeightRecordingDlg dialog(200, 0xB3);
  ASSERT_TRUE(dialog.Create());
  ShowWindow(dialog.m_hWnd, SW_SHOW);
  struct Case {
    const char* title;
    const char* shown;
  };
  const Case cases[] = {{"Synchronization Options", " Synchronization Options"},
                        {" Spaced", " Spaced"}};
  for (const Case& c : cases) {
    dialog.SetTitle(c.title);
    EXPECT_EQ(dialog.GetTitle(), c.shown);
    EXPECT_TRUE(dialog.GetDialogOptions() & kTitleStrip);
    const HWND label = dialog.TitleLabelWindow();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(GetDlgCtrlID(label), IDC_TITLE_LABEL);
    EXPECT_EQ(WindowText(label), c.shown);
    EXPECT_TRUE(IsWindowVisible(label));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, 800);
    // Placed after the banner, leaving room for the dismiss button.
    RECT placed{};
    GetWindowRect(label, &placed);
    MapWindowPoints(HWND_DESKTOP, dialog.m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
    RECT banner{};
    GetWindowRect(dialog.BannerWindow(), &banner);
    EXPECT_EQ(placed.left, banner.right - banner.left + 8);
    EXPECT_EQ(placed.top, 1);
    EXPECT_EQ(placed.right, dialog.GetClientRect().right - 19);
    EXPECT_EQ(placed.bottom - placed.top, 15);
  }
  RECT content{};
  dialog.GetContentRect(content);
  EXPECT_EQ(content.top, 16);
  EXPECT_EQ(content.left, 22) << "right of the 22-pixel banner";
  dialog.SetTitle("");
  EXPECT_EQ(dialog.GetTitle(), "");
  EXPECT_FALSE(dialog.GetDialogOptions() & kTitleStrip);
  EXPECT_FALSE(IsWindowVisible(dialog.TitleLabelWindow()));
  dialog.SetTitle(nullptr);
  EXPECT_FALSE(dialog.GetDialogOptions() & kTitleStrip);
}

TEST(DraggableDlgTest, DecorationsComeAndGoWithTheirFlagsAndLeaveNothingBehind) {
  const int before = LiveGuiObjectsTotal();
  {
    CHeightRecordingDlg dialog(200, 0xFB);
    dialog.SetTitle("Decorated");
    ASSERT_TRUE(dialog.Create());
    ShowWindow(dialog.m_hWnd, SW_SHOW);
    const HWND dismiss = dialog.DismissButtonWindow();
    ASSERT_NE(dismiss, nullptr);
    EXPECT_EQ(GetDlgCtrlID(dismiss), IDC_DISMISS);
    RECT placed = CWnd::FromHandle(dismiss)->GetRectInParent();
    EXPECT_EQ(placed.left, dialog.GetClientRect().right - 18);
    EXPECT_EQ(placed.right - placed.left, 18);
    EXPECT_EQ(placed.bottom - placed.top, 18);
    BITMAP banner{};
    GetObjectA(reinterpret_cast<HBITMAP>(
                   SendMessageA(dialog.BannerWindow(), STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof banner, &banner);
    EXPECT_EQ(banner.bmWidth, 22);
    EXPECT_EQ(banner.bmHeight, 131);
    // The title strip's colour: button face halfway to white.
    EXPECT_EQ(dialog.TitleColour() & 0xFFFFFF, LightenColour(GetSysColor(COLOR_BTNFACE), 0.5));

    dialog.SetDialogOptions(kDragAnyPoint);
    EXPECT_FALSE(IsWindowVisible(dismiss));
    EXPECT_FALSE(IsWindowVisible(dialog.BannerWindow()));
    EXPECT_FALSE(IsWindowVisible(dialog.TitleLabelWindow()));
    SendMessageA(dialog.m_hWnd, WM_DISPLAYCHANGE, 24, 0);
    dialog.SetDialogOptions(0xFB);
    EXPECT_TRUE(IsWindowVisible(dismiss));
    // The dismiss button cancels (rolling up first).
    SendMessageA(dismiss, BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.IsCollapsed());
    EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
    dialog.DestroyWindow();
  }
  EXPECT_EQ(LiveGuiObjectsTotal(), before);
}

}  // namespace
