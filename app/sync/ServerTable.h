// The built-in table of known time servers.
#ifndef APP_SYNC_SERVERTABLE_H
#define APP_SYNC_SERVERTABLE_H

#include <cstddef>

struct ServerTableRow {
  const char* host;
  const char* location;
};

constexpr size_t kBuiltInServerCount = 457;
extern const ServerTableRow kBuiltInServers[kBuiltInServerCount];

#endif
