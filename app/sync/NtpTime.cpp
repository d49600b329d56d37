#include "NtpTime.h"

namespace ntp {
namespace {

uint32_t ReadBigEndian32(const uint8_t* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
         uint32_t{bytes[3]};
}

void WriteBigEndian32(uint32_t value, uint8_t* bytes) {
  bytes[0] = static_cast<uint8_t>(value >> 24);
  bytes[1] = static_cast<uint8_t>(value >> 16);
  bytes[2] = static_cast<uint8_t>(value >> 8);
  bytes[3] = static_cast<uint8_t>(value);
}

}  // namespace

void FileTimeToTimestamp(uint64_t fileTime, uint8_t* timestamp) {
  const uint64_t since1900 = fileTime - static_cast<uint64_t>(kTicks1601To1900);
  const uint64_t seconds = since1900 / kTicksPerSecond;
  const uint64_t ticks = since1900 % kTicksPerSecond;
  const uint64_t fraction = ((ticks << 32) + (kTicksPerSecond - 1)) / kTicksPerSecond;
  WriteBigEndian32(static_cast<uint32_t>(seconds), timestamp);
  WriteBigEndian32(static_cast<uint32_t>(fraction), timestamp + 4);
}

int64_t TimestampToTicks(const uint8_t* timestamp) {
  const int64_t seconds = ReadBigEndian32(timestamp);
  const uint64_t fraction = ReadBigEndian32(timestamp + 4);
  return seconds * kTicksPerSecond + static_cast<int64_t>((fraction * kTicksPerSecond) >> 32);
}

int32_t FileTimeToCalendar(uint64_t fileTime) {
  return static_cast<int32_t>((static_cast<int64_t>(fileTime) - kTicks1601To1970) /
                              kTicksPerSecond);
}

}  // namespace ntp
