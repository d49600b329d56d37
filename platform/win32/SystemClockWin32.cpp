// The machine clock on Windows: the system time in UTC and the tick count.
#include <windows.h>

#include "../SystemClock.h"

namespace platform {
namespace {

class CWin32Clock : public ISystemClock {
 public:
  uint64_t FileTimeNow() override {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  }

  uint32_t MillisecondCounter() override { return GetTickCount(); }

  bool SetClock(uint64_t fileTime) override {
    FILETIME target;
    target.dwLowDateTime = static_cast<DWORD>(fileTime);
    target.dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
    SYSTEMTIME calendar;
    if (!FileTimeToSystemTime(&target, &calendar)) return false;
    return SetSystemTime(&calendar) != FALSE;
  }
};

}  // namespace

ISystemClock& MachineClock() {
  static CWin32Clock clock;
  return clock;
}

bool MachineClockIsCoarse() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated, but the only way to ask
#endif
  if (!GetVersionExA(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace platform
