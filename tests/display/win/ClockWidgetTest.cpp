// One clock: flags, the six time formats, zone texts and tooltips, ticks
// that redraw only on a change, the DST switch, layout and clicks.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ClockWidget.h"
#include "GuiObjects.h"
#include "ShowFlags.h"
#include "TestHost.h"
#include "UtcInstant.h"

namespace {

using testing_support::UtcInstant;

class ClockWidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    UseFakeUtc(UtcInstant("2002-03-03 09:05:07"));
    ASSERT_TRUE(clock.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 1, 1}, host.m_hWnd, 1));
  }
  void TearDown() override { UseRealUtc(); }
  std::string Digital() { return clock.Digital().GetWindowText(); }

  CTestHost host;
  CClockWidget clock;
};

TEST_F(ClockWidgetTest, FlagsAlwaysShowSomethingAndDropBit11) {
  EXPECT_EQ(clock.GetFlags(), 0x7060Fu);
  clock.SetFlags(0);
  EXPECT_EQ(clock.GetFlags(), 0x2u);
  clock.SetFlags(0x80F);
  EXPECT_EQ(clock.GetFlags(), 0x00Fu);
  clock.SetFlags(0x1000F);
  EXPECT_EQ(clock.Face().Style(), 1u);  // bits 16-23 are the face's style
}

TEST_F(ClockWidgetTest, TheSixTimeFormats) {
  struct Case {
    uint32_t flags;
    const char* text;
  };
  const Case cases[] = {
      {0x002, " 9:05"}, {0x202, " 9:05:07"}, {0x402, " 9:05 AM"}, {0x602, " 9:05:07 AM"},
      {0x102, "09:05"}, {0x302, "09:05:07"}, {0x702, "09:05:07"},
  };
  clock.Tick(true);
  for (const Case& c : cases) {
    clock.SetFlags(c.flags);
    EXPECT_EQ(Digital(), c.text) << std::hex << c.flags;
    EXPECT_EQ(clock.GetTimeLength(), static_cast<int>(std::string(c.text).size()));
    EXPECT_EQ(clock.Digital().CellCount(), clock.GetTimeLength());
  }
}

TEST_F(ClockWidgetTest, ZoneTextsAndTooltips) {
  EXPECT_EQ(clock.GetZoneText(), "UTC: UTC +0:00");
  EXPECT_EQ(clock.GetTooltipText(), "UTC: UTC +0:00");
  EXPECT_EQ(clock.Digital().GetTooltipText(), "UTC: UTC +0:00");
  EXPECT_STREQ(clock.DateLine().GetTooltipText(), "UTC: UTC +0:00");
  EXPECT_EQ(clock.ZoneButton().GetWindowText(), "UTC");
  clock.SetFlags(0x7061F);
  EXPECT_EQ(clock.ZoneButton().GetWindowText(), "UTC, +0:00");

  clock.SetZone(92);
  EXPECT_EQ(clock.GetZoneName(), "Belfast");
  EXPECT_EQ(clock.GetTooltipText(), "Belfast, U.K.: UTC +0:00");
  clock.SetZoneText("Home");
  EXPECT_EQ(clock.ZoneButton().GetWindowText(), "Home, +0:00");
  clock.SetZoneText("");  // only rebuilds
  EXPECT_EQ(clock.GetZoneName(), "Home");

  clock.SetZone(265);  // outside the table: nothing changes
  clock.SetZone(-1);
  EXPECT_EQ(clock.GetZone(), 92);
}

TEST_F(ClockWidgetTest, ANewZoneShowsItsTimeAtOnce) {
  clock.SetZone(39);  // Akron, five hours behind in March
  EXPECT_EQ(Digital(), " 4:05:07 AM");
  EXPECT_EQ(clock.DateLine().GetWindowText(), "Sun, Mar 3");
}

TEST_F(ClockWidgetTest, DaylightSavingStartsAtItsSecond) {
  clock.SetFlags(0x7061F);
  clock.SetZone(92);
  UseFakeUtc(UtcInstant("2002-03-31 00:59:59"));
  clock.Tick(false);
  EXPECT_EQ(Digital(), "12:59:59 AM");
  EXPECT_EQ(clock.GetTooltipText(), "Belfast, U.K.: UTC +0:00");
  UseFakeUtc(UtcInstant("2002-03-31 01:00:00"));
  clock.Tick(false);
  EXPECT_EQ(Digital(), " 2:00:00 AM");
  EXPECT_EQ(clock.GetTooltipText(), "Belfast, U.K.: UTC +1:00 (DST)");
  EXPECT_EQ(clock.ZoneButton().GetWindowText(), "Belfast, +1:00");
  EXPECT_EQ(clock.DateLine().GetWindowText(), "Sun, Mar 31");
}

TEST_F(ClockWidgetTest, OnlyANewSecondRedraws) {
  clock.Tick(false);
  UpdateWindow(host.m_hWnd);
  RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const long paints = CDisplayWidget::PaintCount();
  clock.Tick(false);
  clock.Tick(false);
  RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(CDisplayWidget::PaintCount(), paints);
  clock.Tick(true);
  RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_GT(CDisplayWidget::PaintCount(), paints);
  const long forced = CDisplayWidget::PaintCount();
  UseFakeUtc(UtcInstant("2002-03-03 09:05:08"));
  clock.Tick(false);
  RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_GT(CDisplayWidget::PaintCount(), forced);
  EXPECT_EQ(Digital(), " 9:05:08 AM");
}

