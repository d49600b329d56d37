#include "GlyphMap.h"

void FillDefaultGlyphMap(GlyphMap& map) {
  map.fill(kCellBlank);
  for (int digit = 0; digit < 10; ++digit)
    map['0' + digit] = static_cast<uint8_t>(kCellDigitZero + digit);
  map[':'] = kCellColon;
  map['-'] = kCellMinus;
  map['A'] = map['a'] = kCellA;
  map['M'] = map['m'] = kCellM;
  map['P'] = map['p'] = kCellP;
}

const GlyphMap& DefaultGlyphMap() {
  static const GlyphMap map = [] {
    GlyphMap filled;
    FillDefaultGlyphMap(filled);
    return filled;
  }();
  return map;
}
