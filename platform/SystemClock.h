// The machine's clock in UTC, as the time-synchronisation side sees it.
//
// Times are file times: 100-nanosecond ticks since 1601-01-01 00:00:00 UTC.
// The synchronisation code only ever reaches the clock through this
// interface, so tests can put a fake in its place: nothing under test may
// set the real clock.
#ifndef PLATFORM_SYSTEMCLOCK_H
#define PLATFORM_SYSTEMCLOCK_H

#include <cstdint>

namespace platform {

constexpr uint64_t kFileTimeTicksPerSecond = 10000000;
// 1970-01-01 00:00:00 UTC as a file time.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ull;

// Whole seconds since 1970 of a file time at or after 1970.
inline int64_t FileTimeToUnixSeconds(uint64_t fileTime) {
  return static_cast<int64_t>((fileTime - kFileTimeUnixEpoch) / kFileTimeTicksPerSecond);
}

class ISystemClock {
 public:
  virtual ~ISystemClock() = default;
  // Now, in UTC file-time ticks. Advances in steps of the clock's tick.
  virtual uint64_t FileTimeNow() = 0;
  // A monotonic millisecond counter that wraps at 2^32.
  virtual uint32_t MillisecondCounter() = 0;
  // Sets the clock to a UTC file time; false when the system refused.
  virtual bool SetClock(uint64_t fileTime) = 0;
};

// The machine's own clock. SetClock really sets it (and needs the right to).
ISystemClock& MachineClock();

// True on systems whose clock advances in coarse steps (the Windows 95
// family), where a millisecond counter measures short intervals better.
bool MachineClockIsCoarse();

}  // namespace platform

#endif
