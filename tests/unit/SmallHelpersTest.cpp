// The small pure helpers: bounds, rectangles, colours, borders, font heights
// and the settings writers.
#include <gtest/gtest.h>

#include "ProfileFile.h"
#include "SmallHelpers.h"
#include "TestProfile.h"

namespace {

TEST(Clamp, LowBoundIsTestedFirst) {
  EXPECT_EQ(Clamp(5, 10, 1), 10);
  EXPECT_EQ(Clamp(-3, 0, 9), 0);
  EXPECT_EQ(Clamp(12, 0, 9), 9);
  EXPECT_EQ(Clamp(4, 0, 9), 4);
}

TEST(MoveRectInside, MovesWithoutResizingAndTheTopLeftWins) {
  struct Case {
    Rect rect, bounds, expected;
    bool moved;
  };
  const Case cases[] = {
      {{-50, 10, 250, 20}, {0, 0, 200, 100}, {0, 10, 300, 20}, true},      // wider: left wins
      {{10, 10, 50, 50}, {0, 0, 200, 100}, {10, 10, 50, 50}, false},       // inside already
      {{180, 90, 230, 130}, {0, 0, 200, 100}, {150, 60, 200, 100}, true},  // over right, bottom
      {{5, -20, 25, 500}, {0, 0, 200, 100}, {5, 0, 25, 520}, true},        // taller: top wins
  };
  for (const Case& c : cases) {
    Rect rect = c.rect;
    EXPECT_EQ(MoveRectInside(rect, c.bounds), c.moved);
    EXPECT_EQ(rect.left, c.expected.left);
    EXPECT_EQ(rect.top, c.expected.top);
    EXPECT_EQ(rect.right, c.expected.right);
    EXPECT_EQ(rect.bottom, c.expected.bottom);
  }
}

TEST(Colours, LightenScaleAndLuminance) {
  EXPECT_EQ(LightenColour(0x000000, 0.8), 0xCCCCCCu);
  EXPECT_EQ(LightenColour(0xFFFFFF, 0.8), 0xFFFFFFu);
  EXPECT_EQ(LightenColour(0x0000C0, 0.8), 0xCCCCF3u);    // 192 becomes 243
  EXPECT_EQ(LightenColour(0xFF123456, 0.0), 0x123456u);  // top byte dropped

  EXPECT_EQ(ScaleColour(0x808080, 0.5), 0x404040u);
  EXPECT_EQ(ScaleColour(0x80FF10, 2.0), 0xFFFF20u);  // capped at 255
  EXPECT_EQ(ScaleColour(0x01000000, 1.0), 0u);

  EXPECT_EQ(ColourLuminance(0xFFFFFF), 255);
  EXPECT_EQ(ColourLuminance(0x0000FF), 56);   // red: 222 * 255 / 1000
  EXPECT_EQ(ColourLuminance(0x00FF00), 180);  // green
  EXPECT_EQ(ColourLuminance(0xFF0000), 18);   // blue
}

TEST(EdgeSpecWidth, FramesAreOneAndEdgesCountTheirPairs) {
  const std::pair<EdgeSpec, int> cases[] = {
      {0, 0}, {0x01000000, 1}, {0x01FF00FF, 1}, {0x02000010, 1}, {1, 1},   {2, 1},   {4, 1},
      {8, 1}, {6, 2},          {5, 2},          {0xA, 2},        {0xF, 2}, {0x10, 0}};
  for (const auto& c : cases) EXPECT_EQ(EdgeSpecWidth(c.first), c.second) << std::hex << c.first;
}

TEST(PointsToFontHeight, TruncatesTowardZero) {
  EXPECT_EQ(PointsToFontHeight(96, 8), -10);
  EXPECT_EQ(PointsToFontHeight(96, 12), -16);
  EXPECT_EQ(PointsToFontHeight(120, 8.5), -14);
  EXPECT_EQ(PointsToFontHeight(96, 0), 0);
}

TEST(ProfileWriters, DecimalAndHexadecimalRoundTrip) {
  constexpr const char* kFile = "VorlixHelpers.ini";
  testing_support::RemoveProfileFile(kFile);
  ASSERT_TRUE(WriteProfileInt("State", "rcWnd.x", -42, kFile));
  ASSERT_TRUE(WriteProfileHex("Clocks 000", "LineColor", 0x303030, kFile));
  char text[32];
  platform::ProfileReadString("State", "rcWnd.x", "", text, sizeof text, kFile);
  EXPECT_STREQ(text, "-42");
  platform::ProfileReadString("Clocks 000", "LineColor", "", text, sizeof text, kFile);
  EXPECT_STREQ(text, "0x00303030");
  EXPECT_EQ(platform::ProfileReadInt("Clocks 000", "LineColor", 0, kFile), 0x303030);
  testing_support::RemoveProfileFile(kFile);
}

}  // namespace
