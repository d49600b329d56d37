// The strip a glyph display uses when no other can be had: a 16-cell
// seven-segment mask of 7 x 11 pixel cells, kept as constant data so it can
// never fail to load.
#ifndef APP_DISPLAY_FALLBACKSTRIP_H
#define APP_DISPLAY_FALLBACKSTRIP_H

#include <cstdint>

constexpr int kFallbackStripWidth = 112;
constexpr int kFallbackStripHeight = 11;
// Bytes per row, padded to 16 bits as monochrome device bitmaps want them.
constexpr int kFallbackStripStride = 14;

extern const uint8_t kFallbackStripBits[kFallbackStripHeight * kFallbackStripStride];

#endif
