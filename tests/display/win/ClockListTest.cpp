// The clock list: grid, capacity, selection, deletion, re-ordering, shared
// options, and its section of the settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ClockList.h"
#include "GlyphFontTable.h"
#include "ProfileFile.h"
#include "ShowFlags.h"
#include "StripBitmaps.h"
#include "TestHost.h"
#include "TestProfile.h"
#include "UtcInstant.h"

namespace {

using testing_support::UtcInstant;

constexpr const char* kFile = "VorlixClockListTest.ini";
constexpr const char* kSection = "Clocks 000";

class ClockListTest : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::RemoveProfileFile(kFile);
    UseFakeUtc(UtcInstant("2002-07-01 12:00:00"));
    fonts.RebuildFontTable(false);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, host.m_hWnd, 100));
  }
  void TearDown() override {
    UseRealUtc();
    testing_support::RemoveProfileFile(kFile);
  }
  // Clocks of exactly that width: the face alone, 4 pixels narrower.
  void MakeCellsWide(int width) {
    list.ToggleFlags(kShowDigital | kShowDate | kShowZone);
    ASSERT_EQ(list.GetFlags() & kShowParts, kShowAnalog);
    list.SetDiameter(width - 4);
  }
  void Fill(int count) {
    while (list.Count() < count) ASSERT_NE(list.InsertClock(list.Count()), nullptr);
  }
  std::string Order() {
    std::string names;
    for (int i = 0; i < list.Count(); ++i) names += list.GetClock(i)->GetZoneName();
    return names;
  }
  void WriteSection(const std::string& lines) {
    testing_support::WriteRawProfileFile(kFile, "[Clocks 000]\r\n" + lines);
  }

  CTestHost host{1280, 780};
  CGlyphFontTable fonts;
  CClockList list{&fonts};
};

TEST_F(ClockListTest, StartsWithOneUnselectedClock) {
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetClock(0)->GetId(), 1);
  EXPECT_EQ(list.GetClock(0)->GetZone(), 0);
  list.Select(-1);
  EXPECT_EQ(list.SelectedClock(), nullptr);
  EXPECT_FALSE(list.GetClock(0)->IsHighlighted());
}

TEST_F(ClockListTest, SevenClocksMakeTwoRowsOfSix) {
  Fill(7);
  const RECT cell = list.GetClock(0)->GetWindowRect();
  const int w = cell.right - cell.left;
  const int h = cell.bottom - cell.top;
  SIZE size{};
  list.GetIdealSize(size);
  EXPECT_EQ(size.cx, 6 * w);
  EXPECT_EQ(size.cy, 2 * h);
  EXPECT_EQ(list.GetClientRect().right, 6 * w);
  EXPECT_EQ(list.GetClock(6)->GetRectInParent().left, 0);
  EXPECT_EQ(list.GetClock(6)->GetRectInParent().top, h);
  EXPECT_EQ(list.HitTest(w + 1, h + 1), -1);  // cells 8 to 12 are empty
  POINT empty{3 * w, h + 5};
  ClientToScreen(list.m_hWnd, &empty);
  EXPECT_EQ(SendMessageA(list.m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(empty.x, empty.y)),
            HTTRANSPARENT);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(list.GetClock(i)->GetId(), i + 1);
  // All in one row when the wrap width is negative.
  list.SetWrapWidth(-1);
  list.GetIdealSize(size);
  EXPECT_EQ(size.cx, 7 * w);
  EXPECT_EQ(size.cy, h);
}

TEST_F(ClockListTest, The13thClockOfWidth214IsRefused) {
  MakeCellsWide(214);
  EXPECT_EQ(list.GetClock(0)->GetClientRect().right, 214);
  Fill(12);
  EXPECT_FALSE(list.CanAdd());
  EXPECT_EQ(list.InsertClock(0), nullptr);
  EXPECT_EQ(list.Count(), 12);
}

