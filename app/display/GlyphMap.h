// Glyph strips hold 16 cells side by side; a glyph map turns each byte of a
// text into one of them.
#ifndef APP_DISPLAY_GLYPHMAP_H
#define APP_DISPLAY_GLYPHMAP_H

#include <array>
#include <cstdint>

constexpr int kGlyphCellCount = 16;

// The cells of every strip, left to right.
enum GlyphCell : uint8_t {
  kCellBlank = 0,
  kCellDigitZero = 1,  // "0" to "9" are cells 1 to 10
  kCellColon = 11,
  kCellMinus = 12,
  kCellA = 13,
  kCellM = 14,
  kCellP = 15,
};

// One cell index (0-15) for every byte value.
using GlyphMap = std::array<uint8_t, 256>;

// Digits, ":", "-", "A", "M" and "P" (either case) to their cells; every
// other byte, the space included, to the blank cell.
void FillDefaultGlyphMap(GlyphMap& map);
const GlyphMap& DefaultGlyphMap();

#endif
