#include "StripBitmaps.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "BitmapFile.h"
#include "FallbackStrip.h"
#include "GlyphMap.h"

namespace {

// Larger files are not glyph strips; they are not read.
constexpr long kLargestStripFile = 16 * 1024 * 1024;
// Cells larger than this on either side are not glyphs either.
constexpr int kLargestCell = 1024;

// A strip that can be drawn from: at least one pixel per cell.
BitmapHandle Usable(BitmapHandle strip) {
  const SIZE size = BitmapSize(strip.get());
  if (size.cx / kGlyphCellCount < 1 || size.cx / kGlyphCellCount > kLargestCell || size.cy < 1 ||
      size.cy > kLargestCell) {
    return CreateFallbackStrip();
  }
  return strip;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0 && size <= kLargestStripFile && std::fseek(file, 0, SEEK_SET) == 0) {
      bytes.resize(static_cast<std::size_t>(size));
      if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) bytes.clear();
    }
  }
  std::fclose(file);
  return bytes;
}

}  // namespace

BitmapHandle CreateFallbackStrip() {
  return BitmapHandle(
      CreateBitmap(kFallbackStripWidth, kFallbackStripHeight, 1, 1, kFallbackStripBits));
}

BitmapHandle LoadStripResource(HINSTANCE module, int resourceId) {
  return Usable(BitmapHandle(static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))));
}

BitmapHandle LoadStripFile(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  BitmapFileLayout layout{};
  if (!ParseBitmapFile(bytes.data(), bytes.size(), layout)) return CreateFallbackStrip();
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + layout.infoOffset);
  void* bits = nullptr;
  BitmapHandle strip(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!strip || !bits) return CreateFallbackStrip();
  std::memcpy(bits, bytes.data() + layout.bitsOffset, layout.bitsSize);
  GdiFlush();
  return Usable(std::move(strip));
}

bool IsMaskStrip(HBITMAP strip) {
  BITMAP info{};
  return strip && GetObjectA(strip, sizeof info, &info) && info.bmBitsPixel == 1;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

namespace {

// A monochrome bitmap whose 1 bits are the mask's light pixels, whatever
// colour table the mask came with.
BitmapHandle CopyMask(HBITMAP strip, SIZE size) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = size.cx;
  info.header.biHeight = -size.cy;  // rows from the top
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  const int dibStride = (size.cx + 31) / 32 * 4;
  std::vector<uint8_t> dib(static_cast<std::size_t>(dibStride) * size.cy);
  WindowDc screen(nullptr);
  if (!GetDIBits(screen.get(), strip, 0, static_cast<UINT>(size.cy), dib.data(),
                 reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
    return BitmapHandle();
  }
  bool light[2];
  for (int i = 0; i < 2; ++i) {
    const RGBQUAD& c = info.colours[i];
    light[i] = (222 * c.rgbRed + 707 * c.rgbGreen + 71 * c.rgbBlue) / 1000 >= 128;
  }
  const int ddbStride = (size.cx + 15) / 16 * 2;
  std::vector<uint8_t> ddb(static_cast<std::size_t>(ddbStride) * size.cy, 0);
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      const int index = (dib[static_cast<std::size_t>(y) * dibStride + x / 8] >> (7 - x % 8)) & 1;
      if (light[index]) ddb[static_cast<std::size_t>(y) * ddbStride + x / 8] |= 0x80 >> (x % 8);
    }
  }
  return BitmapHandle(CreateBitmap(size.cx, size.cy, 1, 1, ddb.data()));
}

BitmapHandle CopyForScreen(HBITMAP strip, SIZE size) {
  WindowDc screen(nullptr);
  BitmapHandle copy(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  MemoryDc from(CreateCompatibleDC(screen.get()));
  MemoryDc to(CreateCompatibleDC(screen.get()));
  if (!copy || !from || !to) return BitmapHandle();
  SelectScope source(from.get(), strip);
  SelectScope target(to.get(), copy.get());
  BitBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, SRCCOPY);
  return copy;
}

}  // namespace

BitmapHandle MakeDisplayCopy(HBITMAP strip) {
  const SIZE size = BitmapSize(strip);
  if (size.cx <= 0 || size.cy <= 0) return BitmapHandle();
  return IsMaskStrip(strip) ? CopyMask(strip, size) : CopyForScreen(strip, size);
}