TEST_F(ClockWidgetTest, LayoutStacksTheParts) {
  clock.SetFlags(0x1);
  SIZE size{};
  clock.GetIdealSize(size);
  EXPECT_EQ(size.cx, 64);
  EXPECT_EQ(size.cy, 62);
  EXPECT_EQ(clock.GetClientRect().right, 64);
  EXPECT_FALSE(IsWindowVisible(clock.Digital().m_hWnd));

  clock.SetFlags(0x7060F);
  const int h = clock.TextHeight();
  ASSERT_GT(h, 0);
  SIZE digital{};
  clock.Digital().GetIdealSize(digital);
  EXPECT_EQ(digital.cx, 83);  // 11 cells of the fallback strip
  clock.GetIdealSize(size);
  EXPECT_EQ(size.cx, 85);  // the digital time is wider than the face
  EXPECT_EQ(size.cy, 1 + 60 + 2 + 13 + h + h + 5 + 1);
  const RECT face = clock.Face().GetRectInParent();
  EXPECT_EQ(face.left, 85 / 2 - 30);
  EXPECT_EQ(face.top, 1);
  const RECT button = clock.ZoneButton().GetRectInParent();
  EXPECT_EQ(button.left, 2);
  EXPECT_EQ(button.right - button.left, 85 - 3);
  EXPECT_EQ(button.bottom - button.top, h + 5);
}

TEST_F(ClockWidgetTest, TheDigitalTimeKeepsItsSunkenEdge) {
  clock.Tick(true);
  const HWND digital = clock.Digital().m_hWnd;
  RedrawWindow(digital, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const HDC dc = GetWindowDC(digital);
  const RECT window = clock.Digital().GetWindowRect();
  EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetPixel(dc, window.right - window.left - 1, window.bottom - window.top - 1),
            GetSysColor(COLOR_BTNHIGHLIGHT));
  ReleaseDC(digital, dc);
}

TEST_F(ClockWidgetTest, LongDatesAreClipped) {
  clock.Tick(false);
  std::string format;
  for (int i = 0; i < 20; ++i) format += "%A ";  // 140 characters and more
  clock.SetDateFormat(format.c_str());
  EXPECT_EQ(clock.DateLine().GetWindowText().size(), 127u);
  clock.SetDateFormat(nullptr);
  EXPECT_EQ(clock.GetDateFormat(), "%a, %b %#d");
  EXPECT_EQ(clock.DateLine().GetWindowText(), "Sun, Mar 3");
}

TEST_F(ClockWidgetTest, DateLineAndZoneButtonShareTheNewFont) {
  clock.SetDateZoneFont("Verdana", 12.0, 700);
  std::string face;
  double points = 0;
  int weight = 0;
  clock.GetDateZoneFont(face, points, weight);
  EXPECT_EQ(face, "Verdana");
  EXPECT_DOUBLE_EQ(points, 12.0);
  EXPECT_EQ(weight, 700);
  EXPECT_EQ(clock.DateLine().GetFont(), clock.ZoneButton().GetFont());
}

TEST_F(ClockWidgetTest, AClickOnTheDateLineIsAClickOnTheClock) {
  SendMessageA(clock.m_hWnd, WM_COMMAND, MAKEWPARAM(kDateLineId, STN_CLICKED),
               reinterpret_cast<LPARAM>(clock.DateLine().m_hWnd));
  ASSERT_EQ(host.m_messages.size(), 2u);
  EXPECT_EQ(host.m_messages[0], static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(host.m_messages[1], static_cast<UINT>(WM_LBUTTONUP));
}

TEST(ClockWidgetObjects, EverythingIsFreedWithTheClock) {
  const int fonts = LiveGuiObjects(GuiKind::Font);
  const int bitmaps = LiveGuiObjects(GuiKind::Bitmap);
  const int windows = LiveGuiObjects(GuiKind::Window);
  {
    CTestHost host;
    CClockWidget first;
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 1, 1}, host.m_hWnd, 1));
    first.SetDateZoneFont("Arial", 9.0, 400);
    first.SetDiameter(120);
    CClockWidget second;
    ASSERT_TRUE(second.CreateLike(first, true));
    EXPECT_EQ(second.GetId(), 2);
    EXPECT_EQ(second.GetDiameter(), 120);
    EXPECT_EQ(second.GetFlags(), first.GetFlags());
    std::string face;
    double points = 0;
    int weight = 0;
    second.GetDateZoneFont(face, points, weight);
    EXPECT_EQ(face, "Arial");
    for (int i = 0; i < 10; ++i) second.SetDigitalFont(nullptr);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Font), fonts);
  EXPECT_EQ(LiveGuiObjects(GuiKind::Bitmap), bitmaps);
  EXPECT_EQ(LiveGuiObjects(GuiKind::Window), windows);
}

}  // namespace
