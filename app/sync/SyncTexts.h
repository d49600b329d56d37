// The texts in which synchronisation results are shown to the user.
#ifndef APP_SYNC_SYNCTEXTS_H
#define APP_SYNC_SYNCTEXTS_H

#include <cstdint>
#include <string>

#include "NtpPacket.h"

// An offset in 100-ns ticks: "+2.345s", "-12.007s" from one second up,
// "+012ms", "-005ms", "+000ms" below.
std::string FormatOffsetText(int64_t offsetTicks);

// A round trip in 100-ns ticks: "1.250s", or "087ms" below one second.
std::string FormatDelayText(int64_t delayTicks);

// An IPv4 address in network order as "192.0.2.7".
std::string FormatDottedAddress(uint32_t address);

// The reference clock of a reply: from stratum 2 on, the address of the
// server's own server; below, up to four characters naming the clock
// ("GPS").
std::string FormatReferenceClock(const ntp::NtpPacket& reply);

#endif
