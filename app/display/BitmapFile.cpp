#include "BitmapFile.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr int32_t kLargestSide = 32768;

uint32_t Read(const uint8_t* data, std::size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | data[at + i];
  return value;
}

}  // namespace

bool ParseBitmapFile(const uint8_t* data, std::size_t size, BitmapFileLayout& layout) {
  if (data == nullptr || size < kFileHeaderSize + 40) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t infoSize = Read(data, 14, 4);
  if (infoSize != 40 && infoSize != 108 && infoSize != 124) return false;
  if (kFileHeaderSize + infoSize > size) return false;

  const auto width = static_cast<int32_t>(Read(data, 18, 4));
  const auto height = static_cast<int32_t>(Read(data, 22, 4));
  const uint32_t planes = Read(data, 26, 2);
  const auto depth = static_cast<uint16_t>(Read(data, 28, 2));
  const uint32_t compression = Read(data, 30, 4);
  const uint32_t coloursUsed = Read(data, 46, 4);
  if (planes != 1 || width <= 0 || width > kLargestSide || height == 0 || height < -kLargestSide ||
      height > kLargestSide) {
    return false;
  }
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    return false;
  }
  const bool bitFields = compression == kBitFields && (depth == 16 || depth == 32);
  if (compression != kUncompressed && !bitFields) return false;

  std::size_t tableBytes = 0;
  if (depth <= 8) {
    const uint32_t entries = coloursUsed != 0 ? coloursUsed : (1u << depth);
    if (entries > (1u << depth)) return false;
    tableBytes = 4u * entries;
  } else if (bitFields && infoSize == 40) {
    tableBytes = 12;  // the three colour masks follow the header
  }
  const std::size_t bitsOffset = Read(data, 10, 4);
  if (bitsOffset < kFileHeaderSize + infoSize + tableBytes || bitsOffset > size) return false;

  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
  if (stride * rows > size - bitsOffset) return false;

  layout.infoOffset = kFileHeaderSize;
  layout.bitsOffset = bitsOffset;
  layout.bitsSize = stride * rows;
  layout.width = width;
  layout.height = height;
  layout.depth = depth;
  return true;
}
