#include "SmallHelpers.h"

#include <cstdio>

#include "ProfileFile.h"

namespace {

uint32_t Component(Colour colour, int index) { return (colour >> (8 * index)) & 0xFF; }

Colour FromComponents(const uint32_t (&components)[3]) {
  return (components[0] & 0xFF) | ((components[1] & 0xFF) << 8) | ((components[2] & 0xFF) << 16);
}

}  // namespace

int Clamp(int value, int low, int high) {
  if (value < low) return low;
  if (value > high) return high;
  return value;
}

bool MoveRectInside(Rect& rect, const Rect& bounds) {
  int dx = 0;
  int dy = 0;
  if (rect.right > bounds.right) dx = bounds.right - rect.right;
  if (rect.left < bounds.left) dx = bounds.left - rect.left;
  if (rect.bottom > bounds.bottom) dy = bounds.bottom - rect.bottom;
  if (rect.top < bounds.top) dy = bounds.top - rect.top;
  if (dx == 0 && dy == 0) return false;
  rect.left += dx;
  rect.right += dx;
  rect.top += dy;
  rect.bottom += dy;
  return true;
}

Colour LightenColour(Colour colour, double fraction) {
  uint32_t components[3];
  for (int i = 0; i < 3; ++i) {
    const uint32_t x = Component(colour, i);
    components[i] = x + static_cast<uint32_t>(static_cast<int>((256 - x) * fraction));
  }
  return FromComponents(components);
}

Colour ScaleColour(Colour colour, double factor) {
  uint32_t components[3];
  for (int i = 0; i < 3; ++i) {
    const double scaled = Component(colour, i) * factor;
    components[i] = scaled >= 255.0 ? 255u : static_cast<uint32_t>(scaled);
  }
  return FromComponents(components);
}

int ColourLuminance(Colour colour) {
  return static_cast<int>(
      (222 * Component(colour, 0) + 707 * Component(colour, 1) + 71 * Component(colour, 2)) / 1000);
}

int EdgeSpecWidth(EdgeSpec spec) {
  const EdgeSpec kind = spec & 0xFF000000;
  if (kind == kEdgeSpecColourFrame || kind == kEdgeSpecSystemColourFrame) return 1;
  return ((spec & 0x3) ? 1 : 0) + ((spec & 0xC) ? 1 : 0);
}

int PointsToFontHeight(int pixelsPerInch, double points) {
  return -static_cast<int>(pixelsPerInch * points / 72.0);
}

bool WriteProfileInt(const char* section, const char* key, int value, const char* file) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return platform::ProfileWriteString(section, key, text, file);
}

bool WriteProfileHex(const char* section, const char* key, uint32_t value, const char* file) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(value));
  return platform::ProfileWriteString(section, key, text, file);
}