TEST_F(ClockListTest, The37thClockOfWidth100IsRefused) {
  MakeCellsWide(100);
  Fill(36);
  EXPECT_EQ(list.InsertClock(36), nullptr);
  EXPECT_EQ(list.Count(), 36);
}

TEST_F(ClockListTest, SelectionMovesAndNotifications) {
  Fill(3);
  host.m_notifications.clear();
  EXPECT_TRUE(list.Select(2));
  ASSERT_FALSE(host.m_notifications.empty());
  EXPECT_EQ(host.m_notifications.back().code, 100u);
  EXPECT_EQ(host.m_notifications.back().id, 100u);
  EXPECT_EQ(host.m_notifications.back().values[0], 2);
  EXPECT_TRUE(list.GetClock(2)->IsHighlighted());
  EXPECT_TRUE(list.SelectNext());
  EXPECT_EQ(list.Selected(), 0);  // past the last: the first
  EXPECT_FALSE(list.GetClock(2)->IsHighlighted());
  EXPECT_TRUE(list.SelectUp());
  EXPECT_EQ(list.Selected(), 0);
  EXPECT_TRUE(list.SelectPrevious());
  EXPECT_EQ(list.Selected(), 2);
  list.Select(-1);
  EXPECT_FALSE(list.SelectDown());
  EXPECT_EQ(list.Selected(), -1);

  const RECT second = list.GetClock(1)->GetRectInParent();
  SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 3, 3));
  EXPECT_EQ(list.Selected(), 1);
}

TEST_F(ClockListTest, ResizingNotifiesTheParent) {
  host.m_notifications.clear();
  list.InsertClock(1);
  bool sized = false;
  for (const RecordedNotify& n : host.m_notifications) {
    if (n.code != 101) continue;
    sized = true;
    EXPECT_EQ(n.values[1], list.GetClientRect().right);
    EXPECT_EQ(n.values[2], list.GetClientRect().bottom);
  }
  EXPECT_TRUE(sized);
}

