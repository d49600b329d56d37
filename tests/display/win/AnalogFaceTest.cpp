// The analog face as painted: hands, marks, shadow, second hand, ticks, and
// no repaint for colours it already has.
#include <gtest/gtest.h>
#include <windows.h>

#include "AnalogFace.h"
#include "AnalogGeometry.h"
#include "GuiObjects.h"
#include "TestHost.h"

namespace {

constexpr Colour kLine = 0x303030;
constexpr Colour kFace = 0xD0D9D9;
constexpr int kCentre = 29;  // diameter 60

class AnalogFaceTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(face.Create(WS_CHILD | WS_VISIBLE, RECT{10, 10, 70, 70}, host.m_hWnd, 0));
    face.SetColours(kLine, kFace);
  }
  COLORREF At(int x, int y) { return WindowPixel(face.m_hWnd, x, y); }
  // Whether colour is among the 3 x 3 pixels around (x, y).
  bool Near(int x, int y, COLORREF colour) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (At(x + dx, y + dy) == colour) return true;
      }
    }
    return false;
  }

  CTestHost host;
  CAnalogFace face;
};

TEST_F(AnalogFaceTest, HandsAtThreeOClock) {
  face.SetStyle(kFaceFilled);
  face.SetTime(15, 0, 0, false);
  EXPECT_EQ(At(kCentre + 12, kCentre), kLine);      // hour hand to the right
  EXPECT_EQ(At(kCentre, kCentre - 18), kLine);      // minute hand up
  EXPECT_EQ(At(kCentre - 12, kCentre), kFace);      // nothing to the left
  EXPECT_EQ(At(kCentre, kCentre + 12), kFace);      // nor below
  EXPECT_EQ(At(kCentre + 25, kCentre + 1), kFace);  // past the hour hand's end
}

TEST_F(AnalogFaceTest, MarksAtTwelveAndForDaylightSaving) {
  face.SetStyle(kFaceFilled);
  face.SetTime(9, 0, 0, false);  // the hands stay clear of both marks
  const COLORREF mark = MarkColour(kLine);
  EXPECT_EQ(mark, 0x838383u);
  EXPECT_EQ(At(27, 4), mark);  // the twelve mark's left column
  EXPECT_EQ(At(29, 4), kFace);
  EXPECT_EQ(At(23, 42), kFace);  // no DST mark
  face.SetTime(9, 0, 0, true);
  EXPECT_EQ(At(23, 42), mark);  // the D's first column
  EXPECT_EQ(At(24, 42), mark);
  EXPECT_EQ(At(26, 42), kFace);
  EXPECT_EQ(At(23 + 12, 42 + 4), kFace);
}

TEST_F(AnalogFaceTest, SecondHandAndShadow) {
  face.SetStyle(kFaceFilled | kFaceSecondHand | kFaceShadows);
  face.SetTime(3, 0, 45, false);
  EXPECT_EQ(face.SecondHandColour(), 0x606060u);
  EXPECT_EQ(At(kCentre - 20, kCentre), 0x606060u);  // the second hand points left
  EXPECT_EQ(At(kCentre + 5, kCentre), 0x606060u);   // and reaches behind the centre
  // The hands' shadow falls two pixels right and down.
  EXPECT_EQ(At(kCentre + 10, kCentre + 3), ShadowColour(kFace));
}

TEST_F(AnalogFaceTest, PlainFacesHaveElevenTicksOnTheButtonFace) {
  face.SetStyle(0);
  face.SetTime(6, 0, 0, false);
  const DialPoint one = PointOnDial(kCentre, 26.5, 30);
  EXPECT_TRUE(Near(one.x, one.y, kLine));
  EXPECT_EQ(At(1, 1), GetSysColor(COLOR_BTNFACE));
  face.SetStyle(kFaceFilled);
  EXPECT_FALSE(Near(one.x, one.y, kLine));  // a filled face has ticks at 3, 6, 9 only
  const DialPoint three = PointOnDial(kCentre, 26.5, 90);
  EXPECT_TRUE(Near(three.x, three.y, kLine));
}

TEST_F(AnalogFaceTest, TheSameColoursAgainPaintNothing) {
  face.SetTime(1, 2, 3, false);
  UpdateWindow(face.m_hWnd);
  const long paints = CDisplayWidget::PaintCount();
  face.SetColours(kLine, kFace);
  UpdateWindow(face.m_hWnd);
  EXPECT_EQ(CDisplayWidget::PaintCount(), paints);
  face.SetColours(0x606060, 0xC8C8C8);
  EXPECT_GT(CDisplayWidget::PaintCount(), paints);
  EXPECT_EQ(face.SecondHandColour(), 0xC8C8C8u);
}

TEST(AnalogFaceObjects, GrowingAndDestroyingFreeEverything) {
  const int bitmaps = LiveGuiObjects(GuiKind::Bitmap);
  const int contexts = LiveGuiObjects(GuiKind::DeviceContext);
  {
    CTestHost host;
    CAnalogFace face;
    ASSERT_TRUE(face.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 60, 60}, host.m_hWnd, 0));
    for (int size = 20; size <= 400; size += 38) {
      SetWindowPos(face.m_hWnd, nullptr, 0, 0, size, size, SWP_NOMOVE | SWP_NOZORDER);
      UpdateWindow(face.m_hWnd);
    }
    SendMessageA(face.m_hWnd, WM_DISPLAYCHANGE, 16, MAKELPARAM(1280, 800));
    UpdateWindow(face.m_hWnd);
  }
  EXPECT_EQ(LiveGuiObjects(GuiKind::Bitmap), bitmaps);
  EXPECT_EQ(LiveGuiObjects(GuiKind::DeviceContext), contexts);
}

}  // namespace
