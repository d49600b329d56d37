#include "SyncTexts.h"

#include <cstdio>
#include <cstring>

#include "NtpTime.h"

namespace {

// Quotients and remainders truncate toward zero, as the texts require.
struct SecondsAndMilliseconds {
  int64_t seconds;
  int64_t milliseconds;  // of the remainder, with its sign
};

SecondsAndMilliseconds Split(int64_t ticks) {
  return {ticks / ntp::kTicksPerSecond, ticks % ntp::kTicksPerSecond / ntp::kTicksPerMillisecond};
}

}  // namespace

std::string FormatOffsetText(int64_t offsetTicks) {
  const SecondsAndMilliseconds parts = Split(offsetTicks);
  char text[48];
  if (parts.seconds != 0) {
    const int64_t milliseconds = parts.milliseconds < 0 ? -parts.milliseconds : parts.milliseconds;
    std::snprintf(text, sizeof text, "%+lld.%3.3llus", static_cast<long long>(parts.seconds),
                  static_cast<unsigned long long>(milliseconds));
  } else {
    std::snprintf(text, sizeof text, "%+3.3lldms", static_cast<long long>(parts.milliseconds));
  }
  return text;
}

std::string FormatDelayText(int64_t delayTicks) {
  const SecondsAndMilliseconds parts = Split(delayTicks);
  char text[48];
  if (parts.seconds != 0) {
    std::snprintf(text, sizeof text, "%lld.%3.3llus", static_cast<long long>(parts.seconds),
                  static_cast<unsigned long long>(parts.milliseconds));
  } else {
    std::snprintf(text, sizeof text, "%3.3lldms", static_cast<long long>(parts.milliseconds));
  }
  return text;
}

std::string FormatDottedAddress(uint32_t address) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&address);
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
  return text;
}

std::string FormatReferenceClock(const ntp::NtpPacket& reply) {
  const uint8_t* id = reply.data() + ntp::kReferenceId;
  if (reply[ntp::kStratum] >= 2) {
    uint32_t address;
    std::memcpy(&address, id, sizeof address);
    return FormatDottedAddress(address);
  }
  std::string name;
  for (int i = 0; i < 4 && id[i] != 0; ++i) name += static_cast<char>(id[i]);
  return name;
}
