// Conversions between file times and NTP timestamps.
#include <gtest/gtest.h>

#include <cstdint>

#include "NtpTime.h"

namespace {

uint32_t Word(const uint8_t* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
         bytes[3];
}

TEST(NtpTime, UnixEpochAndHalfSecond) {
  uint8_t stamp[8];
  ntp::FileTimeToTimestamp(116444736000000000ull, stamp);
  EXPECT_EQ(Word(stamp), 2208988800u);
  EXPECT_EQ(Word(stamp + 4), 0u);
  ntp::FileTimeToTimestamp(116444736000000000ull + 5000000, stamp);
  EXPECT_EQ(Word(stamp), 2208988800u);
  EXPECT_EQ(Word(stamp + 4), 2147483648u);
}

TEST(NtpTime, TimestampOfAFileTimeReadsBackToTheSameTick) {
  // The fraction is rounded up one way and down the other, so no tick is
  // lost either way, whatever the sub-second part.
  const uint64_t base = 133500000000000000ull;  // 2024
  for (uint64_t ticks :
       {0ull, 1ull, 2ull, 4999999ull, 5000001ull, 9999998ull, 9999999ull, 1234567ull}) {
    uint8_t stamp[8];
    ntp::FileTimeToTimestamp(base + ticks, stamp);
    EXPECT_EQ(ntp::TimestampToTicks(stamp),
              static_cast<int64_t>(base + ticks) - ntp::kTicks1601To1900)
        << ticks;
  }
}

TEST(NtpTime, FractionIsRoundedDownWhenRead) {
  // 2^-32 s is far below one tick: the smallest fraction is no tick at all,
  // and the largest is one tick short of a second.
  const uint8_t smallest[8] = {0, 0, 0, 1, 0, 0, 0, 1};
  const uint8_t largest[8] = {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(ntp::TimestampToTicks(smallest), 10000000);
  EXPECT_EQ(ntp::TimestampToTicks(largest), 19999999);
}

TEST(NtpTime, CalendarTimeOfFileTime) {
  EXPECT_EQ(ntp::FileTimeToCalendar(116444736000000000ull), 0);
  EXPECT_EQ(ntp::FileTimeToCalendar(116444736000000000ull + 10000000ull * 86400 + 9999999), 86400);
}

}  // namespace
