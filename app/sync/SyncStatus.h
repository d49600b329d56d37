// What the engine publishes about its last outcome, and the notifications
// it sends to the window that watches it.
#ifndef APP_SYNC_SYNCSTATUS_H
#define APP_SYNC_SYNCSTATUS_H

#include <cstdint>
#include <string>

#include "NtpPacket.h"
#include "ServerInfo.h"

struct SyncStatus {
  bool failed = false;     // a whole pass ended without a usable answer
  bool adjusted = false;   // the system clock was set and the system accepted it
  ntp::NtpPacket reply{};  // the server's reply exactly as received
  std::string server;      // host text of the server that answered
  std::string location;
  uint32_t address = 0;   // where the request went, IPv4 network order
  int32_t lastSync = 0;   // seconds since 1970, UTC
  int32_t nextSync = 0;   // seconds since 1970, or -1: no periodic pass
  int64_t offset = 0;     // 100-ns ticks, local clock minus server clock
  int64_t roundTrip = 0;  // 100-ns ticks
};

// The second parameter of notification NTPE_SERVERFAILED.
struct ServerFailure {
  const ServerInfo* server;
  bool insane;  // answered "clock not synchronised" (or an equally unusable reply)
};

// Codes of the engine's notifications (the first message parameter).
enum NtpEngineNotification : uint32_t {
  NTPE_ASKADJUST = 0,  // sent; SyncStatus* (server, location, address, offset); nonzero = correct
  NTPE_STATUS = 1,     // posted; read the engine's status
  NTPE_SERVERFAILED = 2,  // sent; ServerFailure*
  NTPE_STARTED = 3,       // posted
  NTPE_STOPPED = 4,       // posted
};

#endif
