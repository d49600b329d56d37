#include "AnalogGeometry.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

FaceGeometry ComputeFaceGeometry(int width, int height) {
  FaceGeometry face{};
  const int smaller = width < height ? width : height;
  const bool bothEven = width % 2 == 0 && height % 2 == 0;
  face.radius = smaller / 2;
  face.centre = face.radius - (bothEven ? 1 : 0);
  int tick = face.radius / 10;
  if (tick < 2) tick = 2;
  face.tickInner = face.radius - tick - 2;
  face.tickOuter = face.radius - 2;
  face.shadowOffset = static_cast<int>(std::sqrt(static_cast<double>(width)) / 3.0);
  if (face.shadowOffset < 2) face.shadowOffset = 2;
  face.twelveMark = {width / 2 - 3, 4};
  face.dstMark = {width / 2 - 6 - (bothEven ? 1 : 0), static_cast<int>(height * 0.7)};
  face.hourLength = 0.6 * face.centre;
  face.minuteLength = 0.8 * face.centre;
  face.secondLength = 0.9 * face.centre;
  face.secondTail = 0.25 * face.centre;
  return face;
}

DialPoint PointOnDial(int centre, double radius, double degrees) {
  const double radians = degrees * kPi / 180.0;
  return {centre + static_cast<int>(radius * std::sin(radians)),
          centre - static_cast<int>(radius * std::cos(radians))};
}

double HourHandAngle(int hour, int minute) { return 30.0 * (hour % 12) + 2.0 * (minute / 4); }

double MinuteHandAngle(int minute, int second) { return 6.0 * minute + 0.1 * second; }

double SecondHandAngle(int second) { return 6.0 * second; }

std::vector<double> TickAngles(bool filledFace) {
  const int step = filledFace ? 90 : 30;
  std::vector<double> angles;
  for (int angle = 90; angle < 90 + 360; angle += step) {
    if (angle % 360 != 0) angles.push_back(angle % 360);
  }
  return angles;
}

Colour SecondHandColour(Colour line, Colour face) {
  const Colour lighter = ScaleColour(line, 2.0);
  return std::abs(ColourLuminance(lighter) - ColourLuminance(face)) <= 10 ? face : lighter;
}

Colour MarkColour(Colour line) { return LightenColour(line, 0.4); }

Colour ShadowColour(Colour background) { return ScaleColour(background, 0.8); }
