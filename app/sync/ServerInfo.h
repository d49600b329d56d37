// One time server, and server lists: ordered sequences of them. In the
// active list the order is the priority, first = highest.
#ifndef APP_SYNC_SERVERINFO_H
#define APP_SYNC_SERVERINFO_H

#include <cstdint>
#include <string>
#include <vector>

struct ServerInfo {
  std::string host;                // a host name or dotted IPv4 address, without blanks
  std::string location;            // free text
  uint32_t address = 0xFFFFFFFFu;  // IPv4, network order; all ones = not resolved
};

using ServerList = std::vector<ServerInfo>;

#endif