TEST_F(ClockListTest, DeletingKeepsOneClockAndMovesTheSelection) {
  list.DeleteClock(0);
  EXPECT_EQ(list.Count(), 1);  // the only clock stays
  Fill(3);
  list.Select(2);
  list.DeleteClock(2);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Selected(), -1);  // the selected last clock leaves no selection
  Fill(3);
  list.GetClock(1)->SetZoneText("B");
  list.Select(0);
  list.DeleteClock(0);
  EXPECT_EQ(list.Selected(), 0);  // the new first is selected
  EXPECT_EQ(list.SelectedClock()->GetZoneName(), "B");
  EXPECT_TRUE(list.SelectedClock()->IsHighlighted());
  list.DeleteClock(7);
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(ClockListTest, DroppingAClockReordersTheList) {
  Fill(4);
  const char* names[] = {"A", "B", "C", "D"};
  for (int i = 0; i < 4; ++i) list.GetClock(i)->SetZoneText(names[i]);
  auto drop = [&](int from, int onto) {
    CClockWidget* clock = list.GetClock(from);
    const RECT target = list.GetClock(onto)->GetRectInParent();
    SetWindowPos(clock->m_hWnd, nullptr, target.left + 5, target.top + 3, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    NMHDR header{clock->m_hWnd, static_cast<UINT_PTR>(clock->GetId()), DWN_ENDMOVE};
    SendMessageA(list.m_hWnd, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  };
  drop(0, 2);
  EXPECT_EQ(Order(), "BACD");
  drop(3, 1);
  EXPECT_EQ(Order(), "BDAC");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(list.GetClock(i)->GetId(), i + 1);
    EXPECT_EQ(list.GetClock(i)->GetRectInParent().left,
              list.GetClock(0)->GetClientRect().right * i);
  }
}

TEST_F(ClockListTest, ToggledOptionsKeepAFaceOrADigitalTime) {
  list.ToggleFlags(kShowAnalog);  // face off, digital on: fine
  EXPECT_EQ(list.GetFlags() & (kShowAnalog | kShowDigital), kShowDigital);
  EXPECT_EQ(list.ToggleFlags(kShowDigital), 0u);  // digital off: the face comes on
  EXPECT_EQ(list.GetFlags() & (kShowAnalog | kShowDigital), kShowAnalog);
  EXPECT_EQ(list.ToggleFlags(kShowSeconds), 0u);  // on by default: now off
  EXPECT_FALSE(list.TestFlags(kShowSeconds));
  EXPECT_EQ(list.ToggleFlags(kShowSeconds), kShowSeconds);
}

TEST_F(ClockListTest, TheGlyphFontReachesEveryClock) {
  Fill(2);
  list.SetGlyphFont(3);  // Liquid Crystal, 10 x 16
  EXPECT_EQ(list.GetClock(1)->Digital().CellWidth(), 10);
  EXPECT_EQ(list.GetClock(1)->Digital().CellHeight(), 16);
  list.SetGlyphFont(999);  // not in the table: the fallback strip
  EXPECT_EQ(list.GetClock(0)->Digital().CellWidth(), 7);
  EXPECT_EQ(list.GetGlyphFont(), 999);
}

TEST_F(ClockListTest, SavesAndLoadsItsSection) {
  Fill(2);
  list.GetClock(0)->SetZone(92);
  list.GetClock(0)->SetZoneText("London");
  list.GetClock(1)->SetZone(39);
  list.GetClock(1)->SetColours(0x000080, 0xFFFFFF);
  list.SetGlyphFont(10);
  list.SetDiameter(90);
  list.SetDateFormat("%d.%m.%Y");
  list.SetDateZoneFont("Verdana", 9.5, 700);
  list.Save(kFile, kSection);

  std::vector<char> buffer(4096);
  platform::ProfileReadSection(kSection, buffer.data(), 4096, kFile);
  std::vector<std::string> lines;
  for (const char* line = buffer.data(); *line; line += lines.back().size() + 1) {
    lines.emplace_back(line);
  }
  const std::vector<std::string> expected = {
      "Zones=2",
      "ShowFlags=0x0007060f",
      "AnalogDiameter=90",
      "DigitalFont=RESOURCE|0x0000051e",
      "DateZoneFontFace=Verdana",
      "DateZoneFontSize=9.5",
      "DateZoneFontWeight=700",
      "DateFormat=%d.%m.%Y",
      "Zone 000=92",
      "Zone 000AnalogFaceColor=0x00d0d9d9",
      "Zone 000AnalogLineColor=0x00303030",
      "Zone 000DisplayName=London",
      "Zone 001=39",
      "Zone 001AnalogFaceColor=0x00ffffff",
      "Zone 001AnalogLineColor=0x00000080",
      "Zone 001DisplayName=Akron",
  };
  EXPECT_EQ(lines, expected);

  CClockList loaded(&fonts);
  ASSERT_TRUE(loaded.Create(WS_CHILD | WS_VISIBLE, RECT{0, 400, 10, 410}, host.m_hWnd, 101));
  loaded.Load(kFile, kSection);
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Selected(), -1);
  EXPECT_EQ(loaded.GetGlyphFont(), 10);
  EXPECT_EQ(loaded.GetClock(0)->Digital().CellWidth(), 7);
  EXPECT_EQ(loaded.GetDiameter(), 90);
  EXPECT_EQ(loaded.GetDateFormat(), "%d.%m.%Y");
  EXPECT_EQ(loaded.GetClock(0)->GetZone(), 92);
  EXPECT_EQ(loaded.GetClock(0)->GetZoneName(), "London");
  EXPECT_EQ(loaded.GetClock(0)->GetZoneText(), "London, U.K.: UTC +1:00 (DST)");
  EXPECT_EQ(loaded.GetClock(1)->LineColour(), 0x000080u);
  EXPECT_EQ(loaded.GetClock(1)->FaceColour(), 0xFFFFFFu);
  // Every clock, the first and those made while loading, has the shared
  // options and shows its own zone's time at once.
  const char* const dates[] = {"01.07.2002", "01.07.2002"};
  const char* const times[] = {" 1:00:00 PM", " 8:00:00 AM"};
  for (int i = 0; i < 2; ++i) {
    const CClockWidget& clock = *loaded.GetClock(i);
    std::string face;
    double points = 0;
    int weight = 0;
    clock.GetDateZoneFont(face, points, weight);
    EXPECT_EQ(face, "Verdana") << i;
    EXPECT_DOUBLE_EQ(points, 9.5) << i;
    EXPECT_EQ(weight, 700) << i;
    EXPECT_EQ(clock.TextHeight(), loaded.GetClock(0)->TextHeight()) << i;
    EXPECT_EQ(clock.GetDiameter(), 90) << i;
    EXPECT_EQ(loaded.GetClock(i)->Digital().CellWidth(), 7) << i;
    EXPECT_EQ(loaded.GetClock(i)->DateLine().GetWindowText(), dates[i]) << i;
    EXPECT_EQ(loaded.GetClock(i)->Digital().GetWindowText(), times[i]) << i;
  }
}

