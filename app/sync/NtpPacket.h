// The 48-byte NTP packet, kept as the bytes that travel (network order).
#ifndef APP_SYNC_NTPPACKET_H
#define APP_SYNC_NTPPACKET_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace ntp {

constexpr size_t kPacketSize = 48;
using NtpPacket = std::array<uint8_t, kPacketSize>;

// Byte offsets of the fields.
constexpr size_t kFlags = 0;  // leap indicator (bits 7-6), version (5-3), mode (2-0)
constexpr size_t kStratum = 1;
constexpr size_t kPoll = 2;
constexpr size_t kPrecision = 3;
constexpr size_t kReferenceId = 12;
constexpr size_t kOriginateTime = 24;
constexpr size_t kReceiveTime = 32;
constexpr size_t kTransmitTime = 40;
constexpr size_t kTimestampSize = 8;

constexpr int kLeapNotSynchronised = 3;
constexpr int kModeServer = 4;

// A client request of version 3, poll 2^6 s, precision 2^-10 s; every
// other byte zero until the transmit time is written.
inline NtpPacket MakeRequest() {
  NtpPacket request{};
  request[kFlags] = 0x1B;  // no leap warning, version 3, mode 3 (client)
  request[kStratum] = 2;
  request[kPoll] = 6;
  request[kPrecision] = 0xF6;
  return request;
}

inline int LeapIndicator(const NtpPacket& packet) { return packet[kFlags] >> 6; }
inline int Mode(const NtpPacket& packet) { return packet[kFlags] & 7; }

}  // namespace ntp

#endif
