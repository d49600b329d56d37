#include "UtcClock.h"

#include "SystemClock.h"

namespace {

// The machine clock read directly: the C runtime's time() looks up the time
// zone on every call, which under Wine costs several server round trips.
int32_t RuntimeTime() {
  return static_cast<int32_t>(
      platform::FileTimeToUnixSeconds(platform::MachineClock().FileTimeNow()));
}

UtcSource g_source = RuntimeTime;

}  // namespace

int32_t UtcNow() { return g_source(); }

void SetUtcSource(UtcSource source) { g_source = source ? source : RuntimeTime; }
