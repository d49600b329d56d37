// The clocks and their shared options in a settings-file section, key by
// key. Reading clamps what the clocks cannot show; writing replaces the
// whole section, keys in a fixed order.
#ifndef APP_DISPLAY_CLOCKLISTSTORE_H
#define APP_DISPLAY_CLOCKLISTSTORE_H

#include <cstdint>
#include <string>
#include <vector>

#include "SmallHelpers.h"

constexpr Colour kDefaultLineColour = 0x303030;
constexpr Colour kDefaultFaceColour = 0xD0D9D9;
constexpr int kMinDiameter = 20;
constexpr int kMaxDiameter = 400;

// What all clocks of a list share.
struct ClockListOptions {
  int zones = 1;                    // number of clocks
  std::string digitalFont;          // a glyph font's source text
  int diameter = 60;                // of the analog face
  uint32_t flags = 0x7060F;         // the show flags
  std::string fontFace = "Tahoma";  // of the date line and zone button
  double fontSize = 8.0;            // points
  int fontWeight = 400;
  std::string dateFormat = "%a, %b %#d";
};

// What each clock keeps for itself.
struct ClockEntry {
  int zone = 0;
  Colour face = kDefaultFaceColour;
  Colour line = kDefaultLineColour;
  std::string name;  // the zone's name as shown; empty for the library's
};

// "Zone %03d": the key of a clock's zone and the prefix of its other keys.
std::string ClockKeyPrefix(int position);

// The shared options, clamped: diameter into 20-400, flags showing neither
// face nor digital time become digital time and zone button, a font size
// outside 7-20 points (or no number) becomes 8.
ClockListOptions ReadClockListOptions(const char* file, const char* section);

// The clock at position; its colours default to those of the clock before.
ClockEntry ReadClockEntry(const char* file, const char* section, int position,
                          const ClockEntry& previous);

void WriteClockList(const char* file, const char* section, const ClockListOptions& options,
                    const std::vector<ClockEntry>& clocks);

#endif
