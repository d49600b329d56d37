// Where the parts of an analog clock face go, for a client area of w x h
// pixels. Angles are in degrees, clockwise from twelve o'clock.
#ifndef APP_DISPLAY_ANALOGGEOMETRY_H
#define APP_DISPLAY_ANALOGGEOMETRY_H

#include <vector>

#include "SmallHelpers.h"

// Style bits of a face (bits 16-18 of the clocks' flag word).
constexpr unsigned kFaceFilled = 0x1;
constexpr unsigned kFaceSecondHand = 0x2;
constexpr unsigned kFaceShadows = 0x4;

struct DialPoint {
  int x;
  int y;
};

struct FaceGeometry {
  int radius;            // c0: half the smaller side
  int centre;            // c: both coordinates of the centre
  int tickInner;         // ticks run from this radius ...
  int tickOuter;         // ... to this one
  int shadowOffset;      // how far right and down the hands' shadow falls
  DialPoint twelveMark;  // top left of the 6 x 6 mark at twelve o'clock
  DialPoint dstMark;     // top left of the 13 x 5 "DST" mark
  double hourLength;
  double minuteLength;
  double secondLength;
  double secondTail;  // the second hand reaches this far behind the centre
};

FaceGeometry ComputeFaceGeometry(int width, int height);

// The point at radius and angle from (centre, centre), each offset truncated
// toward zero.
DialPoint PointOnDial(int centre, double radius, double degrees);

// The hour hand moves in 2-degree steps every 4 minutes; 12-23 as 0-11.
double HourHandAngle(int hour, int minute);
double MinuteHandAngle(int minute, int second);
double SecondHandAngle(int second);

// The tick positions, from three o'clock clockwise, twelve o'clock left out:
// every 90 degrees on a filled face, every 30 on a plain one.
std::vector<double> TickAngles(bool filledFace);

// Twice as light as the lines, unless that is about as bright as the face.
Colour SecondHandColour(Colour line, Colour face);
// The twelve and DST marks are a lighter tint of the lines.
Colour MarkColour(Colour line);
// The hands' shadow: the background darkened.
Colour ShadowColour(Colour background);

#endif
