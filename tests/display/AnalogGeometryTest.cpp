// The analog face's geometry, hand angles and colours.
#include <gtest/gtest.h>

#include "AnalogGeometry.h"

namespace {

TEST(FaceGeometry, DiameterSixty) {
  const FaceGeometry face = ComputeFaceGeometry(60, 60);
  EXPECT_EQ(face.radius, 30);
  EXPECT_EQ(face.centre, 29);
  EXPECT_EQ(face.tickInner, 25);
  EXPECT_EQ(face.tickOuter, 28);
  EXPECT_EQ(face.shadowOffset, 2);
  EXPECT_DOUBLE_EQ(face.hourLength, 17.4);
  EXPECT_DOUBLE_EQ(face.minuteLength, 23.2);
  EXPECT_EQ(face.twelveMark.x, 27);
  EXPECT_EQ(face.twelveMark.y, 4);
  EXPECT_EQ(face.dstMark.x, 23);
  EXPECT_EQ(face.dstMark.y, 42);
}

TEST(FaceGeometry, DiameterFourHundredAndOddSizes) {
  const FaceGeometry face = ComputeFaceGeometry(400, 400);
  EXPECT_EQ(face.radius, 200);
  EXPECT_EQ(face.centre, 199);
  EXPECT_EQ(face.tickInner, 178);
  EXPECT_EQ(face.tickOuter, 198);
  EXPECT_EQ(face.shadowOffset, 6);

  const FaceGeometry odd = ComputeFaceGeometry(61, 61);  // no pixel of correction
  EXPECT_EQ(odd.centre, 30);
  EXPECT_EQ(odd.dstMark.x, 24);
  const FaceGeometry tiny = ComputeFaceGeometry(20, 20);  // ticks and shadow at least 2
  EXPECT_EQ(tiny.tickInner, 10 - 2 - 2);
  EXPECT_EQ(tiny.shadowOffset, 2);
}

TEST(FaceGeometry, HandsPointWhereTheTimeSays) {
  const int c = 29;  // diameter 60
  struct Case {
    int hour, minute;
    double degrees;
  };
  const Case hours[] = {{0, 0, 0},   {12, 0, 0},   {3, 0, 90},
                        {15, 0, 90}, {9, 30, 284}, {23, 59, 358}};
  for (const Case& h : hours) EXPECT_DOUBLE_EQ(HourHandAngle(h.hour, h.minute), h.degrees);
  EXPECT_DOUBLE_EQ(MinuteHandAngle(30, 30), 183.0);
  EXPECT_DOUBLE_EQ(SecondHandAngle(45), 270.0);

  // End points: up at twelve, right at three, truncated toward zero.
  const DialPoint up = PointOnDial(c, 17.4, 0);
  EXPECT_EQ(up.x, 29);
  EXPECT_EQ(up.y, 12);
  const DialPoint right = PointOnDial(c, 17.4, 90);
  EXPECT_EQ(right.x, 46);
  EXPECT_EQ(right.y, 29);
  const DialPoint lowerLeft = PointOnDial(c, 23.2, 225);  // -16.4 both ways
  EXPECT_EQ(lowerLeft.x, 13);
  EXPECT_EQ(lowerLeft.y, 45);
}

TEST(FaceGeometry, TicksStartAtThreeAndSkipTwelve) {
  EXPECT_EQ(TickAngles(true), (std::vector<double>{90, 180, 270}));
  const std::vector<double> plain = TickAngles(false);
  ASSERT_EQ(plain.size(), 11u);
  EXPECT_EQ(plain.front(), 90);
  EXPECT_EQ(plain.back(), 60);
}

TEST(FaceColours, SecondHandMarksAndShadow) {
  EXPECT_EQ(SecondHandColour(0x303030, 0xD0D9D9), 0x606060u);
  EXPECT_EQ(SecondHandColour(0x606060, 0xC8C8C8), 0xC8C8C8u);  // too close to the face
  EXPECT_EQ(MarkColour(0x303030), 0x838383u);
  EXPECT_EQ(ShadowColour(0xD0D9D9), 0xA6ADADu);
}

}  // namespace
