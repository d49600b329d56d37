// The time scales of an exchange and the conversions between them.
//
// Local times are file times: 100-ns ticks since 1601-01-01 UTC. Offsets and
// delays are signed 100-ns ticks counted from 1900-01-01 UTC, the NTP epoch.
// An NTP timestamp is 32 bits of seconds since 1900 and 32 bits of fraction,
// big-endian on the wire; the seconds are taken as they are (no eras).
#ifndef APP_SYNC_NTPTIME_H
#define APP_SYNC_NTPTIME_H

#include <cstdint>

#include "SystemClock.h"

namespace ntp {

constexpr int64_t kTicksPerSecond = static_cast<int64_t>(platform::kFileTimeTicksPerSecond);
constexpr int64_t kTicksPerMillisecond = 10000;
constexpr int64_t kTicks1601To1900 = 94354848000000000;
constexpr int64_t kTicks1601To1970 = static_cast<int64_t>(platform::kFileTimeUnixEpoch);

// Writes the file time as an 8-byte NTP timestamp, the fraction rounded up
// to the next 2^-32 s so that reading it back gives the same tick.
void FileTimeToTimestamp(uint64_t fileTime, uint8_t* timestamp);

// An 8-byte NTP timestamp as ticks since 1900, the fraction rounded down.
int64_t TimestampToTicks(const uint8_t* timestamp);

// Seconds since 1970 (UTC) of a file time, as a 32-bit calendar time.
int32_t FileTimeToCalendar(uint64_t fileTime);

}  // namespace ntp

#endif