TEST_F(ClockListTest, LoadsClampAndRefuseWhatCannotBeShown) {
  WriteSection(
      "Zones=3\r\nShowFlags=0x10000\r\nAnalogDiameter=10\r\nDateZoneFontSize=x\r\n"
      "DigitalFont=FILE|digits\\gone.bmp\r\nZone 000=300\r\nZone 001=-5\r\nZone 002=118\r\n"
      "Zone 001AnalogLineColor=0x00ff0000\r\n");
  list.Load(kFile, kSection);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.GetFlags(), 10u);  // digital time and zone button
  EXPECT_EQ(list.GetDiameter(), 20);
  std::string face;
  double points = 0;
  int weight = 0;
  list.GetDateZoneFont(face, points, weight);
  EXPECT_DOUBLE_EQ(points, 8.0);
  EXPECT_EQ(list.GetGlyphFont(), 0);          // a font that is gone: the first
  EXPECT_EQ(list.GetClock(0)->GetZone(), 0);  // outside the table: UTC
  EXPECT_EQ(list.GetClock(1)->GetZone(), 0);
  EXPECT_EQ(list.GetClock(2)->GetZone(), 118);
  EXPECT_EQ(list.GetClock(1)->LineColour(), 0xFF0000u);
  EXPECT_EQ(list.GetClock(2)->LineColour(), 0xFF0000u);  // the previous clock's

  CClockList large(&fonts);
  ASSERT_TRUE(large.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, host.m_hWnd, 102));
  WriteSection("Zones=1000\r\nAnalogDiameter=500\r\nShowFlags=1\r\nDateZoneFontSize=25\r\n");
  large.Load(kFile, kSection);
  EXPECT_EQ(large.GetDiameter(), 400);
  EXPECT_EQ(large.Count(), 12);  // loading stops when the list is full
  large.GetDateZoneFont(face, points, weight);
  EXPECT_DOUBLE_EQ(points, 8.0);
}

TEST_F(ClockListTest, NoClocksStoredLeavesTheStartingClockAlone) {
  WriteSection("Zones=0\r\nShowFlags=0x00000001\r\nAnalogDiameter=200\r\n");
  list.Load(kFile, kSection);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetFlags(), 0x7060Fu);
  EXPECT_EQ(list.GetDiameter(), 60);
}

CClockWidget* g_chosen = nullptr;

TEST_F(ClockListTest, TheZoneButtonSelectsItsClockAndOpensTheChooser) {
  Fill(2);
  list.Select(-1);
  CClockWidget::SetZoneChooserOpener([](CClockWidget& clock) { g_chosen = &clock; });
  SendMessageA(list.GetClock(1)->m_hWnd, WM_COMMAND, MAKEWPARAM(kZoneButtonId, BN_CLICKED), 0);
  CClockWidget::SetZoneChooserOpener(nullptr);
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_EQ(g_chosen, list.GetClock(1));
}

}  // namespace
