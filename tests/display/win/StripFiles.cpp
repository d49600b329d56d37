#include "StripFiles.h"

#include <cstdio>
#include <cstring>

namespace {

void Put(std::vector<uint8_t>& b, std::size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

COLORREF CellColour(int cell) { return RGB(16 * cell + 8, 255 - 16 * cell, (cell * 97) & 0xFF); }

std::vector<uint8_t> MakeStripFile(int cellWidth, int cellHeight) {
  const int width = 16 * cellWidth;
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> b(54 + stride * static_cast<std::size_t>(cellHeight));
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(b.size()), 4);
  Put(b, 10, 54, 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<uint32_t>(width), 4);
  Put(b, 22, static_cast<uint32_t>(cellHeight), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, 24, 2);
  for (int y = 0; y < cellHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = CellColour(x / cellWidth);
      const std::size_t at =
          54 + stride * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(x);
      b[at] = GetBValue(colour);
      b[at + 1] = GetGValue(colour);
      b[at + 2] = GetRValue(colour);
    }
  }
  return b;
}

BitmapHandle MakeStripBitmap(int cellWidth, int cellHeight) {
  const std::vector<uint8_t> file = MakeStripFile(cellWidth, cellHeight);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + 14);
  void* bits = nullptr;
  BitmapHandle strip(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bits) std::memcpy(bits, file.data() + 54, file.size() - 54);
  GdiFlush();
  return strip;
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  MemoryDc dc(CreateCompatibleDC(nullptr));
  SelectScope keep(dc.get(), bitmap);
  return GetPixel(dc.get(), x, y);
}
