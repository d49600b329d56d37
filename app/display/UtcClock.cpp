#include "UtcClock.h"

#include <ctime>

namespace {

int32_t RuntimeTime() { return static_cast<int32_t>(std::time(nullptr)); }

UtcSource g_source = RuntimeTime;

}  // namespace

int32_t UtcNow() { return g_source(); }

void SetUtcSource(UtcSource source) { g_source = source ? source : RuntimeTime; }
