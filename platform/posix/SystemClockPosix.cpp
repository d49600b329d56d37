// The machine clock on POSIX systems: CLOCK_REALTIME for the time,
// CLOCK_MONOTONIC for the millisecond counter.
#include <time.h>

#include "../SystemClock.h"

namespace platform {
namespace {

class CPosixClock : public ISystemClock {
 public:
  uint64_t FileTimeNow() override {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return kFileTimeUnixEpoch + static_cast<uint64_t>(now.tv_sec) * kFileTimeTicksPerSecond +
           static_cast<uint64_t>(now.tv_nsec) / 100;
  }

  uint32_t MillisecondCounter() override {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000 +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000);
  }

  bool SetClock(uint64_t fileTime) override {
    if (fileTime < kFileTimeUnixEpoch) return false;
    const uint64_t since1970 = fileTime - kFileTimeUnixEpoch;
    timespec target{};
    target.tv_sec = static_cast<time_t>(since1970 / kFileTimeTicksPerSecond);
    target.tv_nsec = static_cast<long>(since1970 % kFileTimeTicksPerSecond * 100);
    return clock_settime(CLOCK_REALTIME, &target) == 0;
  }
};

}  // namespace

ISystemClock& MachineClock() {
  static CPosixClock clock;
  return clock;
}

bool MachineClockIsCoarse() { return false; }

}  // namespace platform
