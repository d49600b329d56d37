// Small pure helpers shared by the windows: bounds, rectangles, colours,
// border widths, font heights, and the settings writers.
#ifndef APP_DIALOGS_SMALLHELPERS_H
#define APP_DIALOGS_SMALLHELPERS_H

#include <cstdint>

// A colour as 0x00BBGGRR: red in bits 0-7, green in 8-15, blue in 16-23.
using Colour = uint32_t;

// A rectangle with the layout of the platform's RECT.
struct Rect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// An EdgeSpec describes a border: 0 none; 0x01000000 + colour, a one-pixel
// frame in that colour; 0x02000000 + system colour index, a one-pixel frame in
// that system colour; any other value, a three-dimensional edge of that type
// (1 raised outer, 2 sunken outer, 4 raised inner, 8 sunken inner).
using EdgeSpec = uint32_t;
constexpr EdgeSpec kEdgeSpecColourFrame = 0x01000000;
constexpr EdgeSpec kEdgeSpecSystemColourFrame = 0x02000000;

// low when value < low (tested first), else high when value > high, else value.
int Clamp(int value, int low, int high);

// Moves (never resizes) rect so it lies inside bounds; the left and top edges
// win when it is larger. Returns whether it moved.
bool MoveRectInside(Rect& rect, const Rect& bounds);

// Each component moves toward white: x + trunc((256 - x) * fraction), 8 bits.
Colour LightenColour(Colour colour, double fraction);
// Each component multiplied by factor, at most 255.
Colour ScaleColour(Colour colour, double factor);
// Perceived brightness, 0-255.
int ColourLuminance(Colour colour);

// The border width of an EdgeSpec: 0, 1 or 2 pixels.
int EdgeSpecWidth(EdgeSpec spec);

// The (negative) font height for a size in points at a vertical resolution.
int PointsToFontHeight(int pixelsPerInch, double points);

// Writes value in decimal into the settings file.
bool WriteProfileInt(const char* section, const char* key, int value, const char* file);
// Writes value as "0x%08x" into the settings file.
bool WriteProfileHex(const char* section, const char* key, uint32_t value, const char* file);

#endif
