// Checks a Windows bitmap file's bytes before anything is made from them, so
// a truncated, empty or foreign file in the "digits" folder is refused
// instead of read past its end.
#ifndef APP_DISPLAY_BITMAPFILE_H
#define APP_DISPLAY_BITMAPFILE_H

#include <cstddef>
#include <cstdint>

struct BitmapFileLayout {
  std::size_t infoOffset;  // the info header, followed by masks or colour table
  std::size_t bitsOffset;  // the pixel rows
  std::size_t bitsSize;
  int32_t width;
  int32_t height;  // negative for rows from the top
  uint16_t depth;
};

// An uncompressed bitmap of 1, 4, 8, 16, 24 or 32 bits per pixel whose
// header, colour table and rows all lie inside the data.
bool ParseBitmapFile(const uint8_t* data, std::size_t size, BitmapFileLayout& layout);

#endif
